// Test fixture base: a started video system on SDL's offscreen driver, so window tests
// run without a display. Environment changes made by a test are undone after it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "port/window/video_system.h"

namespace test {

// Sets an environment variable for one scope and restores the old value after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

class OffscreenVideoTest : public testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_TRUE(video_.Start()) << video_.Error();
        ASSERT_TRUE(video_.LoadGlLibrary()) << video_.Error();
    }

    ScopedEnvironment noFailure_{"KELVARA_PORT_FAIL", nullptr};
    port::VideoSystem video_;
};

}  // namespace test
