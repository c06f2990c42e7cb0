// An upper bound for a scenario that hangs when the fault it guards against comes
// back (a script loop no longer stopped): past the bound the test program ends with
// a failure naming the scenario, instead of waiting for ever. The bound is far above
// the scenario's own run, so it never decides a run that works.
#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace test {

class ScenarioTimeLimit {
public:
    ScenarioTimeLimit(std::string scenario, std::chrono::seconds limit);
    ~ScenarioTimeLimit();
    ScenarioTimeLimit(const ScenarioTimeLimit&) = delete;
    ScenarioTimeLimit& operator=(const ScenarioTimeLimit&) = delete;

private:
    std::string scenario_;
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;
};

// Generous for the slowest build (sanitizers on a busy machine).
inline constexpr std::chrono::seconds kHangLimit{120};

}  // namespace test
