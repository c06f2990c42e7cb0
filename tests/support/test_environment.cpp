// Linked into every test program: before any test runs, the process gets a headless
// video and audio driver and a home folder of its own below the build folder, so no
// test can read or write the developer's real settings, saves or log.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct TestEnvironment {
    TestEnvironment()
    {
        const std::string home = std::string(KELVARA_BINARY_DIR) + "/test-home";
        std::error_code ignored;
        std::filesystem::create_directories(home + "/run", ignored);
        std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ignored);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    }
};

const TestEnvironment environment;

}  // namespace
