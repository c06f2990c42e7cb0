// Finding the profiles that exist on disk, for rebuilding the profile list when
// "info.dat" is empty or damaged: every profile keeps its own folder with its own
// "middle.dat", so the list can always be made again from them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct FoundProfile {
    std::string id;
    std::string name;     // empty when the file holds none
    uint32_t number = 0;  // the digits of the id
    int64_t savedAt = 0;  // when its "middle.dat" was last written (file time ticks)
};

// More are left on disk, unlisted, with a warning: no player keeps that many.
inline constexpr size_t kMaxFoundProfiles = 1000;

// The folders directly below "{AppPath}/profile/" named "plr" and digits (real
// folders, not links) that hold a readable "middle.dat", in id order.
std::vector<FoundProfile> FindProfileFolders();

// What a crash left of a save in "{AppPath}/profile/" and in each profile folder
// (RecoverUnfinishedSaves): run at start-up, before any profile file is read.
void RecoverUnfinishedProfileSaves();

// The profile saved last: the one that was active when the game last ended. The
// first in the list on a tie; null for an empty list.
const FoundProfile* LastSavedProfile(const std::vector<FoundProfile>& profiles);
