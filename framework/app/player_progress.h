// PlayerProgress: everything a player profile keeps besides its id and name, and the
// layout of the player file "middle.dat" that stores it. The file's order differs
// from the order in memory (name values before the level records, new flags last);
// the id is not stored, it is the name of the folder that holds the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/app/player_level_record.h"

namespace vrk {
class cByteStream;
}
class ProfileReader;

struct PlayerProgress {
    uint32_t spareValue = 0;      // stored and read back; nothing else uses it
    bool hintsEnabled = true;     // the level screen runs its tutorial hints while set
    uint32_t totalScore = 0;
    std::vector<float> achievementProgress;     // per achievement; 1.0 = unlocked
    std::vector<uint32_t> achievementNewFlags;  // per achievement; 1 = unlocked, not yet seen
    std::vector<uint32_t> nameValues;           // per entry of the application's name list
    std::vector<PlayerLevelRecord> levelRecords;
    // The level the map and the level screen start. Change it through
    // cPlayerBase::SetCurrentLevel, which keeps it inside the level records.
    uint32_t currentLevel = 0;
};

// Appends the whole "middle.dat" layout.
void WritePlayerFile(vrk::cByteStream& stream, const std::string& name, const PlayerProgress& progress);

// Reads the layout over progress: the per-achievement and name-value vectors and the
// level records keep their sizes (extra stored entries are read and dropped, missing
// ones keep their values). False when a count or length runs past the end of the
// file: progress and name are then partly overwritten and must be thrown away.
bool ReadPlayerFile(ProfileReader& reader, std::string& name, PlayerProgress& progress);
