// Data files: Lua text that holds only plain "key = value" lines, such as the
// settings file the game writes into the user's folder. Such a file is written by the
// game but lives where anyone can change it, so it runs as data, never as a program:
// in an empty table of its own, without the standard library or the game's globals,
// within an instruction and a memory budget.
#pragma once
#include <string>
#include <span>

namespace vrk {

// The Lua types a value of a data file may take (summed).
enum DataTypes : unsigned {
    kDataBoolean = 1,
    kDataNumber = 2,
    kDataString = 4,
};

// One value a data file may set: its name and the types its reader takes.
struct DataField {
    const char* name;
    unsigned types;
};

// Results of RunDataFile.
enum DataFileResult : int {
    kDataFileRead = 0,
    kDataFileMissing = 1,  // nothing to read; the defaults stay
    kDataFileBad = 2,      // refused and kept as name + kBadDataFileSuffix
};

inline constexpr const char* kBadDataFileSuffix = ".bad";

// Budgets of one run, far above what a file of a few dozen values needs.
inline constexpr size_t kMaxDataFileBytes = 64 * 1024;
inline constexpr int kDataInstructionLimit = 1000000;
inline constexpr size_t kDataMemoryBudget = 8 * 1024 * 1024;

// Runs the file (path macros allowed) as data on the script host's state. The
// values of the fields that the file sets with one of their types become globals of
// that name; other values are ignored (a wrong type with a warning). A file that
// cannot be read, is too long, does not compile, fails, or runs past a budget is
// logged (its first line at most), copied to name + kBadDataFileSuffix, and sets
// nothing.
int RunDataFile(const std::string& name, std::span<const DataField> fields);

}  // namespace vrk
