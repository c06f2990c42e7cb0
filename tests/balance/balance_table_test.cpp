// The balance lines and the table judged from them, on made-up runs: a line is read
// back from test output with its prefix, and three levels show each target met and
// missed (the tutorial's lower bound, a full player too quick, a paced player over
// the limit, a defenceless player that still wins as fast).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/balance/balance_table.h"

namespace {

using balance::RunLine;

void AddRuns(std::vector<RunLine>& runs, uint32_t level, const std::string& bot, const std::vector<float>& times,
             float limit, bool enemies, bool won = true)
{
    uint32_t seed = 1;
    for (const float time : times) {
        const int32_t medal = time <= limit / 1.5f ? 4 : time <= limit ? 3 : 2;
        runs.push_back(RunLine{level, bot, seed++, won, time, limit, medal, enemies});
    }
}

TEST(BalanceTable, LinesMakeTheTableAndItsVerdicts)
{
    const RunLine run{7, "defenceless", 2, false, 701.5f, 525.0f, 2, true};
    const std::string line = balance::FormatLine(run);
    EXPECT_EQ(line, "[balance] level 007 bot=defenceless seed 2 result=lost time=701.5 limit=525 medal=2 enemies=1");
    RunLine read;
    ASSERT_TRUE(balance::ParseLine("12: " + line, read));
    EXPECT_EQ(read.level, 7u);
    EXPECT_EQ(read.bot, "defenceless");
    EXPECT_EQ(read.seed, 2u);
    EXPECT_FALSE(read.won);
    EXPECT_FLOAT_EQ(read.limit, 525.0f);
    EXPECT_EQ(read.medal, 2);
    EXPECT_TRUE(read.enemies);
    EXPECT_FALSE(balance::ParseLine("[bot] level 007 seed 1 won", read));
    EXPECT_FALSE(balance::ParseLine("[balance] level 007 bot=lazy seed 1 result=won time=1 limit=2 medal=4 enemies=0",
                                    read));

    // "000": rating 240 s, 25 % is enough for the tutorial; no enemies.
    // "001": rating 200 s, full at 30 % (too quick), the paced player over the limit
    // once, the defenceless player a medal lower.
    // "002": rating 200 s, full at 60 %, the defenceless player as quick as the full.
    std::vector<RunLine> runs;
    AddRuns(runs, 0, "full", {60, 61, 59, 70, 50}, 360, false);
    AddRuns(runs, 0, "paced", {100, 120, 110}, 360, false);
    AddRuns(runs, 0, "defenceless", {60, 61, 59}, 360, false);
    AddRuns(runs, 1, "full", {60, 60, 60, 60, 60}, 300, true);
    AddRuns(runs, 1, "paced", {150, 310, 200}, 300, true);
    AddRuns(runs, 1, "defenceless", {250, 250, 250}, 300, true);
    AddRuns(runs, 2, "full", {120, 110, 130, 120, 125}, 300, true);
    AddRuns(runs, 2, "paced", {190, 195, 199}, 300, true);
    AddRuns(runs, 2, "defenceless", {140, 120, 130}, 300, true);
    std::string text;
    for (const RunLine& each : runs) text += "prefix " + balance::FormatLine(each) + "\n";
    const std::vector<balance::LevelRow> rows = balance::BuildTable(balance::ParseText(text));
    ASSERT_EQ(rows.size(), 3u);

    EXPECT_FLOAT_EQ(rows[0].fullMedian, 60.0f);
    EXPECT_NEAR(rows[0].fullPercent, 25.0f, 0.01f);
    EXPECT_TRUE(rows[0].fullMet);
    EXPECT_TRUE(rows[0].pacedMet);
    EXPECT_FALSE(rows[0].threatMet);

    EXPECT_NEAR(rows[1].fullPercent, 30.0f, 0.01f);
    EXPECT_FALSE(rows[1].fullMet);
    EXPECT_EQ(rows[1].pacedInLimit, 2u);
    EXPECT_FALSE(rows[1].pacedMet);
    EXPECT_EQ(rows[1].fullMedal, 4);
    EXPECT_EQ(rows[1].defenceMedal, 3);
    EXPECT_TRUE(rows[1].threatMet);

    EXPECT_FLOAT_EQ(rows[2].fullMedian, 120.0f);
    EXPECT_TRUE(rows[2].fullMet);
    EXPECT_TRUE(rows[2].pacedMet);
    EXPECT_FLOAT_EQ(rows[2].defenceMedian, 130.0f);
    EXPECT_FALSE(rows[2].threatMet);

    // "034" may take up to 105 % of its rating time, where another level may not.
    const auto fullMetAt = [](uint32_t level, float time) {
        std::vector<RunLine> full;
        AddRuns(full, level, "full", {time, time, time, time, time}, 210, false);
        std::string lines;
        for (const RunLine& each : full) lines += balance::FormatLine(each) + "\n";
        return balance::BuildTable(balance::ParseText(lines)).at(0).fullMet;
    };
    EXPECT_TRUE(fullMetAt(34, 143.0f));   // 102 %
    EXPECT_FALSE(fullMetAt(33, 143.0f));
    EXPECT_FALSE(fullMetAt(34, 150.0f));  // 107 %

    // One threat of two levels with enemies misses the three quarters; "001" misses
    // two targets; levels 3 and 4 have no runs.
    const std::vector<std::string> missed = balance::MissedTargets(rows, 5);
    ASSERT_EQ(missed.size(), 5u);
    EXPECT_EQ(missed[0], "level 001: full won 5/5 at a median 30% of the rating time");
    EXPECT_EQ(missed[1], "level 001: paced won 2/3 within the limit");
    EXPECT_EQ(missed[2], "level 003: no runs");
    EXPECT_EQ(missed[4], "the defenceless player was pressed on 1 of 2 levels with enemies");
    const std::string table = balance::FormatTable(rows);
    EXPECT_NE(table.find("threat met on 1 of 2 levels with enemies"), std::string::npos) << table;
}

}  // namespace
