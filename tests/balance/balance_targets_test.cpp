// The balance targets over the lines the balance runs wrote to <build>/balance: the
// full player wins every seed in 40-85 % of the rating time (the tutorial from
// 20 %), the paced player wins every seed within the limit, and on three quarters
// of the levels with enemies the defenceless player is pressed. The table is
// printed either way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/balance/balance_table.h"

namespace {

constexpr uint32_t kLevelCount = 40;

TEST(BalanceTargets, EveryLevelMeetsItsTargets)
{
    const std::filesystem::path folder = std::filesystem::path(KELVARA_BINARY_DIR) / "balance";
    std::string text;
    for (uint32_t level = 0; level < kLevelCount; ++level) {
        char name[16];
        std::snprintf(name, sizeof name, "level%03u.txt", level);
        std::ifstream in(folder / name);
        text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<balance::LevelRow> rows = balance::BuildTable(balance::ParseText(text));
    std::printf("%s", balance::FormatTable(rows).c_str());
    const std::vector<std::string> missed = balance::MissedTargets(rows, kLevelCount);
    std::string list;
    for (const std::string& line : missed) list += line + "\n";
    EXPECT_TRUE(missed.empty()) << list;
}

}  // namespace
