// Entry point of Kelvara 2: hands the shell the factory of the game application (with
// the game's screens in its registry) and returns the shell's exit code.
#include <memory>

#include "engine/platform/shell.h"
#include "framework/app/garden.h"
#include "game/game_entries.h"

int main()
{
    return vrk::WinMainEntry([] {
        auto garden = std::make_unique<cGarden>();
        RegisterGameEntries(garden->GetRegistry());
        return garden;
    });
}
