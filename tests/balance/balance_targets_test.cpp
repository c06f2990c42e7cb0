// The balance targets over the lines the balance runs wrote to <build>/balance: the
// full player wins every seed in 40-85 % of the rating time (the tutorial from
// 20 %), the paced player wins every seed within the limit, and on three quarters
// of the levels with enemies the defenceless player is pressed. Only files that the
// current test run wrote count (balance_results.h). The table is printed either way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/balance/balance_results.h"
#include "tests/balance/balance_table.h"

namespace {

constexpr uint32_t kLevelCount = 40;

TEST(BalanceTargets, EveryLevelMeetsItsTargets)
{
    const std::filesystem::path folder = std::filesystem::path(KELVARA_BINARY_DIR) / "balance";
    std::vector<std::string> refused;
    const std::string text = balance::ReadCurrentResults(folder, kLevelCount, refused);
    const std::vector<balance::LevelRow> rows = balance::BuildTable(balance::ParseText(text));
    std::printf("%s", balance::FormatTable(rows).c_str());
    std::string list;
    for (const std::string& line : refused) list += line + "\n";
    EXPECT_TRUE(refused.empty()) << list;
    const std::vector<std::string> missed = balance::MissedTargets(rows, kLevelCount);
    list.clear();
    for (const std::string& line : missed) list += line + "\n";
    EXPECT_TRUE(missed.empty()) << list;
}

}  // namespace
