// Whole-file decoding of the sound formats the game's data may hold.
#include "port/audio/sample_playback.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/port/audio/audio_test_data.h"

namespace {

struct FormatCase {
    const char* name;
    int format;
    int rate;
    int channels;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class DecodeSampleFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DecodeSampleFormat, DecodesToMixRateStereoWithTheSignal)
{
    const auto& c = GetParam();
    const size_t frames = static_cast<size_t>(c.rate) / 10;
    const auto bytes =
        audio_test::WriteSound(c.format, c.rate, c.channels, frames, audio_test::Sine(c.rate, 0.5f));
    if (bytes.empty())
        GTEST_SKIP() << "libsndfile cannot write " << c.name << " here";
    port::SampleInfo info;
    const auto pcm = port::DecodeSample(std::make_shared<const std::vector<uint8_t>>(bytes), info);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(info.sourceRate, c.rate);
    EXPECT_EQ(info.sourceChannels, c.channels);
    // Lossy coders may add a little padding at either end.
    EXPECT_NEAR(static_cast<double>(info.frames), port::kMixRate / 10.0, port::kMixRate / 50.0);
    float peak = 0.0f;
    for (float v : *pcm)
        peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.5f, 0.05f);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DecodeSampleFormat,
    ::testing::Values(FormatCase{"Wav16Mono", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1},
                      FormatCase{"WavFloatStereo", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 2},
                      FormatCase{"Wav22k", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1},
                      FormatCase{"Wav48kSixChannels", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 6},
                      FormatCase{"Flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2},
                      FormatCase{"OggVorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2},
                      FormatCase{"OggVorbis22k", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1},
                      FormatCase{"Mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeSampleTest, BrokenData_GivesNothing)
{
    port::SampleInfo info;
    const auto wav = audio_test::SineWav(44100, 1, 4410);
    const std::vector<std::vector<uint8_t>> broken = {
        {},
        std::vector<uint8_t>(1000, 0),
        std::vector<uint8_t>(wav.begin(), wav.begin() + 40),  // header without any frame
    };
    for (const auto& bytes : broken)
        EXPECT_EQ(port::DecodeSample(std::make_shared<const std::vector<uint8_t>>(bytes), info), nullptr);
    EXPECT_EQ(port::DecodeSample(nullptr, info), nullptr);
}

}  // namespace

namespace {

TEST(DecodeSampleTest, DecodedSizeIsBoundedByTheByteBudget)
{
    port::SampleInfo info;
    // 644 bytes at 1 Hz: 600 seconds at the mix rate, over 200 MB once decoded.
    const auto tiny = audio_test::WriteSound(SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 1, 600, audio_test::Ramp(600));
    ASSERT_EQ(tiny.size(), 644u);
    EXPECT_EQ(port::DecodeSample(std::make_shared<const std::vector<uint8_t>>(tiny), info), nullptr);

    // At 1 kHz each source frame becomes 44.1 mix frames of 8 bytes.
    const size_t budgetFrames = port::kMaxSampleBytes / (sizeof(float) * port::kMixChannels) / 441 * 10;
    const auto over = audio_test::SineWav(1000, 1, budgetFrames + 100);
    EXPECT_EQ(port::DecodeSample(std::make_shared<const std::vector<uint8_t>>(over), info), nullptr);
    const auto under = audio_test::SineWav(1000, 1, budgetFrames - 100);
    const auto pcm = port::DecodeSample(std::make_shared<const std::vector<uint8_t>>(under), info);
    ASSERT_NE(pcm, nullptr);
    EXPECT_LE(pcm->capacity() * sizeof(float), port::kMaxSampleBytes) << "growth stays inside the budget";
}

}  // namespace
