// cGarden: the game application, the one application object of the program. It
// fixes the game's numbers (40 levels, 4 resource kinds, level-file version 100),
// applies the saved volumes, defines the achievements and starts the splash screen;
// once loading is done it picks the language, builds the GUI windows and screens from
// its registry, runs the start-up scripts and opens the main menu. At run time it
// switches screens, draws sprite frames and unlocks achievements.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/app/game_registry.h"
#include "framework/app/middle.h"
#include "framework/objects/sprite_info.h"
#include "framework/objects/vec2.h"

class cComicsBaseWidget;

class cGarden : public cMiddle {
public:
    static constexpr uint32_t kLevelCount = 40;
    static constexpr int32_t kResourceCount = 4;
    static constexpr int32_t kLevelVersion = 100;

    // Sets the game pointer and both group volumes to full; the registry starts with
    // the framework's entries.
    cGarden();
    ~cGarden() override;

    // cMiddle's steps, then the game's Lua functions, the saved volumes, the
    // achievement definitions and the splash screen.
    int32_t Init() override;
    // Language, cMiddle's steps (profiles, level files), the 21 windows, the screens,
    // the start-up scripts, the cursor, the main menu and "OnGameStart".
    void FinishInit() override;
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) override;
    int32_t GetResourceCount() override { return kResourceCount; }
    uint32_t GetLevelCount() override { return kLevelCount; }
    int32_t GetLimit42() override { return kLevelVersion; }
    int32_t GetLimit43() override { return kLevelVersion; }
    // "level", "menu", "map", "achieve" focus that screen; "comics0" to "comics3" set
    // up the comics screen's pages and focus it; anything else (or the current screen)
    // does nothing.
    void ShowComics(const std::string& target, const std::string& current) override;

    // The logged-on profile; null before the first logon.
    virtual cPlayerBase* GetActivePlayer();
    // One quad of the frame at position (less the frame's offset) into the primitive
    // batch; nothing for a record without texture or frames, or a frame past the count.
    virtual void DrawSpriteFrame(const SpriteInfo& info, const vec2& position, uint32_t frame);
    // Marks the named achievement unlocked for the logged-on player; the first time
    // only, shows the pop-up, plays "start_game" and sends "achieve=<name>". Nothing
    // for an unknown name or without a player.
    virtual void UnlockAchievement(const std::string& name);

    // Appends the game's 30 achievement definitions in their fixed order.
    void AddGameAchievements();

    // Where FinishInit takes its window functions and screens from; the game
    // replaces entries before loading ends.
    GameRegistry& GetRegistry() { return registry_; }
    // The comics screen FinishInit made; null before that.
    cComicsBaseWidget* GetComicsScreen() const { return comicsScreen_; }

private:
    void RegisterWindows();
    void CreateScreens();
    void RunStartupScripts();
    void ShowCursor();

    GameRegistry registry_;
    cComicsBaseWidget* comicsScreen_ = nullptr;
};

// The application typed as the game, null while there is none.
cGarden* GetGarden();
