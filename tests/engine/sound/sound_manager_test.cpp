// Life of the sound manager, its placeholders, lookups and group volumes.
#include "engine/sound/sound_manager.h"

#include <cstdlib>
#include <limits>
#include <string>

#include "engine/sound/music.h"
#include "engine/sound/sound.h"
#include "tests/engine/sound/sound_test_support.h"

namespace {

using sound_test::Entry;
using sound_test::SoundTest;

TEST(SoundManagerLifeTest, CreateAndDestroy_LogOkAndRefuseRepeats)
{
    test::LogRecorder log;
    ASSERT_TRUE(vrk::CreateSoundManager(port::AudioOutputKind::kNull));
    EXPECT_TRUE(log.Contains(Entry("CreateSoundManager", "^6", "Ok")));
    EXPECT_FALSE(vrk::CreateSoundManager(port::AudioOutputKind::kNull));
    EXPECT_TRUE(log.Contains(Entry("CreateSoundManager", "^5", "Manager already exists")));

    EXPECT_TRUE(vrk::DestroySoundManager());
    EXPECT_EQ(vrk::GetSoundManager(), nullptr);
    EXPECT_FALSE(log.Contains("Manager does not exist"));
    EXPECT_TRUE(log.Contains(Entry("DestroySoundManager", "^6", "Ok")));
    EXPECT_FALSE(vrk::DestroySoundManager());
    EXPECT_TRUE(log.Contains(Entry("DestroySoundManager", "^5", "Manager does not exist")));
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::string old_;
    bool had_ = false;
};

TEST(SoundManagerLifeTest, DeviceOutput_PlaysAndShutsDownWhileItsThreadMixes)
{
    ScopedEnvironment driver("SDL_AUDIODRIVER", "dummy");
    test::LogRecorder log;
    test::TempFolder folder;
    ASSERT_TRUE(vrk::CreateSoundManager());
    vrk::SampleRecord record;
    const vrk::PathRecord path(folder.Write("click.wav", sound_test::AsText(audio_test::SineWav(44100, 1, 4410))));
    ASSERT_EQ(vrk::ReadSoundBuffer(record, path), vrk::kSoundReadOk);
    new vrk::cSoundManager::cSoundBuffer("click", record.handle);
    vrk::cSound sound("click");
    EXPECT_TRUE(sound.Play());
    EXPECT_TRUE(vrk::DestroySoundManager());
    EXPECT_FALSE(log.Contains("Free: BASS_Free"));
}

TEST(SoundManagerLifeTest, WithoutManager_VolumesReadAsSilence)
{
    ASSERT_EQ(vrk::GetSoundManager(), nullptr);
    EXPECT_EQ(vrk::GetSoundVolume(), 0.0f);
    EXPECT_EQ(vrk::GetMusicVolume(), 0.0f);
}

TEST_F(SoundTest, Init_PutsUnnamedPlaceholderAtIndexZeroOfEveryTable)
{
    ASSERT_EQ(Manager().soundBuffers.size(), 1u);
    ASSERT_EQ(Manager().musicBuffers.size(), 1u);
    ASSERT_EQ(Manager().streamBuffers.size(), 1u);
    ASSERT_EQ(Manager().music.size(), 1u);
    EXPECT_EQ(Manager().soundBuffers[0]->name, "unnamed");
    EXPECT_EQ(Manager().soundBuffers[0]->handle, port::kNoSample);
    EXPECT_EQ(Manager().music[0]->GetName(), "unnamed");
    EXPECT_EQ(Manager().music[0]->GetHandle(), port::kNoChannel);
    EXPECT_FALSE(Manager().paused);
    EXPECT_TRUE(Audio().IsOpen());
}

TEST_F(SoundTest, Find_GivesFirstEntryOfTheNameOrZero)
{
    AddSample("click");
    AddSample("click");
    AddModuleMusic("tune");
    EXPECT_EQ(Manager().FindSoundBuffer("click"), 1);
    EXPECT_EQ(Manager().FindSoundBuffer("missing"), 0);
    EXPECT_EQ(Manager().FindMusicBuffer("tune"), 1);
    EXPECT_EQ(Manager().FindMusic("tune"), 1);
    EXPECT_EQ(Manager().FindStreamBuffer("tune"), 0);
    EXPECT_EQ(Manager().GetSoundBuffer(7), nullptr);
    EXPECT_EQ(Manager().GetMusic(-1), nullptr);
}

TEST_F(SoundTest, Free_EmptiesTablesAndFreesHandles)
{
    AddSample("click");
    const port::SampleHandle sample = Manager().soundBuffers[1]->handle;
    EXPECT_TRUE(Manager().Free());
    EXPECT_TRUE(Manager().soundBuffers.empty());
    EXPECT_TRUE(Manager().music.empty());
    port::SampleInfo info;
    EXPECT_FALSE(Audio().GetSampleInfo(sample, info));
    // Lookups on the emptied tables still answer "none".
    EXPECT_EQ(Manager().FindSoundBuffer("click"), 0);
    EXPECT_EQ(Manager().GetMusic(0), nullptr);
}

struct InvalidVolumeCase {
    int32_t group;
    float volume;
};

class SetVolumeInvalidTest : public SoundTest, public ::testing::WithParamInterface<InvalidVolumeCase> {};

TEST_P(SetVolumeInvalidTest, LogsVolumeInvalidAndLeavesTheVolume)
{
    Manager().SetVolume(GetParam().group, 0.5f);
    Manager().SetVolume(GetParam().group, GetParam().volume);
    EXPECT_TRUE(log_.Contains(Entry("cSoundManager", "^5", "SetVolume: volume invalid")));
    const float now = GetParam().group == vrk::kSoundGroup ? vrk::GetSoundVolume() : vrk::GetMusicVolume();
    EXPECT_FLOAT_EQ(now, 0.5f);
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRangeAndNonFinite, SetVolumeInvalidTest,
    ::testing::Values(InvalidVolumeCase{1, 1.5f}, InvalidVolumeCase{1, -0.01f},
                      InvalidVolumeCase{1, std::numeric_limits<float>::quiet_NaN()},
                      InvalidVolumeCase{2, std::numeric_limits<float>::infinity()},
                      InvalidVolumeCase{2, -std::numeric_limits<float>::infinity()}),
    [](const auto& info) { return "Case" + std::to_string(info.index) + "_Group" + std::to_string(info.param.group); });

TEST_F(SoundTest, SetVolume_QuarterRoundTripsThroughTheSampleGroup)
{
    Manager().SetVolume(vrk::kSoundGroup, 0.25f);
    EXPECT_EQ(Audio().GroupVolume(port::AudioGroup::kSample), 2500);
    EXPECT_FLOAT_EQ(vrk::GetSoundVolume(), 0.25f);
    EXPECT_FLOAT_EQ(vrk::GetMusicVolume(), 1.0f);
}

TEST_F(SoundTest, SetVolume_MusicGroupSetsModulesAndStreams)
{
    Manager().SetVolume(vrk::kMusicGroup, 0.4f);
    EXPECT_EQ(Audio().GroupVolume(port::AudioGroup::kMusic), 4000);
    EXPECT_EQ(Audio().GroupVolume(port::AudioGroup::kStream), 4000);
    EXPECT_EQ(Audio().GroupVolume(port::AudioGroup::kSample), 10000);
}

TEST_F(SoundTest, SetVolume_OtherGroupChangesNothing)
{
    Manager().SetVolume(3, 0.1f);
    Manager().SetVolume(0, 0.1f);
    EXPECT_FLOAT_EQ(vrk::GetSoundVolume(), 1.0f);
    EXPECT_FLOAT_EQ(vrk::GetMusicVolume(), 1.0f);
    EXPECT_TRUE(log_.Lines().size() <= 1u);  // the manager's "Ok" only
}

TEST_F(SoundTest, SetVolume_MusicGroupAlsoSetsPlayingMusicChannels)
{
    vrk::cMusic* playing = AddStreamMusic("theme");
    vrk::cMusic* idle = AddStreamMusic("other");
    ASSERT_TRUE(playing->Play());
    Manager().SetVolume(vrk::kMusicGroup, 0.5f);
    float volume = 0.0f;
    ASSERT_TRUE(Audio().GetAttribute(playing->GetHandle(), port::ChannelAttribute::kVolume, volume));
    EXPECT_FLOAT_EQ(volume, 0.5f);
    ASSERT_TRUE(Audio().GetAttribute(idle->GetHandle(), port::ChannelAttribute::kVolume, volume));
    EXPECT_FLOAT_EQ(volume, 1.0f);
}

}  // namespace
