// The sound readers: results for missing, empty and refused files, playback limits,
// modules only for music, and stream bytes kept with the stream.
#include "engine/files/sound_reader.h"

#include "tests/engine/sound/sound_test_support.h"

namespace {

using sound_test::AsText;
using sound_test::Entry;
using sound_test::SoundTest;

class SoundReaderTest : public SoundTest {
protected:
    vrk::PathRecord Path(const std::string& name, const std::string& bytes) { return vrk::PathRecord(folder_.Write(name, bytes)); }
    vrk::PathRecord Missing() { return vrk::PathRecord(folder_.Str() + "/missing.ogg"); }
};

TEST_F(SoundReaderTest, MissingAndEmptyFiles_GiveTwoAndThree)
{
    vrk::SampleRecord sample;
    vrk::MusicRecord music;
    vrk::StreamRecord stream;
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, Missing()), vrk::kSoundCannotOpen);
    EXPECT_EQ(vrk::ReadMusicBuffer(music, Missing()), vrk::kSoundCannotOpen);
    EXPECT_EQ(vrk::ReadStreamBuffer(stream, Missing()), vrk::kSoundCannotOpen);
    const vrk::PathRecord empty = Path("empty.ogg", "");
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, empty), vrk::kSoundEmpty);
    EXPECT_EQ(vrk::ReadMusicBuffer(music, empty), vrk::kSoundEmpty);
    EXPECT_EQ(vrk::ReadStreamBuffer(stream, empty), vrk::kSoundEmpty);
}

TEST_F(SoundReaderTest, RefusedData_GivesFourWithTheReadersLine)
{
    const vrk::PathRecord junk = Path("junk.ogg", "this is not a sound file at all");
    vrk::SampleRecord sample;
    vrk::MusicRecord music;
    vrk::StreamRecord stream;
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, junk), vrk::kSoundDataRefused);
    EXPECT_TRUE(log_.Contains(Entry("cDataManager", "^5", "ReadSoundBuffer: BASS_SampleLoad " + junk.path)));
    EXPECT_EQ(vrk::ReadMusicBuffer(music, junk), vrk::kSoundDataRefused);
    EXPECT_TRUE(log_.Contains(Entry("cDataManager", "^5", "ReadMusicBuffer: " + junk.path)));
    EXPECT_EQ(vrk::ReadStreamBuffer(stream, junk), vrk::kSoundDataRefused);
    EXPECT_TRUE(log_.Contains(Entry("cDataManager", "^5", "ReadStreamBuffer: " + junk.path)));
    EXPECT_EQ(sample.handle, port::kNoSample);
    EXPECT_EQ(stream.handle, port::kNoChannel);
    EXPECT_FALSE(stream.bytes);
}

struct PlaybackCase {
    int32_t requested;
    int32_t loaded;
};

class SamplePlaybacksTest : public SoundReaderTest, public ::testing::WithParamInterface<PlaybackCase> {};

TEST_P(SamplePlaybacksTest, RequestedPlaybacksAreClampedToOneToTwenty)
{
    vrk::SampleRecord sample;
    sample.maxPlaybacks = GetParam().requested;
    const vrk::PathRecord path = Path("click.wav", AsText(audio_test::SineWav(22050, 2, 1000)));
    ASSERT_EQ(vrk::ReadSoundBuffer(sample, path), vrk::kSoundReadOk);
    port::SampleInfo info;
    ASSERT_TRUE(Audio().GetSampleInfo(sample.handle, info));
    EXPECT_EQ(info.maxPlaybacks, GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Limits, SamplePlaybacksTest,
                         ::testing::Values(PlaybackCase{0, 1}, PlaybackCase{-3, 1}, PlaybackCase{1, 1},
                                           PlaybackCase{19, 19}, PlaybackCase{20, 20}, PlaybackCase{50, 20}),
                         [](const auto& info) {
                             return "Requested" + std::to_string(info.index) + "_Gives" +
                                    std::to_string(info.param.loaded);
                         });

TEST_F(SoundReaderTest, OggSample_Loads)
{
    vrk::SampleRecord sample;
    const vrk::PathRecord path = Path("step.ogg", AsText(audio_test::SineOgg(44100, 1, 4410)));
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, path), vrk::kSoundReadOk);
    EXPECT_NE(sample.handle, port::kNoSample);
}

TEST_F(SoundReaderTest, MusicReader_TakesModulesAndRefusesOgg)
{
    vrk::MusicRecord music;
    EXPECT_EQ(vrk::ReadMusicBuffer(music, Path("tune.mod", AsText(audio_test::TinyModule()))), vrk::kSoundReadOk);
    EXPECT_NE(music.handle, port::kNoChannel);

    vrk::MusicRecord ogg;
    const vrk::PathRecord oggPath = Path("theme.ogg", AsText(audio_test::SineOgg(44100, 2, 4410)));
    EXPECT_EQ(vrk::ReadMusicBuffer(ogg, oggPath), vrk::kSoundDataRefused);
    EXPECT_TRUE(log_.Contains(Entry("cDataManager", "^5", "ReadMusicBuffer: " + oggPath.path)));
}

TEST_F(SoundReaderTest, StreamReader_KeepsTheFileBytesWithTheStream)
{
    const audio_test::Bytes ogg = audio_test::SineOgg(44100, 2, 4410);
    vrk::StreamRecord stream;
    ASSERT_EQ(vrk::ReadStreamBuffer(stream, Path("theme.ogg", AsText(ogg))), vrk::kSoundReadOk);
    EXPECT_NE(stream.handle, port::kNoChannel);
    ASSERT_TRUE(stream.bytes);
    EXPECT_EQ(*stream.bytes, ogg);
}

TEST_F(SoundReaderTest, ArchiveEntry_IsReadLikeAFile)
{
    const std::string archive = folder_.Str() + "/sounds.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"click.wav", AsText(audio_test::SineWav(44100, 1, 441))}}));
    vrk::SampleRecord sample;
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, vrk::PathRecord(archive + "/click.wav")), vrk::kSoundReadOk);
}

TEST(SoundReaderWithoutManagerTest, ValidFile_IsRefusedWithFour)
{
    test::LogRecorder log;
    test::TempFolder folder;
    ASSERT_EQ(vrk::GetSoundManager(), nullptr);
    const vrk::PathRecord path(folder.Write("click.wav", AsText(audio_test::SineWav(44100, 1, 441))));
    vrk::SampleRecord sample;
    EXPECT_EQ(vrk::ReadSoundBuffer(sample, path), vrk::kSoundDataRefused);
    EXPECT_TRUE(log.Contains("ReadSoundBuffer: BASS_SampleLoad"));
}

}  // namespace
