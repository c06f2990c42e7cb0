// Checks of the synthesiser: envelope shape, mixing length and peak scaling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "synth.h"

TEST(Synth, EnvelopeAt_RisesHoldsAndFallsToSilence)
{
    Voice voice;
    voice.attack = 0.1f;
    voice.hold = 0.2f;
    voice.release = 0.4f;
    EXPECT_FLOAT_EQ(EnvelopeAt(voice, -0.01f), 0.0f);
    EXPECT_FLOAT_EQ(EnvelopeAt(voice, 0.05f), 0.5f);
    EXPECT_FLOAT_EQ(EnvelopeAt(voice, 0.2f), 1.0f);
    EXPECT_FLOAT_EQ(EnvelopeAt(voice, 0.5f), 0.25f);  // half-way through the fall: (1/2)^2
    EXPECT_NEAR(EnvelopeAt(voice, 0.7f), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(EnvelopeAt(voice, 0.8f), 0.0f);
    EXPECT_FLOAT_EQ(VoiceLength(voice), 0.7f);
}

TEST(Synth, Render_OneShotLastsUntilTheLastVoiceEndsAndPeaksAtTheLevel)
{
    Voice voice;
    voice.start = 0.5f;
    voice.attack = 0.01f;
    voice.release = 0.49f;
    const std::vector<float> samples = Render({voice}, 1000, 0.1f, false, 0.5f);
    EXPECT_EQ(samples.size(), 1001u);
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    EXPECT_NEAR(peak, 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(samples[100], 0.0f);  // before the voice starts
    EXPECT_FLOAT_EQ(samples.back(), 0.0f);
}

TEST(Synth, Render_LoopKeepsItsLengthAndWrapsTheTail)
{
    Voice voice;
    voice.wave = Wave::Square;
    voice.start = 0.9f;
    voice.attack = 0.001f;
    voice.hold = 0.5f;
    voice.release = 0.01f;
    const std::vector<float> samples = Render({voice}, 1000, 1.0f, true, 1.0f);
    EXPECT_EQ(samples.size(), 1001u);
    EXPECT_NE(samples[100], 0.0f);  // the part past the end sounds at the start
}

TEST(Synth, Render_SilenceStaysSilent)
{
    Voice voice;
    voice.level = 0.0f;
    for (float s : Render({voice}, 1000, 0.1f, false, 0.8f)) EXPECT_EQ(s, 0.0f);
}

TEST(Synth, WaveFromName_ReportsUnknownNames)
{
    bool known = false;
    EXPECT_EQ(WaveFromName("noise", known), Wave::Noise);
    EXPECT_TRUE(known);
    EXPECT_EQ(WaveFromName("", known), Wave::Sine);
    EXPECT_TRUE(known);
    EXPECT_EQ(WaveFromName("buzz", known), Wave::Sine);
    EXPECT_FALSE(known);
}
