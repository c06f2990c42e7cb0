// The real game program started headless in a child process, with its own data,
// runtime and home folders: start it, signal it, read its log, wait for its end.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace test {

using Clock = std::chrono::steady_clock;

inline constexpr auto kStartTimeout = std::chrono::seconds(20);
inline constexpr auto kExitTimeout = std::chrono::seconds(20);
inline constexpr auto kPollInterval = std::chrono::milliseconds(20);
// Splash and loading take about seven seconds of game time; the limit leaves room for
// a sanitizer build on a busy machine.
inline constexpr auto kStartupTimeout = std::chrono::seconds(180);

// The built game program.
std::string GameBinary();

// One run of the program with its own data, runtime and home folders.
class Program {
public:
    Program(const std::string& root, const std::string& runtime, const char* failure = nullptr);
    ~Program();

    void Start();
    // The exit code, or nothing when the program did not end in time (or by a signal).
    std::optional<int> WaitExit(Clock::duration timeout = kExitTimeout);

    void Signal(int signalNumber);
    // The program file started; the built game unless a test says otherwise.
    void SetBinary(const std::string& binary) { binary_ = binary; }
    // The audio driver the program is started with; "dummy" unless a test says otherwise.
    void SetAudioDriver(const std::string& driver) { audioDriver_ = driver; }

    std::string AppFolder() const { return dataHome_ + "/OstrandEntertainment/tervol/Kelvara2"; }
    std::string LogFile() const { return AppFolder() + "/_log.html"; }
    std::string Log() const { return test::TempFolder::Read(LogFile()); }

    // Waits until the log holds the text; false on timeout or when the program ended.
    bool WaitForLog(const std::string& text, Clock::duration timeout = kStartTimeout);

private:
    std::string dataHome_;
    std::string runtime_;
    std::string home_;
    const char* failure_;
    std::string audioDriver_ = "dummy";
    std::string binary_;
    pid_t pid_ = -1;
};

// The game's program in `folder`/bin beside a data tree of its own: the game's data
// with conf/cheats.lua replaced by `cheats`. Returns the program's path.
std::string ProgramWithCheats(const test::TempFolder& folder, const std::string& cheats);

}  // namespace test
