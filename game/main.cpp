// Entry point of Kelvara 2: hands the shell the factory of the game application and
// returns the shell's exit code.
#include <memory>

#include "engine/platform/shell.h"
#include "framework/app/garden.h"

int main()
{
    return vrk::WinMainEntry([] { return std::make_unique<cGarden>(); });
}
