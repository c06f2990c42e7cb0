// The mixer on the null output: what reaches the mix, and how channels move.
#include "port/audio/mixer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "port/audio/audio_system.h"
#include "tests/port/audio/audio_test_data.h"

namespace {

using port::AudioError;
using port::ChannelAttribute;
using port::ChannelHandle;
using port::ChannelState;
using port::SampleHandle;

constexpr size_t kTenthSecond = port::kMixRate / 10;
constexpr size_t kOneSecond = port::kMixRate;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(audio_.Open(port::AudioOutputKind::kNull)); }

    std::vector<float> Render(size_t frames)
    {
        std::vector<float> out(frames * port::kMixChannels);
        EXPECT_TRUE(audio_.Render(out.data(), frames));
        return out;
    }

    // Largest magnitude over frames [from, to) of both channels.
    static float Peak(const std::vector<float>& mix, size_t from, size_t to)
    {
        float peak = 0.0f;
        for (size_t i = from * 2; i < to * 2 && i < mix.size(); ++i)
            peak = std::max(peak, std::fabs(mix[i]));
        return peak;
    }

    SampleHandle LoadSample(const audio_test::Bytes& bytes, int32_t maxPlaybacks = 1)
    {
        return audio_.LoadSample(bytes.data(), bytes.size(), maxPlaybacks);
    }

    ChannelHandle PlayingSample(const audio_test::Bytes& bytes, bool looping = false)
    {
        const SampleHandle sample = LoadSample(bytes);
        const ChannelHandle channel = audio_.NewSampleChannel(sample);
        audio_.SetLooping(channel, looping);
        EXPECT_TRUE(audio_.Play(channel));
        return channel;
    }

    port::AudioSystem audio_;
};

TEST_F(MixerTest, OneShotSample_AppearsInMixThenEnds)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond));
    const auto mix = Render(2 * kTenthSecond);
    EXPECT_NEAR(Peak(mix, 0, kTenthSecond), 0.5f, 0.01f);
    // The sine's frames arrive in order on both sides.
    const auto sine = audio_test::Sine(port::kMixRate, 0.5f);
    for (size_t i : {size_t{10}, size_t{57}, size_t{1234}}) {
        EXPECT_NEAR(mix[i * 2], sine(i), 0.001f);
        EXPECT_NEAR(mix[i * 2 + 1], sine(i), 0.001f);
    }
    EXPECT_EQ(Peak(mix, kTenthSecond, 2 * kTenthSecond), 0.0f);
    EXPECT_EQ(audio_.State(channel), ChannelState::kStopped);
}

TEST_F(MixerTest, VolumeSlideToStopValue_FadesToSilenceInOneSecondAndStops)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond), true);
    ASSERT_TRUE(audio_.SlideAttribute(channel, ChannelAttribute::kVolume, port::kVolumeStopsChannel, 1000));
    const auto mix = Render(kOneSecond + kTenthSecond);
    EXPECT_NEAR(Peak(mix, 0, 500), 0.5f, 0.02f);
    EXPECT_NEAR(Peak(mix, kOneSecond / 2 - 500, kOneSecond / 2 + 500), 0.25f, 0.02f);
    EXPECT_LT(Peak(mix, kOneSecond - 500, kOneSecond), 0.01f);
    EXPECT_EQ(Peak(mix, kOneSecond, kOneSecond + kTenthSecond), 0.0f);
    EXPECT_EQ(audio_.State(channel), ChannelState::kStopped);
    EXPECT_FALSE(audio_.IsSliding(channel, ChannelAttribute::kVolume));
}

TEST_F(MixerTest, NewSlide_ReplacesRunningOne)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond), true);
    audio_.SlideAttribute(channel, ChannelAttribute::kVolume, port::kVolumeStopsChannel, 1000);
    Render(kOneSecond / 2);
    audio_.SlideAttribute(channel, ChannelAttribute::kVolume, 1.0f, 500);
    Render(kOneSecond);
    float volume = 0.0f;
    ASSERT_TRUE(audio_.GetAttribute(channel, ChannelAttribute::kVolume, volume));
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_EQ(audio_.State(channel), ChannelState::kPlaying);
}

TEST_F(MixerTest, Pause_SilencesMixAndStartResumes)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond), true);
    ASSERT_TRUE(audio_.Pause());
    EXPECT_EQ(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
    EXPECT_EQ(audio_.State(channel), ChannelState::kPlaying);
    ASSERT_TRUE(audio_.Start());
    EXPECT_NEAR(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.5f, 0.01f);
}

TEST_F(MixerTest, Play_FailsWhileOutputIsPaused)
{
    const SampleHandle sample = LoadSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond));
    const ChannelHandle channel = audio_.NewSampleChannel(sample);
    audio_.Pause();
    EXPECT_FALSE(audio_.Play(channel));
    EXPECT_EQ(audio_.LastError(), AudioError::kPaused);
    EXPECT_EQ(audio_.State(channel), ChannelState::kStopped);
}

TEST_F(MixerTest, MaxPlaybacks_NewChannelTakesOverOldestPlayback)
{
    const SampleHandle sample = LoadSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond), 2);
    const ChannelHandle first = audio_.NewSampleChannel(sample);
    const ChannelHandle second = audio_.NewSampleChannel(sample);
    audio_.Play(first);
    Render(10);
    audio_.Play(second);
    const ChannelHandle third = audio_.NewSampleChannel(sample);
    ASSERT_NE(third, port::kNoChannel);
    EXPECT_EQ(audio_.State(first), ChannelState::kStopped);
    EXPECT_EQ(audio_.LastError(), AudioError::kBadHandle);
    EXPECT_EQ(audio_.State(second), ChannelState::kPlaying);
    EXPECT_TRUE(audio_.Play(third));
}

TEST_F(MixerTest, MaxPlaybacks_EndedPlaybackIsReusedBeforePlayingOne)
{
    const SampleHandle sample = LoadSample(audio_test::SineWav(port::kMixRate, 1, 100), 2);
    const ChannelHandle shortLived = audio_.NewSampleChannel(sample);
    audio_.Play(shortLived);
    Render(200);  // ends the first playback
    const ChannelHandle looping = audio_.NewSampleChannel(sample);
    audio_.SetLooping(looping, true);
    audio_.Play(looping);
    audio_.NewSampleChannel(sample);
    EXPECT_TRUE(audio_.IsLooping(looping));
    EXPECT_EQ(audio_.State(looping), ChannelState::kPlaying);
    EXPECT_FALSE(audio_.IsLooping(shortLived));
    EXPECT_EQ(audio_.LastError(), AudioError::kBadHandle);
}

TEST_F(MixerTest, LoopingStream_WrapsToItsStart)
{
    const auto bytes = audio_test::RampWav(kTenthSecond);
    const ChannelHandle stream =
        audio_.LoadStream(std::make_shared<const std::vector<uint8_t>>(bytes));
    ASSERT_NE(stream, port::kNoChannel);
    audio_.SetLooping(stream, true);
    audio_.Play(stream);
    const auto mix = Render(3 * kTenthSecond + 100);
    EXPECT_EQ(audio_.State(stream), ChannelState::kPlaying);
    const float lastOfFirstPass = mix[(kTenthSecond - 1) * 2];
    EXPECT_NEAR(lastOfFirstPass, 1.0f, 0.001f);
    EXPECT_NEAR(mix[kTenthSecond * 2], 0.0f, 0.001f);
    EXPECT_NEAR(mix[(3 * kTenthSecond + 50) * 2], 50.0f / kTenthSecond, 0.001f);
}

TEST_F(MixerTest, StreamWithoutLoop_EndsAndPlayStartsItAgain)
{
    const auto bytes = audio_test::SineOgg(port::kMixRate, 2, kTenthSecond);
    const ChannelHandle stream = audio_.LoadStream(std::make_shared<const std::vector<uint8_t>>(bytes));
    ASSERT_NE(stream, port::kNoChannel);
    audio_.Play(stream);
    const auto mix = Render(2 * kTenthSecond);
    EXPECT_GT(Peak(mix, 0, kTenthSecond), 0.4f);
    EXPECT_EQ(Peak(mix, kTenthSecond + 10, 2 * kTenthSecond), 0.0f);
    EXPECT_EQ(audio_.State(stream), ChannelState::kStopped);
    ASSERT_TRUE(audio_.Play(stream));
    EXPECT_GT(Peak(Render(kTenthSecond / 2), 0, kTenthSecond / 2), 0.4f);
}

TEST_F(MixerTest, StopKeepsPosition_PlayResumesAndRestartGoesBack)
{
    const auto ramp = audio_test::RampWav(kOneSecond);
    const ChannelHandle channel = PlayingSample(ramp);
    Render(1000);
    ASSERT_TRUE(audio_.Stop(channel));
    EXPECT_EQ(Peak(Render(100), 0, 100), 0.0f);
    audio_.Play(channel);
    EXPECT_NEAR(Render(1)[0], 1000.0f / kOneSecond, 1e-5f);
    // Playing a playing channel without restart changes nothing.
    audio_.Play(channel);
    EXPECT_NEAR(Render(1)[0], 1001.0f / kOneSecond, 1e-5f);
    audio_.Play(channel, true);
    EXPECT_NEAR(Render(1)[0], 0.0f, 1e-5f);
}

TEST_F(MixerTest, PanAndGroupVolume_ScaleTheSides)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond), true);
    ASSERT_TRUE(audio_.SetAttribute(channel, ChannelAttribute::kPan, -1.0f));
    ASSERT_TRUE(audio_.SetGroupVolume(port::AudioGroup::kSample, 5000));
    const auto mix = Render(kTenthSecond);
    float left = 0.0f, right = 0.0f;
    for (size_t i = 0; i < kTenthSecond; ++i) {
        left = std::max(left, std::fabs(mix[i * 2]));
        right = std::max(right, std::fabs(mix[i * 2 + 1]));
    }
    EXPECT_NEAR(left, 0.25f, 0.01f);
    EXPECT_EQ(right, 0.0f);
}

TEST_F(MixerTest, Attributes_RefuseNonFiniteValuesAndClampTheRest)
{
    const ChannelHandle channel = PlayingSample(audio_test::SineWav(port::kMixRate, 1, 100));
    EXPECT_FALSE(audio_.SetAttribute(channel, ChannelAttribute::kVolume, std::nanf("")));
    EXPECT_EQ(audio_.LastError(), AudioError::kBadValue);
    EXPECT_FALSE(audio_.SlideAttribute(channel, ChannelAttribute::kPan, INFINITY, 10));
    EXPECT_TRUE(audio_.SetAttribute(channel, ChannelAttribute::kVolume, 3.0f));
    float volume = 0.0f;
    audio_.GetAttribute(channel, ChannelAttribute::kVolume, volume);
    EXPECT_EQ(volume, 1.0f);
}

TEST_F(MixerTest, ThreeDAttributes_AreStoredAndNegativeValuesKeepTheOld)
{
    const ChannelHandle channel = audio_.NewSampleChannel(LoadSample(audio_test::SineWav(port::kMixRate, 1, 100)));
    port::Channel3DAttributes wanted{0, 2.0f, 50.0f, -1, -1, -1.0f};
    ASSERT_TRUE(audio_.Set3DAttributes(channel, wanted));
    port::Channel3DAttributes stored;
    ASSERT_TRUE(audio_.Get3DAttributes(channel, stored));
    EXPECT_EQ(stored.minDistance, 2.0f);
    EXPECT_EQ(stored.maxDistance, 50.0f);
    EXPECT_EQ(stored.innerAngle, port::Channel3DAttributes{}.innerAngle);
    EXPECT_EQ(stored.outerVolume, port::Channel3DAttributes{}.outerVolume);
}

TEST_F(MixerTest, BadInput_IsRefusedWithItsReason)
{
    const audio_test::Bytes garbage(500, 0x5A);
    EXPECT_EQ(audio_.LoadSample(garbage.data(), garbage.size(), 1), port::kNoSample);
    EXPECT_EQ(audio_.LastError(), AudioError::kBadData);
    const auto wav = audio_test::SineWav(port::kMixRate, 1, 100);
    EXPECT_EQ(audio_.LoadSample(wav.data(), wav.size(), 0), port::kNoSample);
    EXPECT_EQ(audio_.LastError(), AudioError::kBadValue);
    EXPECT_EQ(audio_.LoadStream(std::make_shared<const std::vector<uint8_t>>(garbage)), port::kNoChannel);
    EXPECT_EQ(audio_.LastError(), AudioError::kBadData);
    EXPECT_EQ(audio_.LoadStream(nullptr), port::kNoChannel);
    EXPECT_EQ(audio_.LoadModule(garbage.data(), garbage.size()), port::kNoChannel);
    EXPECT_EQ(audio_.LastError(), AudioError::kBadData);
    EXPECT_EQ(audio_.LoadModule(wav.data(), wav.size()), port::kNoChannel);
    EXPECT_FALSE(audio_.Play(12345));
    EXPECT_EQ(audio_.LastError(), AudioError::kBadHandle);
    EXPECT_FALSE(audio_.SetGroupVolume(port::AudioGroup::kMusic, 10001));
    EXPECT_FALSE(audio_.SetGroupVolume(port::AudioGroup::kMusic, -1));
    EXPECT_EQ(audio_.GroupVolume(port::AudioGroup::kMusic), port::kFullGroupVolume);
}

TEST_F(MixerTest, SampleInfo_TellsSourceFormatAndLengthAtMixRate)
{
    const SampleHandle sample = LoadSample(audio_test::SineWav(22050, 2, 2205), 7);
    port::SampleInfo info;
    ASSERT_TRUE(audio_.GetSampleInfo(sample, info));
    EXPECT_EQ(info.sourceRate, 22050);
    EXPECT_EQ(info.sourceChannels, 2);
    EXPECT_EQ(info.maxPlaybacks, 7);
    EXPECT_FALSE(info.is3D);
    EXPECT_NEAR(static_cast<double>(info.frames), 4410.0, 2.0);
}

TEST_F(MixerTest, FreeSample_EndsItsChannels)
{
    const SampleHandle sample = LoadSample(audio_test::SineWav(port::kMixRate, 1, kTenthSecond));
    const ChannelHandle channel = audio_.NewSampleChannel(sample);
    audio_.Play(channel);
    ASSERT_TRUE(audio_.FreeSample(sample));
    EXPECT_FALSE(audio_.Stop(channel));
    EXPECT_EQ(Peak(Render(100), 0, 100), 0.0f);
    EXPECT_FALSE(audio_.FreeSample(sample));
}

}  // namespace
