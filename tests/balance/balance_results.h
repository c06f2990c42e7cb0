// balance::Results: the balance runs' files in <build>/balance and which test run
// wrote them. The first test of a ctest run (BalanceRuns.NewTestRun, the fixture
// every run and the target check need) writes a new run stamp, a number one above
// any stamp the folder holds; every level's run removes its file when it starts and
// writes it with that stamp on its first line; the target check reads only files
// that carry the current stamp. A run that was skipped or stopped leaves no file,
// and a file from an earlier test run is refused, so the targets never pass on
// stale results. No clock is read: the stamp only counts test runs.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balance {

// Starts a test run: writes and returns its stamp.
uint64_t NewTestRun(const std::filesystem::path& folder);
// The current test run's stamp; false when no test run has started in the folder.
bool CurrentTestRun(const std::filesystem::path& folder, uint64_t& stamp);

std::filesystem::path ResultFile(const std::filesystem::path& folder, uint32_t level);
// Removes the level's file before its run plays.
void StartLevelResults(const std::filesystem::path& folder, uint32_t level);
// Writes the level's lines under the current stamp; false when it cannot.
bool WriteLevelResults(const std::filesystem::path& folder, uint32_t level, const std::string& lines);

// The lines of every level 0 to levelCount - 1 whose file the current test run
// wrote; one sentence in refused per level whose file is missing or older.
std::string ReadCurrentResults(const std::filesystem::path& folder, uint32_t levelCount,
                               std::vector<std::string>& refused);

}  // namespace balance
