// cMusic and SwitchMusic over a test module and a test stream on the null output.
#include "engine/sound/music.h"

#include "engine/sound/sound_play.h"
#include "tests/engine/sound/sound_test_support.h"

namespace {

using sound_test::kOneSecond;
using sound_test::kTenthSecond;
using sound_test::Entry;
using sound_test::Peak;
using sound_test::SoundTest;

float Volume(port::AudioSystem& audio, port::ChannelHandle channel)
{
    float volume = -1.0f;
    EXPECT_TRUE(audio.GetAttribute(channel, port::ChannelAttribute::kVolume, volume));
    return volume;
}

port::ModulePosition Position(port::AudioSystem& audio, port::ChannelHandle channel)
{
    port::ModulePosition position;
    EXPECT_TRUE(audio.GetModulePosition(channel, position));
    return position;
}

TEST_F(SoundTest, ModuleMusic_PlaysFromItsStartOrder)
{
    vrk::cMusic* music = AddModuleMusic("tune", 1);
    ASSERT_TRUE(music->Play());
    EXPECT_EQ(Position(Audio(), music->GetHandle()).order, 1);
    EXPECT_GT(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
}

TEST_F(SoundTest, ModuleMusicAtItsStartOrder_IsNotRepositioned)
{
    vrk::cMusic* music = AddModuleMusic("tune", 0);
    ASSERT_TRUE(music->Play());
    Render(kTenthSecond);
    const port::ModulePosition before = Position(Audio(), music->GetHandle());
    ASSERT_EQ(before.order, 0);
    ASSERT_GT(before.row, 0);
    ASSERT_TRUE(music->Play());
    EXPECT_EQ(Position(Audio(), music->GetHandle()).row, before.row);
}

TEST_F(SoundTest, ModuleMusicPastItsStartOrder_GoesBackOnPlay)
{
    vrk::cMusic* music = AddModuleMusic("tune", 0);
    ASSERT_TRUE(Audio().SetModulePosition(music->GetHandle(), {2, 5}));
    ASSERT_TRUE(music->Play());
    const port::ModulePosition now = Position(Audio(), music->GetHandle());
    EXPECT_EQ(now.order, 0);
    EXPECT_EQ(now.row, 0);
}

TEST_F(SoundTest, MusicWithoutBuffer_LogsInvalidMusic)
{
    auto* music = new vrk::cMusic("lost", "no_such_buffer");
    EXPECT_FALSE(music->Play());
    EXPECT_TRUE(log_.Contains(Entry("cMusic", "^5", "Play: invalid music 'lost'")));
    EXPECT_FALSE(music->SetLoop());
    EXPECT_FALSE(music->Fade(true, 1.0f));
    EXPECT_FALSE(music->IsPlaying());
}

TEST_F(SoundTest, MusicPlayWhilePaused_StartsAndKeepsThePause)
{
    vrk::cMusic* music = AddStreamMusic("theme");
    Manager().paused = true;
    Audio().Pause();
    ASSERT_TRUE(music->Play());
    EXPECT_TRUE(music->IsPlaying());
    EXPECT_TRUE(Manager().paused);
    EXPECT_TRUE(Audio().IsPaused());
    EXPECT_EQ(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.0f);
    Manager().paused = false;
    Audio().Start();
    EXPECT_GT(Peak(Render(kTenthSecond), 0, kTenthSecond), 0.3f);
}

TEST_F(SoundTest, FailedRepositionWhilePaused_StillPutsThePauseBack)
{
    vrk::cMusic* music = AddModuleMusic("tune", 200);  // past the module's order list
    Manager().paused = true;
    Audio().Pause();
    EXPECT_FALSE(music->Play());
    EXPECT_TRUE(log_.Contains(Entry("cMusic", "^5", "Play: BASS_ChannelSetPosition")));
    EXPECT_TRUE(Manager().paused);
    EXPECT_TRUE(Audio().IsPaused());
}

TEST_F(SoundTest, FadeOut_ReachesSilenceInOneSecondAndStopsTheChannel)
{
    vrk::cMusic* music = AddStreamMusic("theme", 2 * kOneSecond);
    ASSERT_TRUE(music->Play());
    ASSERT_TRUE(music->Fade(false, 1.0f));
    const auto mix = Render(kOneSecond + kTenthSecond);
    EXPECT_GT(Peak(mix, 0, kTenthSecond), 0.3f);
    EXPECT_LT(Peak(mix, kOneSecond - 100, kOneSecond), 0.01f);
    EXPECT_EQ(Peak(mix, kOneSecond, kOneSecond + kTenthSecond), 0.0f);
    EXPECT_FALSE(music->IsPlaying());
}

TEST_F(SoundTest, FadeIn_RisesFromSilenceToTheMusicGroupVolume)
{
    vrk::cMusic* music = AddStreamMusic("theme", 2 * kOneSecond);
    Manager().SetVolume(vrk::kMusicGroup, 0.5f);
    ASSERT_TRUE(music->Fade(true, 0.5f));
    EXPECT_FLOAT_EQ(Volume(Audio(), music->GetHandle()), 0.0f);
    ASSERT_TRUE(music->Play());
    Render(kOneSecond / 2);
    EXPECT_FLOAT_EQ(Volume(Audio(), music->GetHandle()), 0.5f);
    EXPECT_TRUE(music->IsPlaying());
}

TEST_F(SoundTest, LoopingStream_WrapsToItsStart)
{
    vrk::cMusic* music = AddStreamMusic("theme", kTenthSecond);
    ASSERT_TRUE(music->SetLoop());
    ASSERT_TRUE(music->Play());
    const auto mix = Render(3 * kTenthSecond + 100);
    EXPECT_GT(Peak(mix, 3 * kTenthSecond, 3 * kTenthSecond + 100), 0.1f);
    EXPECT_TRUE(music->IsPlaying());
}

TEST_F(SoundTest, SwitchMusic_FadesTheOldOutAndTheNewInLooping)
{
    vrk::cMusic* old = AddStreamMusic("old", 3 * kOneSecond);
    vrk::cMusic* next = AddModuleMusic("next");
    ASSERT_TRUE(old->Play());
    vrk::SwitchMusic("next");
    EXPECT_TRUE(next->IsPlaying());
    EXPECT_TRUE(Audio().IsLooping(next->GetHandle()));
    EXPECT_FLOAT_EQ(Volume(Audio(), next->GetHandle()), 0.0f);
    Render(kOneSecond);
    EXPECT_FALSE(old->IsPlaying());
    EXPECT_TRUE(next->IsPlaying());
    EXPECT_FLOAT_EQ(Volume(Audio(), next->GetHandle()), 1.0f);
}

TEST_F(SoundTest, SwitchMusicToThePlayingOne_FadesItOutAndInOverTheSameSecond)
{
    vrk::cMusic* theme = AddStreamMusic("theme", 3 * kOneSecond);
    ASSERT_TRUE(theme->Play());
    Render(kTenthSecond);
    vrk::SwitchMusic("theme");
    EXPECT_FLOAT_EQ(Volume(Audio(), theme->GetHandle()), 0.0f);
    EXPECT_TRUE(Audio().IsSliding(theme->GetHandle(), port::ChannelAttribute::kVolume));
    Render(kOneSecond);
    EXPECT_TRUE(theme->IsPlaying());
    EXPECT_FLOAT_EQ(Volume(Audio(), theme->GetHandle()), 1.0f);
}

TEST_F(SoundTest, SwitchMusicToUnknownName_FadesAllOutAndWarnsForThePlaceholder)
{
    vrk::cMusic* first = AddStreamMusic("first", 3 * kOneSecond);
    vrk::cMusic* second = AddModuleMusic("second");
    ASSERT_TRUE(first->Play());
    ASSERT_TRUE(second->Play());
    vrk::SwitchMusic("nothing");
    EXPECT_TRUE(log_.Contains(Entry("cMusic", "^5", "Play: invalid music 'unnamed'")));
    const auto mix = Render(kOneSecond + kTenthSecond);
    EXPECT_FALSE(first->IsPlaying());
    EXPECT_FALSE(second->IsPlaying());
    EXPECT_EQ(Peak(mix, kOneSecond, kOneSecond + kTenthSecond), 0.0f);
}

}  // namespace
