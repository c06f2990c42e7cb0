// Tests of the level file cache: loading every level file, saving edited streams
// and reordering the levels.
#include "framework/app/level_file_cache.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/framework/app/profile_test_support.h"

namespace {

// A rename that fails on the second call (a disk error part-way through a save).
int renameCalls = 0;
int RenameFailingSecond(const char* from, const char* to)
{
    return ++renameCalls == 2 ? -1 : std::rename(from, to);
}

class LevelFileCacheTest : public test::ProfileTest {
protected:
    static constexpr uint32_t kCount = 40;

    LevelFileCacheTest() { cache_.Create(kCount); }

    std::filesystem::path LevelFolder() const { return StaticFolder() / "level"; }
    std::filesystem::path LevelFile(uint32_t index) const
    {
        char name[32];
        std::snprintf(name, sizeof name, "level%03u.lvl", index);
        return LevelFolder() / name;
    }
    void WriteLevels()
    {
        for (uint32_t i = 0; i < kCount; ++i) WriteFile(LevelFile(i), "L" + std::to_string(i));
        WriteFile(LevelFolder() / "map.lvl", "map");
        WriteFile(LevelFolder() / "achieve.lvl", "achieve");
        WriteFile(LevelFolder() / "menu.lvl", "menu");
        WriteFile(LevelFolder() / "comics.lvl", "comics");
    }

    LevelFileCache cache_;
};

TEST_F(LevelFileCacheTest, Create_MakesEmptyStreams)
{
    EXPECT_EQ(cache_.GetLevelCount(), kCount);
    ASSERT_NE(cache_.GetLevelStream(39), nullptr);
    EXPECT_TRUE(cache_.GetLevelStream(39)->Bytes().empty());
    EXPECT_EQ(cache_.GetLevelStream(40), nullptr);
    EXPECT_NE(cache_.GetComicsStream(), nullptr);
}

TEST_F(LevelFileCacheTest, LevelFileName_NumbersFromZeroWithThreeDigits)
{
    EXPECT_EQ(LevelFileCache::LevelFileName(7), "{StaticPath}/level/level007.lvl");
    EXPECT_EQ(LevelFileCache::LevelFileName(39), "{StaticPath}/level/level039.lvl");
}

TEST_F(LevelFileCacheTest, LoadLevelFiles_ReturnsEachLevelsStream)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(0)), "L0");
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(39)), "L39");
    EXPECT_EQ(Bytes(*cache_.GetMapStream()), "map");
    EXPECT_EQ(Bytes(*cache_.GetAchieveStream()), "achieve");
    EXPECT_EQ(Bytes(*cache_.GetMenuStream()), "menu");
    EXPECT_EQ(Bytes(*cache_.GetComicsStream()), "comics");
}

TEST_F(LevelFileCacheTest, LoadLevelFiles_MissingFileLeavesOnlyItsStreamEmpty)
{
    WriteLevels();
    std::filesystem::remove(LevelFolder() / "comics.lvl");
    WriteFile(LevelFile(3), "");
    cache_.LoadLevelFiles();
    EXPECT_TRUE(cache_.GetComicsStream()->Bytes().empty());
    EXPECT_TRUE(cache_.GetLevelStream(3)->Bytes().empty());
    EXPECT_EQ(Bytes(*cache_.GetMenuStream()), "menu");
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(4)), "L4");
}

TEST_F(LevelFileCacheTest, SaveLevelFiles_WritesEditedStreams)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    cache_.GetLevelStream(8)->WriteString("x");
    cache_.SaveLevelFiles();
    EXPECT_EQ(ReadFile(LevelFile(8)), std::string("L8\x01\x00x", 5));
    EXPECT_EQ(ReadFile(LevelFile(9)), "L9");
}

TEST_F(LevelFileCacheTest, SaveLevelFiles_WritesOnlyTheStreamsChangedSinceTheyWereRead)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    // A new level pack lands on disk while the game runs.
    WriteFile(LevelFile(9), "new L9");
    cache_.GetLevelStream(8)->WriteString("x");
    EXPECT_TRUE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(8)), std::string("L8\x01\x00x", 5));
    EXPECT_EQ(ReadFile(LevelFile(9)), "new L9");
    // Once written, level 8 is no longer changed either.
    WriteFile(LevelFile(8), "new L8");
    EXPECT_TRUE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(8)), "new L8");
}

TEST_F(LevelFileCacheTest, SaveLevelFiles_ReplacesNoFileWhenOneCannotBeWritten)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    ASSERT_EQ(cache_.MoveEntryDown(5), 6u);
    // Something that is no file stands where level 6 goes: its write is refused.
    std::filesystem::remove(LevelFile(6));
    std::filesystem::create_directory(LevelFile(6));
    EXPECT_FALSE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(5)), "L5");
    EXPECT_TRUE(std::filesystem::is_directory(LevelFile(6)));
    EXPECT_TRUE(log_.Contains("level006.lvl not saved"));
    for (const auto& entry : std::filesystem::directory_iterator(LevelFolder())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
        EXPECT_EQ(entry.path().filename().string().find(".old."), std::string::npos) << entry.path();
        EXPECT_EQ(entry.path().filename().string().find("save-journal"), std::string::npos) << entry.path();
    }

    // With the way free the same save writes both.
    std::filesystem::remove(LevelFile(6));
    EXPECT_TRUE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(5)), "L6");
    EXPECT_EQ(ReadFile(LevelFile(6)), "L5");
}

TEST_F(LevelFileCacheTest, SaveLevelFiles_RenameFailingPartWay_LeavesEveryOldFile)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    // Two files change: level 5 is replaced first, then level 6's rename fails.
    ASSERT_EQ(cache_.MoveEntryDown(5), 6u);
    renameCalls = 0;
    cache_.SetRenameCall(&RenameFailingSecond);
    EXPECT_FALSE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(5)), "L5");
    EXPECT_EQ(ReadFile(LevelFile(6)), "L6");
    EXPECT_TRUE(log_.Contains("level006.lvl not written"));
    EXPECT_TRUE(log_.Contains("no level file replaced"));
    for (const auto& entry : std::filesystem::directory_iterator(LevelFolder())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
        EXPECT_EQ(entry.path().filename().string().find(".old."), std::string::npos) << entry.path();
        EXPECT_EQ(entry.path().filename().string().find("save-journal"), std::string::npos) << entry.path();
    }

    // The next save, with the renames working, writes both.
    EXPECT_TRUE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(5)), "L6");
    EXPECT_EQ(ReadFile(LevelFile(6)), "L5");
}

TEST_F(LevelFileCacheTest, LoadLevelFiles_RemovesWhatAnUnfinishedSaveLeft)
{
    WriteLevels();
    // The save's journal names its temporary by its token; a file that only looks
    // like a temporary, with no journal of its own, may be the user's and stays.
    WriteFile(LevelFolder() / "save-journal.a1B2c3", "save journal 1\nfile level003.lvl 12 5\n");
    WriteFile(LevelFolder() / "level003.lvl.tmp.a1B2c3", "half a level");
    WriteFile(LevelFolder() / "map.lvl.tmp.XyZ789", "");
    cache_.LoadLevelFiles();
    EXPECT_FALSE(std::filesystem::exists(LevelFolder() / "level003.lvl.tmp.a1B2c3"));
    EXPECT_FALSE(std::filesystem::exists(LevelFolder() / "save-journal.a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(LevelFolder() / "map.lvl.tmp.XyZ789"));
    EXPECT_TRUE(log_.Contains("level003.lvl.tmp.a1B2c3 left by an unfinished save removed"));
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(3)), "L3");
    EXPECT_EQ(Bytes(*cache_.GetMapStream()), "map");
}

TEST_F(LevelFileCacheTest, SaveLevelFiles_WritesAChangeThatKeepsTheSize)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    // "L3" becomes "L4": the same size, other bytes.
    *cache_.GetLevelStream(3) = *cache_.GetLevelStream(4);
    EXPECT_TRUE(cache_.SaveLevelFiles());
    EXPECT_EQ(ReadFile(LevelFile(3)), "L4");
    EXPECT_FALSE(log_.Contains("not saved"));
}

TEST_F(LevelFileCacheTest, FileOverTheBound_IsNotReadAndNoSaveReplacesIt)
{
    WriteLevels();
    // Sparse files: their size alone must keep them out.
    std::filesystem::resize_file(LevelFile(5), LevelFileCache::kMaxLevelFileBytes + 1);
    std::filesystem::resize_file(LevelFile(6), LevelFileCache::kMaxLevelFileBytes);
    std::filesystem::resize_file(LevelFolder() / "map.lvl", 200ull * 1024 * 1024);
    cache_.LoadLevelFiles();
    EXPECT_TRUE(cache_.GetLevelStream(5)->Bytes().empty());
    EXPECT_EQ(cache_.GetLevelStream(6)->Bytes().size(), LevelFileCache::kMaxLevelFileBytes);
    EXPECT_TRUE(cache_.GetMapStream()->Bytes().empty());
    EXPECT_TRUE(log_.Contains("level005.lvl is larger than 4194304 bytes"));
    EXPECT_TRUE(log_.Contains("map.lvl is larger than"));
    EXPECT_FALSE(log_.Contains("level006.lvl is larger"));
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(7)), "L7");

    // The editor puts a level into the empty slot and edits another: neither file
    // is replaced, and the answer says so.
    cache_.GetLevelStream(5)->WriteString("new");
    cache_.GetLevelStream(8)->WriteString("x");
    EXPECT_FALSE(cache_.SaveLevelFiles());
    EXPECT_EQ(std::filesystem::file_size(LevelFile(5)), LevelFileCache::kMaxLevelFileBytes + 1);
    EXPECT_EQ(ReadFile(LevelFile(8)), "L8");
    cache_.GetMapStream()->WriteString("map");
    EXPECT_FALSE(cache_.SaveMapFile());
    EXPECT_EQ(std::filesystem::file_size(LevelFolder() / "map.lvl"), 200ull * 1024 * 1024);
}

TEST_F(LevelFileCacheTest, ScreenSaves_WriteOnlyTheirStream)
{
    cache_.GetMapStream()->WriteByte('m');
    cache_.GetAchieveStream()->WriteByte('a');
    cache_.GetMenuStream()->WriteByte('n');
    cache_.GetComicsStream()->WriteByte('c');
    EXPECT_TRUE(cache_.SaveMapFile());
    EXPECT_EQ(ReadFile(LevelFolder() / "map.lvl"), "m");
    EXPECT_FALSE(std::filesystem::exists(LevelFolder() / "menu.lvl"));
    cache_.SaveAchieveFile();
    cache_.SaveMenuFile();
    cache_.SaveComicsFile();
    EXPECT_EQ(ReadFile(LevelFolder() / "achieve.lvl"), "a");
    EXPECT_EQ(ReadFile(LevelFolder() / "menu.lvl"), "n");
    EXPECT_EQ(ReadFile(LevelFolder() / "comics.lvl"), "c");
    EXPECT_FALSE(std::filesystem::exists(LevelFile(0)));
}

TEST_F(LevelFileCacheTest, MoveEntry_AtTheEndsChangesNothing)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    EXPECT_EQ(cache_.MoveEntryUp(0), 0u);
    EXPECT_EQ(cache_.MoveEntryDown(39), 39u);
    EXPECT_EQ(cache_.MoveEntryUp(40), 40u);
    EXPECT_EQ(cache_.MoveEntryDown(0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(0)), "L0");
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(39)), "L39");
}

TEST_F(LevelFileCacheTest, MoveEntryDown_ThenSaveSwapsTheFiles)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    EXPECT_EQ(cache_.MoveEntryDown(5), 6u);
    cache_.SaveLevelFiles();
    EXPECT_EQ(ReadFile(LevelFile(5)), "L6");
    EXPECT_EQ(ReadFile(LevelFile(6)), "L5");
    EXPECT_EQ(cache_.MoveEntryUp(6), 5u);
    EXPECT_EQ(Bytes(*cache_.GetLevelStream(5)), "L5");
}

TEST_F(LevelFileCacheTest, ResetEntry_ThenSaveKeepsTheFileAndWarns)
{
    WriteLevels();
    cache_.LoadLevelFiles();
    vrk::cByteStream* stream = cache_.GetLevelStream(12);
    cache_.ResetEntry(12);
    cache_.ResetEntry(kCount);
    EXPECT_EQ(cache_.GetLevelStream(12), stream);  // emptied in place
    EXPECT_TRUE(stream->Bytes().empty());
    EXPECT_EQ(stream->Cursor(), 0u);
    cache_.SaveLevelFiles();
    EXPECT_EQ(ReadFile(LevelFile(12)), "L12");
    EXPECT_TRUE(log_.Contains("level012.lvl kept"));
    EXPECT_EQ(ReadFile(LevelFile(13)), "L13");
}

TEST_F(LevelFileCacheTest, FailedSave_IsLoggedWithTheFile)
{
    std::filesystem::remove_all(LevelFolder());
    cache_.GetLevelStream(0)->WriteByte(1);
    EXPECT_FALSE(cache_.SaveLevelFiles());
    EXPECT_FALSE(cache_.SaveMapFile());
    EXPECT_TRUE(log_.Contains("level000.lvl not saved"));
    EXPECT_TRUE(log_.Contains("map.lvl not saved"));
}

}  // namespace
