// Starting the game program headless in a child process and watching it by its log.
#include "tests/support/game_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace test {

std::string GameBinary() { return std::string(KELVARA_BINARY_DIR) + "/kelvara2"; }

Program::Program(const std::string& root, const std::string& runtime, const char* failure)
    : dataHome_(root + "/data"), runtime_(runtime), home_(root + "/home"), failure_(failure), binary_(GameBinary())
{
}

Program::~Program()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void Program::Start()
{
    pid_ = ::fork();
    if (pid_ != 0) return;
    ::setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    ::setenv("HOME", home_.c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", audioDriver_.c_str(), 1);
    // The language the game picks follows the user's locale: keep it fixed.
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "en_US.UTF-8", 1);
    if (failure_ != nullptr)
        ::setenv("KELVARA_PORT_FAIL", failure_, 1);
    else
        ::unsetenv("KELVARA_PORT_FAIL");
    ::execl(binary_.c_str(), binary_.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
}

std::optional<int> Program::WaitExit(Clock::duration timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        int status = 0;
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            if (WIFEXITED(status)) return WEXITSTATUS(status);
            return std::nullopt;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return std::nullopt;
}

void Program::Signal(int signalNumber) { ::kill(pid_, signalNumber); }

bool Program::WaitForLog(const std::string& text, Clock::duration timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (Log().find(text) != std::string::npos) return true;
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return false;
}

std::string ProgramWithCheats(const test::TempFolder& folder, const std::string& cheats)
{
    namespace fs = std::filesystem;
    const fs::path bin = folder.Path() / "bin";
    const fs::path data = fs::canonical(fs::path(KELVARA_BINARY_DIR) / "data");
    fs::create_directories(bin / "data" / "conf");
    std::error_code linked;
    // The program finds its data beside its own path, so it is linked, not pointed to.
    fs::create_hard_link(GameBinary(), bin / "kelvara2", linked);
    if (linked) fs::copy_file(GameBinary(), bin / "kelvara2");
    for (const fs::directory_entry& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() != "conf") fs::create_directory_symlink(entry.path(), bin / "data" / entry.path().filename());
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(data / "conf")) {
        if (entry.path().filename() != "cheats.lua") fs::create_symlink(entry.path(), bin / "data" / "conf" / entry.path().filename());
    }
    folder.Write("bin/data/conf/cheats.lua", cheats);
    return (bin / "kelvara2").string();
}

}  // namespace test
