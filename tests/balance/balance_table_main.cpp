// balance_table: the per-level table of the bot's balance runs. Reads the
// "[balance]" lines from the files named (a folder: its level*.txt files, as the
// balance runs write them), or from the standard input when none is named, e.g.
//   ctest --test-dir build -L balance -V | build/tests/balance/balance_table
// With --check it also lists the missed targets and answers 1 when there are any.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/balance/balance_table.h"

namespace {

constexpr uint32_t kLevelCount = 40;

std::string ReadAll(std::istream& in) { return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}; }

bool ReadPath(const std::filesystem::path& path, std::string& text)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("level", 0) == 0 && entry.path().extension() == ".txt") files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            if (!ReadPath(file, text)) return false;
        }
        return true;
    }
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "balance_table: cannot read %s\n", path.string().c_str());
        return false;
    }
    text += ReadAll(in);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    bool check = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else {
            paths.emplace_back(argv[i]);
        }
    }
    std::string text;
    if (paths.empty()) text = ReadAll(std::cin);
    for (const std::string& path : paths) {
        if (!ReadPath(path, text)) return 2;
    }
    const std::vector<balance::LevelRow> rows = balance::BuildTable(balance::ParseText(text));
    std::fputs(balance::FormatTable(rows).c_str(), stdout);
    if (!check) return 0;
    const std::vector<std::string> missed = balance::MissedTargets(rows, kLevelCount);
    for (const std::string& line : missed) std::printf("missed: %s\n", line.c_str());
    return missed.empty() ? 0 : 1;
}
