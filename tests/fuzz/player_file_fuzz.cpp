// Fuzz target: a profile's player file "middle.dat" (ReadPlayerFile over the bytes,
// with the vector sizes a profile of the game has).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/app/player_progress.h"
#include "framework/app/profile_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> bytes(data, data + size);
    ProfileReader reader(bytes);
    PlayerProgress progress;
    progress.achievementProgress.resize(8);
    progress.achievementNewFlags.resize(8);
    progress.nameValues.resize(4);
    progress.levelRecords.resize(16);
    std::string name;
    ReadPlayerFile(reader, name, progress);
    return 0;
}
