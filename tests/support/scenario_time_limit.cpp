// The watcher thread of a scenario's time limit.
#include "tests/support/scenario_time_limit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace test {

ScenarioTimeLimit::ScenarioTimeLimit(std::string scenario, std::chrono::seconds limit)
    : scenario_(std::move(scenario))
{
    watcher_ = std::thread([this, limit] {
        std::unique_lock<std::mutex> lock(mutex_);
        if (finished_.wait_for(lock, limit, [this] { return done_; })) return;
        // The hung scenario holds the main thread, so the test cannot end by itself.
        std::fprintf(stderr, "FAILED: %s still runs after %lld s: it hangs\n", scenario_.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    });
}

ScenarioTimeLimit::~ScenarioTimeLimit()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    watcher_.join();
}

}  // namespace test
