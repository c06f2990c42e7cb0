// The balance lines read and written, and the per-level table judged.
#include "tests/balance/balance_table.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

namespace balance {

namespace {

constexpr const char* kTag = "[balance] level ";

template <typename T>
T Median(std::vector<T> values)
{
    if (values.empty()) return T{};
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

struct Runs {
    std::vector<float> times;
    std::vector<int32_t> medals;
    uint32_t wins = 0;
    uint32_t inLimit = 0;
};

std::string Percent(float value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", static_cast<double>(value));
    return text;
}

}  // namespace

std::string FormatLine(const RunLine& run)
{
    char line[192];
    std::snprintf(line, sizeof line, "%s%03u bot=%s seed %u result=%s time=%.1f limit=%.0f medal=%d enemies=%d", kTag,
                  run.level, run.bot.c_str(), run.seed, run.won ? "won" : "lost", static_cast<double>(run.time),
                  static_cast<double>(run.limit), run.medal, run.enemies ? 1 : 0);
    return line;
}

bool ParseLine(const std::string& text, RunLine& run)
{
    const size_t at = text.find(kTag);
    if (at == std::string::npos) return false;
    unsigned level = 0;
    char bot[16] = {};
    unsigned seed = 0;
    char result[8] = {};
    float time = 0.0f;
    float limit = 0.0f;
    int medal = 0;
    int enemies = 0;
    const int read = std::sscanf(text.c_str() + at + std::char_traits<char>::length(kTag),
                                 "%u bot=%15s seed %u result=%7s time=%f limit=%f medal=%d enemies=%d", &level, bot,
                                 &seed, result, &time, &limit, &medal, &enemies);
    if (read != 8) return false;
    const std::string botName = bot;
    const std::string resultName = result;
    if (botName != "full" && botName != "paced" && botName != "defenceless") return false;
    if (resultName != "won" && resultName != "lost") return false;
    run = RunLine{level, botName, seed, resultName == "won", time, limit, medal, enemies != 0};
    return true;
}

std::vector<RunLine> ParseText(const std::string& text)
{
    std::vector<RunLine> runs;
    std::istringstream lines(text);
    std::string line;
    RunLine run;
    while (std::getline(lines, line)) {
        if (ParseLine(line, run)) runs.push_back(run);
    }
    return runs;
}

std::vector<LevelRow> BuildTable(const std::vector<RunLine>& runs)
{
    std::map<uint32_t, std::map<std::string, Runs>> byLevel;
    std::map<uint32_t, LevelRow> rows;
    for (const RunLine& run : runs) {
        Runs& kind = byLevel[run.level][run.bot];
        kind.times.push_back(run.time);
        kind.medals.push_back(run.medal);
        if (run.won) ++kind.wins;
        if (run.won && run.medal >= Targets::kWithinLimitMedal) ++kind.inLimit;
        LevelRow& row = rows[run.level];
        row.level = run.level;
        row.enemies = row.enemies || run.enemies;
        row.limit = run.limit;
    }
    std::vector<LevelRow> table;
    for (auto& [level, row] : rows) {
        Runs& full = byLevel[level]["full"];
        Runs& paced = byLevel[level]["paced"];
        Runs& defence = byLevel[level]["defenceless"];
        row.fullRuns = static_cast<uint32_t>(full.times.size());
        row.fullWins = full.wins;
        row.fullMedian = Median(full.times);
        row.fullMedal = Median(full.medals);
        const float rating = row.limit / Targets::kRatingShare;
        row.fullPercent = rating > 0.0f ? 100.0f * row.fullMedian / rating : 0.0f;
        row.pacedRuns = static_cast<uint32_t>(paced.times.size());
        row.pacedWins = paced.wins;
        row.pacedInLimit = paced.inLimit;
        row.pacedMedian = Median(paced.times);
        row.defenceRuns = static_cast<uint32_t>(defence.times.size());
        row.defenceWins = defence.wins;
        row.defenceMedian = Median(defence.times);
        row.defenceMedal = Median(defence.medals);

        const float low = level == 0 ? Targets::kTutorialLow : Targets::kFullLow;
        const float high = level == Targets::kPaidOffLevel ? Targets::kPaidOffHigh : Targets::kFullHigh;
        row.fullMet = row.fullRuns >= Targets::kFullSeeds && row.fullWins == row.fullRuns &&
                      row.fullPercent >= low && row.fullPercent <= high;
        row.pacedMet = row.pacedRuns >= Targets::kOtherSeeds && row.pacedInLimit == row.pacedRuns;
        row.threatMet = row.enemies && row.defenceRuns > 0 && row.fullRuns > 0 &&
                        (row.defenceWins < row.defenceRuns || row.defenceMedal < row.fullMedal ||
                         row.defenceMedian >= Targets::kSlowerFactor * row.fullMedian);
        table.push_back(row);
    }
    return table;
}

std::string FormatTable(const std::vector<LevelRow>& rows)
{
    std::string text =
        "level enemies | full wins median  %rating medal | paced in-limit median | defenceless wins median medal | "
        "full paced threat\n";
    uint32_t enemyLevels = 0;
    uint32_t threats = 0;
    uint32_t fullMet = 0;
    uint32_t pacedMet = 0;
    for (const LevelRow& row : rows) {
        char line[256];
        std::snprintf(line, sizeof line,
                      "%03u     %d   |      %u/%u %6.1f %8s %5d |      %u/%u   %6.1f |             %u/%u %6.1f %5d | "
                      "%-4s %-5s %s\n",
                      row.level, row.enemies ? 1 : 0, row.fullWins, row.fullRuns,
                      static_cast<double>(row.fullMedian), Percent(row.fullPercent).c_str(), row.fullMedal,
                      row.pacedInLimit, row.pacedRuns, static_cast<double>(row.pacedMedian), row.defenceWins,
                      row.defenceRuns, static_cast<double>(row.defenceMedian), row.defenceMedal,
                      row.fullMet ? "yes" : "no", row.pacedMet ? "yes" : "no",
                      row.enemies ? (row.threatMet ? "yes" : "no") : "-");
        text += line;
        if (row.enemies) ++enemyLevels;
        if (row.threatMet) ++threats;
        if (row.fullMet) ++fullMet;
        if (row.pacedMet) ++pacedMet;
    }
    char summary[192];
    std::snprintf(summary, sizeof summary,
                  "full met on %u of %zu levels; paced met on %u of %zu; threat met on %u of %u levels with enemies "
                  "(target %.0f%%)\n",
                  fullMet, rows.size(), pacedMet, rows.size(), threats, enemyLevels,
                  static_cast<double>(100.0f * Targets::kThreatShare));
    return text + summary;
}

std::vector<std::string> MissedTargets(const std::vector<LevelRow>& rows, uint32_t levelCount)
{
    std::vector<std::string> missed;
    uint32_t enemyLevels = 0;
    uint32_t threats = 0;
    for (uint32_t level = 0; level < levelCount; ++level) {
        const auto found =
            std::find_if(rows.begin(), rows.end(), [level](const LevelRow& row) { return row.level == level; });
        char name[16];
        std::snprintf(name, sizeof name, "%03u", level);
        if (found == rows.end()) {
            missed.push_back(std::string("level ") + name + ": no runs");
            continue;
        }
        if (!found->fullMet) {
            missed.push_back(std::string("level ") + name + ": full won " + std::to_string(found->fullWins) + "/" +
                             std::to_string(found->fullRuns) + " at a median " + Percent(found->fullPercent) +
                             " of the rating time");
        }
        if (!found->pacedMet) {
            missed.push_back(std::string("level ") + name + ": paced won " + std::to_string(found->pacedInLimit) +
                             "/" + std::to_string(found->pacedRuns) + " within the limit");
        }
        if (found->enemies) ++enemyLevels;
        if (found->threatMet) ++threats;
    }
    if (static_cast<float>(threats) < Targets::kThreatShare * static_cast<float>(enemyLevels)) {
        missed.push_back("the defenceless player was pressed on " + std::to_string(threats) + " of " +
                         std::to_string(enemyLevels) + " levels with enemies");
    }
    return missed;
}

}  // namespace balance
