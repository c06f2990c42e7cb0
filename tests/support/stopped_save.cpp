// RunSaveStoppingAt: fork, stop at the step, wait.
#include "tests/support/stopped_save.h"

#include <sys/wait.h>
#include <unistd.h>

namespace test {
namespace {

int crashAtStep = 0;

void CrashAtStep(int step)
{
    if (step == crashAtStep) ::_exit(kCrashExit);
}

}  // namespace

int RunSaveStoppingAt(int step, const std::function<bool(StepHook)>& save)
{
    const pid_t child = ::fork();
    if (child == 0) {
        crashAtStep = step;
        ::_exit(save(&CrashAtStep) ? kSavedExit : kNotSavedExit);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace test
