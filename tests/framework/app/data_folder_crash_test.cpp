// A settings, profile list or profile write stopped after each of its steps, as a
// crash would stop it, then the next start-up: each file is old or new and whole,
// nothing of the write is left in any folder the game writes, and the user's
// files of look-alike names are kept.
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/replacing_group.h"
#include "tests/framework/app/middle_test_support.h"
#include "tests/framework/app/profile_test_support.h"
#include "tests/support/stopped_save.h"

namespace {

// Journal made, file written, backup made, journal marked, rename, backup dropped,
// journal removed.
constexpr int kSteps = 7;
constexpr int kRenameStep = 5;

const char* const kWrittenFiles[] = {"conf/settings.lua", "profile/info.dat", "profile/plr001/middle.dat"};
const std::pair<const char*, const char*> kUserFiles[] = {
    {"conf/settings.lua.tmp.Ab12Cd", "a temporary no journal names"},
    {"conf/save-journal.mynote", "my notes"},
    {"profile/info.dat.old.zzzzzz", "the user's copy"},
    {"profile/plr001/middle.dat.tmp.2024ab", "the user's profile"},
    {"profile/plr001/save-journal.backup", "not a journal"}};

class DataFolderCrashTest : public test::ProfileTest {
protected:
    std::string OldBytes(const std::string& file) const { return "old " + file; }
    std::string NewBytes(const std::string& file) const { return std::string(256 * 1024, 'n') + file; }

    void PutFiles()
    {
        std::filesystem::remove_all(AppFolder());
        for (const char* file : kWrittenFiles) WriteFile(AppFolder() / file, OldBytes(file));
        for (const auto& [file, bytes] : kUserFiles) WriteFile(AppFolder() / file, bytes);
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(AppFolder()))
            names.push_back(std::filesystem::relative(entry.path(), AppFolder()).string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(DataFolderCrashTest, WriteStoppedAfterEachStep_StartUpLeavesTheFileWholeAndOnlyTheUsersFiles)
{
    PutFiles();
    const std::vector<std::string> namesBefore = Names();
    for (int step = 1; step <= kSteps + 1; ++step) {
        for (const std::string file : kWrittenFiles) {
            SCOPED_TRACE(file + " stopped after step " + std::to_string(step));
            PutFiles();
            const std::string bytes = NewBytes(file);
            const int exit = test::RunSaveStoppingAt(step, [&](test::StepHook hook) {
                return vrk::WriteFileReplacing("{AppPath}/" + file, bytes.data(), bytes.size(), hook) == 0;
            });
            ASSERT_EQ(exit, step <= kSteps ? test::kCrashExit : test::kSavedExit);

            // The next start-up.
            const size_t logBefore = log_.Lines().size();
            {
                test::PlainMiddle app;
                EXPECT_EQ(app.Init(), 0);
            }
            EXPECT_TRUE(ReadFile(AppFolder() / file) == (step < kRenameStep ? OldBytes(file) : bytes));
            EXPECT_EQ(Names(), namesBefore);
            for (const auto& [userFile, userBytes] : kUserFiles)
                EXPECT_EQ(ReadFile(AppFolder() / userFile), userBytes) << userFile;
            for (size_t i = logBefore; i < log_.Lines().size(); ++i)
                EXPECT_EQ(log_.Lines()[i].find("^4"), std::string::npos) << log_.Lines()[i];
        }
    }
}

}  // namespace
