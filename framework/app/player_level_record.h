// PlayerLevelRecord: one player's results in one level, as kept in memory and in
// the player's file "middle.dat".
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vrk {
class cByteStream;
}
class ProfileReader;

// Level states; the medals are the grades of the best win.
enum PlayerLevelState : uint32_t {
    kLevelClosed = 0,
    kLevelOpen = 1,
    kLevelBronze = 2,
    kLevelSilver = 3,
    kLevelGold = 4,
};

struct PlayerLevelRecord {
    // Bytes of a record whose two lists are empty: the least a stored record takes.
    static constexpr size_t kMinStoredBytes = 9 * 4;
    // The longest time the map's hint shows, "99999:59": a stored time is never
    // longer (a float holds every whole second up to it exactly).
    static constexpr float kLongestTime = 99999.0f * 60.0f + 59.0f;

    uint32_t state = kLevelClosed;
    uint32_t plays = 0;       // level ends, won or lost
    float lastTime = 0.0f;    // of the last win
    float bestTime = 0.0f;    // lowest time of a win
    uint32_t lastScore = 0;
    uint32_t bestScore = 0;
    uint32_t totalScore = 0;  // sum over all wins
    std::vector<uint32_t> firstList;
    std::vector<uint32_t> secondList;

    // A time as the records keep it: a non-finite or negative one (only a damaged or
    // hostile file holds such) is 0, a longer one kLongestTime.
    static float ClampTime(float seconds);

    void Write(vrk::cByteStream& stream) const;
    // False when a list count runs past the end of the file; the record is then
    // partly read and must be dropped.
    bool Read(ProfileReader& reader);
};
