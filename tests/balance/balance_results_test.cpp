// The balance runs' files against the test run that reads them: the target check
// takes only files the current test run wrote, so a run that was skipped or stopped
// cannot leave an earlier run's results for the targets to pass on.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/balance/balance_results.h"
#include "tests/support/temp_folder.h"

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(BalanceResults, TargetsReadOnlyTheCurrentTestRun)
{
    const test::TempFolder temp;
    const std::filesystem::path folder = temp.Path() / "balance";
    std::vector<std::string> refused;
    EXPECT_EQ(balance::ReadCurrentResults(folder, 1, refused), "");
    EXPECT_EQ(Joined(refused).find("no test run has started"), 0u) << Joined(refused);
    EXPECT_FALSE(balance::WriteLevelResults(folder, 0, "lost\n"));

    // Run 1 plays levels 0 and 1; run 2 plays level 0 again and stops before level 1.
    EXPECT_EQ(balance::NewTestRun(folder), 1u);
    EXPECT_TRUE(balance::WriteLevelResults(folder, 0, "first 0\n"));
    EXPECT_TRUE(balance::WriteLevelResults(folder, 1, "first 1\n"));
    EXPECT_EQ(balance::NewTestRun(folder), 2u);
    balance::StartLevelResults(folder, 0);
    EXPECT_FALSE(std::filesystem::exists(balance::ResultFile(folder, 0)));
    EXPECT_TRUE(balance::WriteLevelResults(folder, 0, "second 0\n"));
    // Level 2's run was skipped; level 3's file is one written before runs had stamps.
    std::filesystem::copy_file(balance::ResultFile(folder, 1), balance::ResultFile(folder, 4));
    temp.Write("balance/level003.txt", "[balance] level 003 bot=full seed 1 result=won\n");

    refused.clear();
    const std::string lines = balance::ReadCurrentResults(folder, 5, refused);
    EXPECT_NE(lines.find("second 0"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("first"), std::string::npos) << lines;
    EXPECT_EQ(Joined(refused), "level 001: its results are from an earlier test run\n"
                               "level 002: this test run wrote no results\n"
                               "level 003: its results are from an earlier test run\n"
                               "level 004: its results are from an earlier test run\n");

    // A lost stamp file starts no run that an old result file could claim.
    std::filesystem::remove(folder / "test_run.txt");
    EXPECT_EQ(balance::NewTestRun(folder), 3u);
    refused.clear();
    EXPECT_EQ(balance::ReadCurrentResults(folder, 1, refused), "");
    EXPECT_EQ(Joined(refused), "level 000: its results are from an earlier test run\n");
}

}  // namespace
