// cGarden: the game application, the one application object of the program. It
// fixes the game's numbers (40 levels, 4 resource kinds, level-file version 100),
// applies the saved volumes, defines the achievements and starts the splash screen.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/app/middle.h"

class cGarden : public cMiddle {
public:
    static constexpr uint32_t kLevelCount = 40;
    static constexpr int32_t kResourceCount = 4;
    static constexpr int32_t kLevelVersion = 100;

    // Sets the game pointer and both group volumes to full.
    cGarden();
    ~cGarden() override;

    // cMiddle's steps, then the game's Lua functions, the saved volumes, the
    // achievement definitions and the splash screen.
    int32_t Init() override;
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) override;
    int32_t GetResourceCount() override { return kResourceCount; }
    uint32_t GetLevelCount() override { return kLevelCount; }
    int32_t GetLimit42() override { return kLevelVersion; }
    int32_t GetLimit43() override { return kLevelVersion; }

    // Appends the game's 30 achievement definitions in their fixed order.
    void AddGameAchievements();
};

// The application typed as the game, null while there is none.
cGarden* GetGarden();
