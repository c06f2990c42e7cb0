// The starting values of the forty levels, one row each in id order, and the
// lookup of a row by the level's name.
#include "game/level/level_table.h"

namespace {

// Stock is wood, food, money, mana. Day and night lengths in seconds.
const std::array<LevelRow, kLevelCount> kRows = {{
    {.id = "000", .stock = {60, 40, 40, 70}, .ratingTime = 240, .music = "music1", .weather = "shine"},
    {.id = "001", .stock = {50, 60, 20, 30}, .ratingTime = 190, .music = "music2", .weather = "rain"},
    {.id = "002", .stock = {40, 60, 10, 40}, .ratingTime = 260, .music = "music6", .weather = "shine"},
    {.id = "003", .stock = {30, 40, 20, 40}, .ratingTime = 320, .music = "music3", .weather = "shine",
     .goblinWorkRate = 0.08f},
    {.id = "004", .stock = {0, 20, 20, 30}, .ratingTime = 280, .music = "music1", .weather = "shine",
     .goblinWorkRate = 0.04f},
    {.id = "005", .stock = {40, 20, 0, 60}, .ratingTime = 270, .music = "music2", .weather = "rain",
     .startsBaseScript = true},
    {.id = "006", .stock = {20, 20, 20, 200}, .ratingTime = 250, .music = "music2", .dayLength = 60,
     .nightLength = 35, .startsBaseScript = true},
    {.id = "007", .stock = {20, 20, 20, 60}, .ratingTime = 350, .music = "music1", .weather = "shine"},
    {.id = "008", .stock = {20, 20, 0, 40}, .ratingTime = 280, .music = "music1", .weather = "rain",
     .banditSpeedFactor = 1.1f, .startsBaseScript = true},
    {.id = "009", .stock = {20, 40, 0, 60}, .ratingTime = 340, .music = "music5", .weather = "rain"},
    {.id = "010", .stock = {0, 9999, 0, 20}, .ratingTime = 320, .music = "music4", .weather = "snow"},
    {.id = "011", .stock = {0, 40, 20, 0}, .ratingTime = 380, .music = "music1", .weather = "shine",
     .goblinWorkRate = 0.04f},
    {.id = "012", .stock = {0, 20, 0, 40}, .ratingTime = 260, .music = "music3", .weather = "rain",
     .startsBaseScript = true},
    {.id = "013", .stock = {20, 20, 0, 60}, .ratingTime = 220, .music = "music1"},
    {.id = "014", .stock = {0, 9999, 0, 40}, .ratingTime = 210, .music = "music4", .weather = "shine"},
    {.id = "015", .stock = {20, 50, 20, 50}, .ratingTime = 250, .music = "music5", .weather = "snow",
     .dayLength = 65, .nightLength = 40},
    {.id = "016", .stock = {20, 60, 40, 40}, .ratingTime = 300, .music = "music5", .dayLength = 75,
     .nightLength = 40},
    {.id = "017", .stock = {20, 9999, 20, 20}, .ratingTime = 250, .music = "music5", .weather = "shine"},
    {.id = "018", .stock = {20, 40, 20, 0}, .ratingTime = 330, .music = "music6", .weather = "shine"},
    {.id = "019", .stock = {20, 40, 20, 40}, .ratingTime = 310, .music = "music3", .weather = "snow"},
    {.id = "020", .stock = {20, 20, 0, 0}, .ratingTime = 220, .music = "music4", .tankGunSpeedFactor = 0.25f},
    {.id = "021", .stock = {20, 40, 40, 40}, .ratingTime = 300, .music = "music2", .dayLength = 75,
     .nightLength = 40},
    {.id = "022", .stock = {20, 9999, 0, 40}, .ratingTime = 260, .music = "music4", .weather = "snow",
     .dayLength = 70, .nightLength = 40},
    {.id = "023", .stock = {0, 40, 40, 0}, .ratingTime = 350, .music = "music2", .weather = "shine",
     .tankGunSpeedFactor = 0.15f, .drawsAdvisor = true},
    {.id = "024", .stock = {20, 60, 20, 60}, .ratingTime = 360, .music = "music3", .banditSpeedFactor = 0.8f},
    {.id = "025", .stock = {20, 40, 20, 40}, .ratingTime = 340, .music = "music1", .weather = "rain",
     .banditSpeedFactor = 1.1f},
    {.id = "026", .stock = {20, 20, 20, 0}, .ratingTime = 280, .music = "music6", .weather = "shine"},
    {.id = "027", .stock = {20, 20, 20, 20}, .ratingTime = 210, .music = "music6", .weather = "night",
     .startsBaseScript = true},
    {.id = "028", .stock = {0, 9999, 0, 60}, .ratingTime = 230, .music = "music5", .weather = "snow",
     .dayLength = 75, .nightLength = 30},
    {.id = "029", .stock = {20, 40, 40, 0}, .ratingTime = 250, .music = "music6", .goblinWorkRate = 0.08f},
    {.id = "030", .stock = {0, 40, 40, 100}, .ratingTime = 310, .music = "music3", .banditSpeedFactor = 1.2f},
    {.id = "031", .stock = {0, 80, 0, 40}, .ratingTime = 210, .music = "music4", .weather = "rain"},
    {.id = "032", .stock = {0, 40, 40, 40}, .ratingTime = 300, .music = "music5", .dayLength = 80,
     .nightLength = 30},
    {.id = "033", .stock = {0, 60, 20, 40}, .ratingTime = 260, .music = "music4", .weather = "shine"},
    {.id = "034", .stock = {100, 40, 0, 40}, .ratingTime = 210, .music = "music2"},
    {.id = "035", .stock = {60, 20, 20, 0}, .ratingTime = 190, .music = "music3", .dayLength = 80,
     .nightLength = 25},
    {.id = "036", .stock = {20, 20, 20, 60}, .ratingTime = 220, .music = "music6", .weather = "rain"},
    {.id = "037", .stock = {20, 20, 0, 40}, .ratingTime = 190, .music = "music2", .weather = "snow"},
    {.id = "038", .stock = {0, 9999, 0, 40}, .ratingTime = 240, .music = "music2"},
    {.id = "039", .stock = {40, 160, 40, 150}, .ratingTime = 220, .music = "music2"},
}};

}  // namespace

const std::array<LevelRow, kLevelCount>& LevelRows() { return kRows; }

int32_t FindLevelIndex(const std::string& name)
{
    // Exact bytes only: "0000", " 000" or "00" are levels of their own, not "000".
    for (size_t i = 0; i < kRows.size(); ++i) {
        if (name == kRows[i].id) return static_cast<int32_t>(i);
    }
    return -1;
}
