// cSound and the game's sound calls, heard through the null output's mix.
#include "engine/sound/sound.h"

#include <memory>

#include "engine/sound/sound_play.h"
#include "tests/engine/sound/sound_test_support.h"

namespace {

using sound_test::kOneSecond;
using sound_test::kTenthSecond;
using sound_test::Entry;
using sound_test::Peak;
using sound_test::SoundTest;

size_t CountLines(const test::LogRecorder& log, const std::string& part)
{
    size_t count = 0;
    for (const std::string& line : log.Lines())
        count += line.find(part) != std::string::npos ? 1 : 0;
    return count;
}

TEST_F(SoundTest, UnnamedSound_LogsNothingAndPlaysNothing)
{
    const size_t before = log_.Lines().size();
    vrk::cSound sound("unnamed");
    EXPECT_FALSE(sound.Play());
    EXPECT_EQ(sound.GetChannel(), port::kNoChannel);
    EXPECT_EQ(log_.Lines().size(), before);
    EXPECT_EQ(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
}

TEST_F(SoundTest, UnknownName_WarnsAtConstructionAndAtFirstPlayOnly)
{
    vrk::cSound sound("no_such_sound");
    EXPECT_EQ(CountLines(log_, Entry("cSound", "^5", "constructor: sound buffer not found 'no_such_sound'")), 1u);
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.Play());
    EXPECT_EQ(CountLines(log_, Entry("cSound", "^5", "Play: invalid sound (id = 0)")), 1u);
}

TEST_F(SoundTest, PlaySound_OneShotIsHeardAfterItsObjectIsGone)
{
    AddSample("click");
    vrk::PlaySound("click");
    const auto mix = Render(2 * kTenthSecond);
    EXPECT_NEAR(Peak(mix, 0, kTenthSecond), 0.5f, 0.02f);
    EXPECT_EQ(Peak(mix, kTenthSecond + 10, 2 * kTenthSecond), 0.0f);
}

TEST_F(SoundTest, SampleGroupVolume_ScalesTheSound)
{
    AddSample("click");
    Manager().SetVolume(vrk::kSoundGroup, 0.5f);
    vrk::PlaySound("click");
    EXPECT_NEAR(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.25f, 0.01f);
}

TEST_F(SoundTest, Play_DoesNotRestartAPlayingSound)
{
    AddSample("click", 4, kTenthSecond);
    vrk::cSound sound("click");
    ASSERT_TRUE(sound.Play());
    Render(kTenthSecond / 2);
    ASSERT_TRUE(sound.Play());
    const auto mix = Render(kTenthSecond);
    // Only the second half of the sample was left to play.
    EXPECT_EQ(Peak(mix, kTenthSecond / 2 + 10, kTenthSecond), 0.0f);
}

TEST_F(SoundTest, LoopedSound_WrapsAndStopsWithItsObject)
{
    AddSample("wind", 1, kTenthSecond);
    vrk::cSound* sound = vrk::PlayLoopedSound("wind");
    ASSERT_NE(sound->GetChannel(), port::kNoChannel);
    auto mix = Render(3 * kTenthSecond);
    EXPECT_GT(Peak(mix, 2 * kTenthSecond + 100, 3 * kTenthSecond), 0.4f);

    const port::ChannelHandle channel = sound->GetChannel();
    vrk::StopAndDeleteSound(sound);
    EXPECT_EQ(Audio().State(channel), port::ChannelState::kStopped);
    EXPECT_EQ(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
}

TEST_F(SoundTest, LoopingSoundDestructor_StopsTheChannel)
{
    AddSample("wind", 1, kTenthSecond);
    port::ChannelHandle channel = port::kNoChannel;
    {
        vrk::cSound sound("wind");
        ASSERT_TRUE(sound.SetLoop());
        ASSERT_TRUE(sound.Play());
        channel = sound.GetChannel();
    }
    EXPECT_EQ(Audio().State(channel), port::ChannelState::kStopped);
}

TEST_F(SoundTest, StopAndDeleteSound_AcceptsNull)
{
    // Null is no sound: what plays goes on, and nothing is logged.
    AddSample("wind", 1, kTenthSecond);
    std::unique_ptr<vrk::cSound> sound(vrk::PlayLoopedSound("wind"));
    ASSERT_NE(sound, nullptr);
    const size_t before = log_.Lines().size();
    vrk::StopAndDeleteSound(nullptr);
    EXPECT_EQ(Audio().State(sound->GetChannel()), port::ChannelState::kPlaying);
    EXPECT_GT(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.4f);
    EXPECT_EQ(log_.Lines().size(), before);
}

TEST_F(SoundTest, MaxPlaybacks_NewestSoundTakesOverTheOldest)
{
    AddSample("step", 2, kOneSecond);
    vrk::cSound first("step");
    ASSERT_TRUE(first.Play());
    Render(10);
    vrk::cSound second("step");
    ASSERT_TRUE(second.Play());
    Render(10);
    vrk::cSound third("step");
    ASSERT_TRUE(third.Play());
    EXPECT_EQ(Audio().State(first.GetChannel()), port::ChannelState::kStopped);
    EXPECT_EQ(Audio().State(second.GetChannel()), port::ChannelState::kPlaying);
    EXPECT_EQ(Audio().State(third.GetChannel()), port::ChannelState::kPlaying);
}

TEST_F(SoundTest, Pause_SilencesTheMixAndStartResumes)
{
    AddSample("wind", 2, kTenthSecond);
    std::unique_ptr<vrk::cSound> sound(vrk::PlayLoopedSound("wind"));
    Manager().paused = true;
    Audio().Pause();
    EXPECT_EQ(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
    // Nothing starts while paused.
    vrk::cSound other("wind");
    EXPECT_FALSE(other.Play());
    Manager().paused = false;
    Audio().Start();
    EXPECT_GT(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.4f);
}

TEST_F(SoundTest, SoundOutlivingItsManager_IsReleasedQuietly)
{
    AddSample("wind", 1, kTenthSecond);
    auto late = std::make_unique<vrk::cSound>("wind");
    ASSERT_TRUE(late->SetLoop());
    ASSERT_TRUE(late->Play());
    ASSERT_TRUE(vrk::DestroySoundManager());
    // A new manager hands out the same handle numbers; the old sound must not touch them.
    ASSERT_TRUE(vrk::CreateSoundManager(port::AudioOutputKind::kNull));
    AddSample("wind", 1, kTenthSecond);
    vrk::cSound current("wind");
    ASSERT_TRUE(current.SetLoop());
    ASSERT_TRUE(current.Play());
    ASSERT_EQ(current.GetChannel(), late->GetChannel());
    EXPECT_FALSE(late->Play());
    late.reset();
    EXPECT_EQ(Audio().State(current.GetChannel()), port::ChannelState::kPlaying);
}

TEST_F(SoundTest, FreeTwice_LogsTheRefusedCloseAndLeavesSoundsSilent)
{
    ASSERT_TRUE(Manager().Free());
    EXPECT_FALSE(log_.Contains("Free: BASS_Free"));
    EXPECT_FALSE(Manager().Free());
    EXPECT_TRUE(log_.Contains(Entry("cSoundManager", "^5", "Free: BASS_Free")));
    vrk::cSound sound("unnamed");
    EXPECT_FALSE(sound.Play());
    vrk::PlaySound("click");
    EXPECT_TRUE(log_.Contains("constructor: sound buffer not found 'click'"));
}

TEST(SoundManagerInitTest, OutputThatCannotOpen_LogsTheLayerCode)
{
    test::LogRecorder log;
    vrk::cSoundManager manager(port::AudioOutputKind::kNull);
    ASSERT_TRUE(manager.Audio().Open(port::AudioOutputKind::kNull));
    EXPECT_FALSE(manager.Init());
    EXPECT_TRUE(log.Contains(Entry("cSoundManager", "^5", "Init: BASS_Init, code: 3")));
    // The placeholders are there all the same.
    EXPECT_EQ(manager.FindMusic("unnamed"), 0);
    EXPECT_EQ(manager.music.size(), 1u);
}

}  // namespace
