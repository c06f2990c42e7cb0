// The balance runs' files and their run stamp.
#include "tests/balance/balance_results.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace balance {

namespace {

constexpr const char* kStampFile = "test_run.txt";
constexpr const char* kStampTag = "[test run] ";

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stamp on a text's first line; false when it carries none.
bool StampOf(const std::string& text, uint64_t& stamp)
{
    const std::string tag = kStampTag;
    if (text.compare(0, tag.size(), tag) != 0) return false;
    std::istringstream number(text.substr(tag.size(), text.find('\n') - tag.size()));
    return static_cast<bool>(number >> stamp);
}

std::string LevelName(uint32_t level)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03u", level);
    return name;
}

}  // namespace

uint64_t NewTestRun(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // Above every stamp in the folder, so a result file outlives no lost stamp file.
    uint64_t highest = 0;
    uint64_t stamp = 0;
    if (StampOf(ReadText(folder / kStampFile), stamp)) highest = stamp;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".txt" && StampOf(ReadText(entry.path()), stamp)) {
            highest = std::max(highest, stamp);
        }
    }
    std::ofstream out(folder / kStampFile, std::ios::trunc);
    out << kStampTag << highest + 1 << "\n";
    return highest + 1;
}

bool CurrentTestRun(const std::filesystem::path& folder, uint64_t& stamp)
{
    return StampOf(ReadText(folder / kStampFile), stamp);
}

std::filesystem::path ResultFile(const std::filesystem::path& folder, uint32_t level)
{
    return folder / ("level" + LevelName(level) + ".txt");
}

void StartLevelResults(const std::filesystem::path& folder, uint32_t level)
{
    std::error_code error;
    std::filesystem::remove(ResultFile(folder, level), error);
}

bool WriteLevelResults(const std::filesystem::path& folder, uint32_t level, const std::string& lines)
{
    uint64_t stamp = 0;
    if (!CurrentTestRun(folder, stamp)) return false;
    std::ofstream out(ResultFile(folder, level), std::ios::trunc);
    out << kStampTag << stamp << "\n" << lines;
    return out.good();
}

std::string ReadCurrentResults(const std::filesystem::path& folder, uint32_t levelCount,
                               std::vector<std::string>& refused)
{
    uint64_t current = 0;
    if (!CurrentTestRun(folder, current)) {
        refused.push_back("no test run has started in " + folder.string() + ": run the balance runs through ctest");
        return {};
    }
    std::string lines;
    for (uint32_t level = 0; level < levelCount; ++level) {
        const std::filesystem::path path = ResultFile(folder, level);
        const std::string text = ReadText(path);
        uint64_t stamp = 0;
        if (text.empty()) {
            refused.push_back("level " + LevelName(level) + ": this test run wrote no results");
        } else if (!StampOf(text, stamp) || stamp != current) {
            refused.push_back("level " + LevelName(level) + ": its results are from an earlier test run");
        } else {
            lines += text;
        }
    }
    return lines;
}

}  // namespace balance
