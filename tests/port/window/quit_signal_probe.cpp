// quit_signal_probe MODE PERIOD_MS: installs the quit signals with the given answer
// period, says "ready", then
//   stuck     says "requested" once the request arrived (a second signal sent before
//             that would merge with the first) and spins for ever, never answering,
//             as a main thread stuck inside one C call;
//   answered  waits for the request, answers it, sleeps five answer periods, says
//             "still running", and spins on (only a second signal ends it then).
// The watchdog's report goes to standard output as "report: LINE".
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "port/window/quit_signal.h"

namespace {

void Report(const char* line)
{
    std::printf("report: %s\n", line);
    std::fflush(stdout);
}

void Say(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

[[noreturn]] void Spin()
{
    bool told = false;
    for (;;) {
        if (!told && port::QuitRequested()) {
            Say("requested");
            told = true;
        }
    }
}

constexpr int kAnsweredPeriods = 5;
constexpr auto kLookInterval = std::chrono::milliseconds(5);

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    const auto period = std::chrono::milliseconds(std::atoll(argv[2]));
    port::SetQuitAnswerPeriod(period);
    port::SetForcedQuitReport(Report);
    port::InstallQuitSignals();
    Say("ready");
    if (std::strcmp(argv[1], "answered") == 0) {
        while (!port::QuitRequested()) std::this_thread::sleep_for(kLookInterval);
        port::AnswerQuitRequest();
        std::this_thread::sleep_for(period * kAnsweredPeriods);
        Say("still running");
    }
    Spin();
}
