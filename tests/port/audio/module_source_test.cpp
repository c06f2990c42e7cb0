// Tracker modules through the mixer: opening, order positions, ending and looping.
#include "port/audio/module_source.h"

#include <gtest/gtest.h>

#include <cmath>

#include "port/audio/audio_system.h"
#include "tests/port/audio/audio_test_data.h"

namespace {

using port::ChannelHandle;
using port::ChannelState;
using port::ModulePosition;

// One pattern of the test module lasts 64 rows of 20 ms.
constexpr size_t kPatternFrames = 64 * port::kMixRate / 50;

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(audio_.Open(port::AudioOutputKind::kNull));
        const auto bytes = audio_test::TinyModule(3);
        module_ = audio_.LoadModule(bytes.data(), bytes.size());
        ASSERT_NE(module_, port::kNoChannel);
    }

    float RenderPeak(size_t frames)
    {
        std::vector<float> out(frames * port::kMixChannels);
        audio_.Render(out.data(), frames);
        float peak = 0.0f;
        for (float v : out)
            peak = std::max(peak, std::fabs(v));
        return peak;
    }

    ModulePosition Position()
    {
        ModulePosition position{-1, -1};
        EXPECT_TRUE(audio_.GetModulePosition(module_, position));
        return position;
    }

    port::AudioSystem audio_;
    ChannelHandle module_ = port::kNoChannel;
};

TEST_F(ModuleTest, Opened_StartsAtOrderZeroAndPlaysSound)
{
    EXPECT_EQ(Position().order, 0);
    EXPECT_EQ(Position().row, 0);
    ASSERT_TRUE(audio_.Play(module_));
    EXPECT_GT(RenderPeak(port::kMixRate / 10), 0.01f);
}

TEST_F(ModuleTest, SetPosition_MovesToTheOrderAndRefusesOutsideTheList)
{
    ASSERT_TRUE(audio_.SetModulePosition(module_, {2, 0}));
    EXPECT_EQ(Position().order, 2);
    EXPECT_FALSE(audio_.SetModulePosition(module_, {3, 0}));
    EXPECT_EQ(audio_.LastError(), port::AudioError::kBadValue);
    EXPECT_FALSE(audio_.SetModulePosition(module_, {-1, 0}));
    EXPECT_FALSE(audio_.SetModulePosition(module_, {0, 64}));
    EXPECT_EQ(Position().order, 2);
}

TEST_F(ModuleTest, PlaysThroughItsOrders)
{
    audio_.Play(module_);
    RenderPeak(kPatternFrames + kPatternFrames / 2);
    EXPECT_EQ(Position().order, 1);
}

TEST_F(ModuleTest, WithoutLoop_EndsAfterLastOrderAndRepositioningRevivesIt)
{
    audio_.SetModulePosition(module_, {2, 0});
    audio_.Play(module_);
    RenderPeak(kPatternFrames + port::kMixRate / 2);
    EXPECT_EQ(audio_.State(module_), ChannelState::kStopped);
    ASSERT_TRUE(audio_.SetModulePosition(module_, {1, 0}));
    ASSERT_TRUE(audio_.Play(module_));
    EXPECT_GT(RenderPeak(port::kMixRate / 10), 0.01f);
    EXPECT_EQ(Position().order, 1);
}

TEST_F(ModuleTest, Looping_GoesOnPastTheLastOrder)
{
    audio_.SetLooping(module_, true);
    audio_.SetModulePosition(module_, {2, 0});
    audio_.Play(module_);
    RenderPeak(kPatternFrames + kPatternFrames / 2);
    EXPECT_EQ(audio_.State(module_), ChannelState::kPlaying);
    EXPECT_EQ(Position().order, 0);
}

TEST_F(ModuleTest, MusicGroupVolume_ScalesModulesOnly)
{
    audio_.SetGroupVolume(port::AudioGroup::kMusic, 0);
    audio_.Play(module_);
    EXPECT_EQ(RenderPeak(port::kMixRate / 10), 0.0f);
}

TEST_F(ModuleTest, PositionCalls_DoNotApplyToOtherChannels)
{
    const auto wav = audio_test::SineWav(port::kMixRate, 1, 100);
    const ChannelHandle stream = audio_.LoadStream(std::make_shared<const std::vector<uint8_t>>(wav));
    ModulePosition position;
    EXPECT_FALSE(audio_.GetModulePosition(stream, position));
    EXPECT_EQ(audio_.LastError(), port::AudioError::kNotAvailable);
    EXPECT_FALSE(audio_.SetModulePosition(stream, {0, 0}));
}

TEST(ModuleSourceTest, SoundFilesAndTruncatedModules_AreNotOpened)
{
    const auto ogg = audio_test::SineOgg(port::kMixRate, 1, 4410);
    EXPECT_EQ(port::ModuleSource::Open(ogg.data(), ogg.size()), nullptr);
    const auto module = audio_test::TinyModule(1);
    EXPECT_EQ(port::ModuleSource::Open(module.data(), 600), nullptr);
    EXPECT_EQ(port::ModuleSource::Open(nullptr, 0), nullptr);
    EXPECT_NE(port::ModuleSource::Open(module.data(), module.size()), nullptr);
}

}  // namespace
