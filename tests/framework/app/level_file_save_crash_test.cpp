// A level group save stopped after each of its steps, as a crash would stop it (a
// forked child ends at once, without any clean-up of its own), then the next
// start-up: with the game's own level files, the two files of a moved level hold
// both old levels or both new ones, never one level twice, and files of the
// user's that only look like a save's are kept.
#include <algorithm>
#include <filesystem>

#include "framework/app/level_file_cache.h"
#include "tests/framework/app/profile_test_support.h"
#include "tests/support/stopped_save.h"

namespace {

constexpr uint32_t kLevelCount = 40;
constexpr uint32_t kMoved = 5;
using test::kCrashExit;
using test::kSavedExit;
// Journal, two temporaries, two backups, the mark, two renames, two backups
// dropped, journal removed.
constexpr int kSteps = 11;
constexpr int kFirstStepWithBothRenamed = 8;

const std::filesystem::path kRealLevels = std::filesystem::path(KELVARA_SOURCE_DIR) / "data" / "level";
const char* const kUserFiles[] = {"notes.lvl.tmp.backup", "mylevel.lvl.tmp.2024ab"};
const char* const kUserLink = "level005.lvl.tmp.link00";

class LevelFileSaveCrashTest : public test::ProfileTest {
protected:
    std::filesystem::path LevelFolder() const { return StaticFolder() / "level"; }

    // The game's own level files, and the user's look-alikes beside them.
    void PutRealLevels()
    {
        std::filesystem::remove_all(LevelFolder());
        std::filesystem::create_directories(LevelFolder());
        for (const auto& entry : std::filesystem::directory_iterator(kRealLevels))
            if (entry.path().extension() == ".lvl")
                std::filesystem::copy_file(entry.path(), LevelFolder() / entry.path().filename());
        for (const char* name : kUserFiles) WriteFile(LevelFolder() / name, std::string("kept: ") + name);
        std::filesystem::create_symlink(kUserFiles[0], LevelFolder() / kUserLink);
    }

    // The editor's "move level" and "_save" in a child that stops after the step.
    static int SaveMovedLevelStoppingAt(int step)
    {
        return test::RunSaveStoppingAt(step, [](test::StepHook hook) {
            LevelFileCache cache;
            cache.Create(kLevelCount);
            cache.LoadLevelFiles();
            cache.MoveEntryDown(kMoved);
            cache.SetSaveStepHook(hook);
            return cache.SaveLevelFiles();
        });
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(LevelFolder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(LevelFileSaveCrashTest, CrashAfterEachStep_StartUpLeavesBothLevelsWholeAndTheUsersFiles)
{
    const std::string old5 = ReadFile(kRealLevels / "level005.lvl");
    const std::string old6 = ReadFile(kRealLevels / "level006.lvl");
    ASSERT_FALSE(old5.empty());
    ASSERT_NE(old5, old6);
    PutRealLevels();
    const std::vector<std::string> namesBefore = Names();

    for (int step = 1; step <= kSteps + 1; ++step) {
        SCOPED_TRACE("save stopped after step " + std::to_string(step));
        PutRealLevels();
        const int exit = SaveMovedLevelStoppingAt(step);
        ASSERT_EQ(exit, step <= kSteps ? kCrashExit : kSavedExit);

        // The next start-up.
        const size_t logBefore = log_.Lines().size();
        LevelFileCache cache;
        cache.Create(kLevelCount);
        cache.LoadLevelFiles();
        const std::string level5 = ReadFile(LevelFolder() / "level005.lvl");
        const std::string level6 = ReadFile(LevelFolder() / "level006.lvl");
        if (step < kFirstStepWithBothRenamed) {
            EXPECT_EQ(level5, old5);
            EXPECT_EQ(level6, old6);
        } else {
            EXPECT_EQ(level5, old6);
            EXPECT_EQ(level6, old5);
        }
        EXPECT_EQ(Bytes(*cache.GetLevelStream(kMoved)), level5);
        EXPECT_EQ(Bytes(*cache.GetLevelStream(kMoved + 1)), level6);
        // Every level file and the user's files as before; nothing of the save left.
        EXPECT_EQ(Names(), namesBefore);
        for (const char* name : kUserFiles) EXPECT_EQ(ReadFile(LevelFolder() / name), std::string("kept: ") + name);
        EXPECT_TRUE(std::filesystem::is_symlink(LevelFolder() / kUserLink));
        const bool journalLeft = step < kSteps;
        bool mendLogged = false;
        for (size_t i = logBefore; i < log_.Lines().size(); ++i)
            mendLogged = mendLogged || log_.Lines()[i].find("Journal") != std::string::npos;
        EXPECT_EQ(mendLogged, journalLeft);
    }
}

}  // namespace
