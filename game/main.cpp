// Entry point of Kelvara 2: hands the shell the factory of the application object and
// returns the shell's exit code.
#include <memory>

#include "engine/platform/application_base.h"
#include "engine/platform/shell.h"

namespace {

// Stands in for the game application until the framework provides it: it starts and
// saves nothing, so the engine runs with no screen focused.
class IdleApplication final : public vrk::cApplicationBase {
public:
    int32_t Init() override { return 0; }
    void SaveSettings() override {}
};

}  // namespace

int main()
{
    return vrk::WinMainEntry([] { return std::make_unique<IdleApplication>(); });
}
