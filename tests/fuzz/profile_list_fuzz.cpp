// Fuzz target: the profile list "info.dat" as the application reads it at start-up
// (PlayerList::ReadPlayerList over "{AppPath}/profile/info.dat").
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (fuzz::WriteScratchFile("app/profile/info.dat", data, size).empty()) return 0;
    PlayerList list([](const std::string&) { return std::unique_ptr<cPlayerBase>(); },
                    [] { return PlayerList::Counts{4, 4, 4}; });
    std::string activeId;
    list.ReadPlayerList(activeId);
    return 0;
}
