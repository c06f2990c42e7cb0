// Opening and closing the audio layer on the null output, the device and no device.
#include "port/audio/audio_system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/port/audio/audio_test_data.h"

namespace {

using port::AudioError;
using port::AudioGroup;
using port::AudioOutputKind;
using port::AudioSystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

TEST(AudioSystemTest, GroupVolumes_ReadBackWithoutAnyOutput)
{
    AudioSystem audio;
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kSample), port::kFullGroupVolume);
    ASSERT_TRUE(audio.SetGroupVolume(AudioGroup::kSample, 2500));
    ASSERT_TRUE(audio.SetGroupVolume(AudioGroup::kMusic, 0));
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kSample), 2500);
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kMusic), 0);
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kStream), port::kFullGroupVolume);
}

TEST(AudioSystemTest, WithoutOutput_CallsFailAsNotOpen)
{
    AudioSystem audio;
    const auto wav = audio_test::SineWav(port::kMixRate, 1, 100);
    EXPECT_EQ(audio.LoadSample(wav.data(), wav.size(), 1), port::kNoSample);
    EXPECT_EQ(audio.LastError(), AudioError::kNotOpen);
    EXPECT_FALSE(audio.Pause());
    EXPECT_EQ(audio.LastError(), AudioError::kNotOpen);
    EXPECT_FALSE(audio.Close());
    EXPECT_EQ(audio.LastError(), AudioError::kNotOpen);
    float out[4] = {1, 1, 1, 1};
    EXPECT_FALSE(audio.Render(out, 2));
    EXPECT_EQ(out[3], 0.0f);
}

TEST(AudioSystemTest, OpenTwice_IsRefusedAndCloseFreesEverything)
{
    AudioSystem audio;
    ASSERT_TRUE(audio.Open(AudioOutputKind::kNull));
    EXPECT_FALSE(audio.Open(AudioOutputKind::kNull));
    EXPECT_EQ(audio.LastError(), AudioError::kAlreadyOpen);
    const auto wav = audio_test::SineWav(port::kMixRate, 1, 100);
    const auto sample = audio.LoadSample(wav.data(), wav.size(), 1);
    ASSERT_NE(sample, port::kNoSample);
    audio.SetGroupVolume(AudioGroup::kStream, 1234);
    ASSERT_TRUE(audio.Close());
    ASSERT_TRUE(audio.Open(AudioOutputKind::kNull));
    port::SampleInfo info;
    EXPECT_FALSE(audio.GetSampleInfo(sample, info));
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kStream), 1234);
}

TEST(AudioSystemTest, DeviceOutput_OpensOnTheDummyDriverAndIsNotPulledByHand)
{
    ScopedEnvironment driver("SDL_AUDIODRIVER", "dummy");
    AudioSystem audio;
    ASSERT_TRUE(audio.Open(AudioOutputKind::kDevice)) << static_cast<int>(audio.LastError());
    float out[4] = {1, 1, 1, 1};
    EXPECT_FALSE(audio.Render(out, 2));
    const auto wav = audio_test::SineWav(port::kMixRate, 1, 100);
    const auto channel = audio.NewSampleChannel(audio.LoadSample(wav.data(), wav.size(), 1));
    EXPECT_TRUE(audio.Play(channel));
    EXPECT_TRUE(audio.Close());
}

TEST(AudioSystemTest, MissingDriver_FailsOpenWithItsNumberAndVolumesStillWork)
{
    ScopedEnvironment driver("SDL_AUDIODRIVER", "no-such-driver");
    AudioSystem audio;
    EXPECT_FALSE(audio.Open(AudioOutputKind::kDevice));
    // Reading a volume (as the engine may do before logging) keeps the reason.
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kSample), port::kFullGroupVolume);
    EXPECT_EQ(audio.LastError(), AudioError::kNoDriver);
    EXPECT_FALSE(audio.IsOpen());
    EXPECT_TRUE(audio.SetGroupVolume(AudioGroup::kMusic, 7000));
    EXPECT_EQ(audio.GroupVolume(AudioGroup::kMusic), 7000);
    // A later attempt with a working output succeeds.
    EXPECT_TRUE(audio.Open(AudioOutputKind::kNull));
}

}  // namespace
