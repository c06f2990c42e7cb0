// The quit watchdog, in a process of its own (tests/port/window/quit_signal_probe.cpp):
// a second SIGTERM or SIGINT, or a first one the main thread leaves unanswered, ends
// a process whose main thread is stuck, at once and with a line saying why; an
// answered request leaves the ending to the main thread.
#include "port/window/quit_signal.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Bounds that only end a hung run; every wait ends on its condition long before.
constexpr auto kWaitLimit = std::chrono::seconds(60);
constexpr auto kPollInterval = std::chrono::milliseconds(10);
// Long enough never to run out during a test that sends two signals.
constexpr long long kLongPeriodMs = 600000;
constexpr long long kShortPeriodMs = 200;

const std::string kProbe = std::string(KELVARA_BINARY_DIR) + "/quit_signal_probe";

// The probe started with its standard output on a pipe that the test reads.
class Probe {
public:
    Probe(const char* mode, long long periodMs)
    {
        int ends[2];
        if (::pipe(ends) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(ends[1], STDOUT_FILENO);
            ::dup2(ends[1], STDERR_FILENO);
            ::close(ends[0]);
            ::close(ends[1]);
            const std::string period = std::to_string(periodMs);
            ::execl(kProbe.c_str(), kProbe.c_str(), mode, period.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ends[1]);
        output_ = ends[0];
    }
    ~Probe()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) ::close(output_);
    }

    // Reads until the output holds the text or the probe closed it.
    bool WaitFor(const std::string& text)
    {
        const auto deadline = Clock::now() + kWaitLimit;
        while (text_.find(text) == std::string::npos && Clock::now() < deadline) {
            pollfd ready{output_, POLLIN, 0};
            if (::poll(&ready, 1, static_cast<int>(kPollInterval.count())) <= 0) continue;
            char buffer[256];
            const ssize_t got = ::read(output_, buffer, sizeof buffer);
            if (got <= 0) return false;
            text_.append(buffer, static_cast<size_t>(got));
        }
        return text_.find(text) != std::string::npos;
    }

    // The rest of the output of a probe that ended.
    void ReadToEnd() { WaitFor(std::string(1, '\0')); }

    void Signal(int signalNumber) { ::kill(pid_, signalNumber); }

    // The exit code, or nothing when it did not exit by itself within the bound.
    std::optional<int> WaitExit()
    {
        const auto deadline = Clock::now() + kWaitLimit;
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                if (WIFEXITED(status)) return WEXITSTATUS(status);
                return std::nullopt;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        return std::nullopt;
    }

    const std::string& Text() const { return text_; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string text_;
};

TEST(QuitWatchdog, SecondSignalEndsAStuckProcessAtOnce)
{
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        Probe probe("stuck", kLongPeriodMs);
        ASSERT_TRUE(probe.WaitFor("ready")) << probe.Text();
        probe.Signal(signalNumber);
        ASSERT_TRUE(probe.WaitFor("requested")) << probe.Text();
        probe.Signal(signalNumber);
        EXPECT_EQ(probe.WaitExit(), std::optional<int>(port::kForcedQuitExitBase + signalNumber));
        probe.ReadToEnd();
        const std::string name = signalNumber == SIGINT ? "SIGINT" : "SIGTERM";
        EXPECT_NE(probe.Text().find("report: " + name + " received a second time: the process ends at once"),
                  std::string::npos)
            << probe.Text();
    }
}

TEST(QuitWatchdog, FirstSignalLeftUnansweredEndsAStuckProcessAfterThePeriod)
{
    Probe probe("stuck", kShortPeriodMs);
    ASSERT_TRUE(probe.WaitFor("ready")) << probe.Text();
    probe.Signal(SIGTERM);
    EXPECT_EQ(probe.WaitExit(), std::optional<int>(port::kForcedQuitExitBase + SIGTERM));
    probe.ReadToEnd();
    EXPECT_NE(probe.Text().find("report: SIGTERM left unanswered: the process ends at once"), std::string::npos)
        << probe.Text();
}

// Once the main thread answered, the period does not end the process (it goes on for
// five periods), and a second signal still does.
TEST(QuitWatchdog, AnsweredRequestIsLeftToTheMainThreadUntilASecondSignal)
{
    Probe probe("answered", kShortPeriodMs);
    ASSERT_TRUE(probe.WaitFor("ready")) << probe.Text();
    probe.Signal(SIGTERM);
    ASSERT_TRUE(probe.WaitFor("still running")) << probe.Text();
    EXPECT_EQ(probe.Text().find("left unanswered"), std::string::npos);
    probe.Signal(SIGTERM);
    EXPECT_EQ(probe.WaitExit(), std::optional<int>(port::kForcedQuitExitBase + SIGTERM));
    probe.ReadToEnd();
    EXPECT_NE(probe.Text().find("report: SIGTERM received a second time"), std::string::npos) << probe.Text();
}

}  // namespace
