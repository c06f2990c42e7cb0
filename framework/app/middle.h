// cMiddle: the application object between the engine and the game. It runs the
// start-up steps (Init, OnSplashEnd, FinishInit), holds what belongs to the whole
// game (profiles, achievement definitions, level files, the message-box handler,
// the splash/loading background colour, the weather, the random generator), writes
// the settings file at exit, and is the game's gateway to the GUI and to shared
// drawing. Exactly one exists; it is created as cGarden.
//
// Where the members live: start-up, settings, profiles, level files, names and
// achievements in middle.cpp / middle_*.cpp; the dialog, message-box, sprite-lookup
// and system-drawing members in middle_dialogs.cpp.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/application_base.h"
#include "engine/render/texture.h"
#include "framework/app/level_file_cache.h"
#include "framework/app/player_list.h"
#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/sprite_info.h"
#include "framework/objects/vec2.h"

namespace vrk {
class cWidget;
class cWindow;
class cWindowFunction;
class VertexBatch;
}  // namespace vrk

class cMessageBoxWF;
class cPlayerBase;
class ParticleStore;

// One achievement: the name "achieve_" + id is its identity (and the pop-up's sprite
// and text key), the description key is the name + "_d".
struct AchievementDef {
    std::string name;
    std::string descriptionKey;
    uint32_t value = 0;
};

// The splash and loading screens' background.
struct BackColor {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// Message-box flags: the low byte picks the icon, the second byte the buttons.
enum MessageBoxFlags : uint32_t {
    kMessageIconError = 0x01,
    kMessageIconInfo = 0x02,
    kMessageIconWarning = 0x04,
    kMessageIconQuestion = 0x08,
    kMessageButtonsOk = 0x100,
    kMessageButtonsOkCancel = 0x200,
    kMessageButtonsYesNo = 0x400,
};

class cMiddle : public vrk::cApplicationBase, public cAppServices {
public:
    // Start-up and settings files.
    static constexpr const char* kSettingsPath = "{AppPath}/conf/settings.lua";
    static constexpr const char* kConfFolder = "{AppPath}/conf/";
    static constexpr const char* kProfileFolder = "{AppPath}/profile/";
    static constexpr const char* kGuiSystemTexture = "{StaticPath}/texture/system/gui_system";
    // The registry's name of that texture: the skin every window draws from.
    static constexpr const char* kGuiSkinTexture = "gui_system";
    static constexpr const char* kWidescreenTexture = "widescreen";
    static constexpr uint32_t kDefaultResourceCount = 3;
    static constexpr uint32_t kDefaultLevelCount = 10;

    // Sets the application pointer; makes the weather store. No level streams yet.
    cMiddle();
    ~cMiddle() override;
    cMiddle(const cMiddle&) = delete;
    cMiddle& operator=(const cMiddle&) = delete;

    // 0 on success: seeds the generator, makes "{AppPath}/conf/" and
    // "{AppPath}/profile/" (a data folder that cannot be written is reported once
    // on stderr and in the console; the game goes on), and the empty level streams.
    int32_t Init() override;
    // Saves the active player and the list (when one is logged on), then writes the
    // settings file.
    void SaveSettings() override;

    // Profiles (forwarded to the player list).
    virtual int32_t SavePlayerList();
    // The splash screen has ended: loads the system GUI texture and focuses the
    // loading screen.
    virtual void OnSplashEnd();
    // The loading queue is empty: widescreen texture, weather, profiles, level files.
    virtual void FinishInit();
    // The profile object of an id ("" for a new profile).
    virtual std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) = 0;
    virtual std::string AddPlayer(const std::string& name);
    virtual int32_t DeletePlayer(const std::string& id);
    virtual int32_t LogonPlayer(const std::string& id);
    virtual std::string GetPlayerFolder(const std::string& id);
    virtual std::string FindPlayerByName(const std::string& name);

    // Dialogs (middle_dialogs.cpp).
    // Creates the window with the function, runs its script and the script's Lua
    // function FillWindow, then sends the function events 20 and 12.
    virtual vrk::cWindow* FillWindow(const std::string& windowName, const std::string& scriptPath,
                                     std::unique_ptr<vrk::cWindowFunction> function);
    // Closes the other windows (the achievement pop-up stays), stores the context
    // and opens the window. Always true.
    virtual bool ShowWindow(const std::string& windowName, intptr_t context);
    virtual void HideAchievePopup();
    // A window has closed; only "messagebox" is acted on.
    virtual void OnDialogCommand(const std::string& windowName);
    virtual intptr_t GetWindowContext();
    // Opens the message box; the command is acted on when it closes.
    virtual void MessageBox(uint32_t flags, const std::string& text, const std::string& command);

    // Drawing and sprites (the last three in middle_dialogs.cpp).
    vrk::VertexBatch* GetPrimitiveBatch() override;
    SpriteInfo GetSpriteInfoEx(const std::string& name) override;
    void DrawSystemText(const std::string& text, float x, float y) override;
    // The widescreen side borders beside the 4:3 GUI area.
    virtual void DrawFrameOverlay(vrk::VertexBatch* batch);

    // Achievements.
    virtual void AddAchievement(const std::string& name, const std::string& descriptionKey,
                                uint32_t value);
    virtual uint32_t GetAchievementCount();
    // The index of the first definition of that name; the count when none.
    virtual uint32_t FindAchievement(const std::string& name);
    // The achievement pop-up "level_achieve" (middle_dialogs.cpp).
    virtual void PopupAchieve(const std::string& spriteName, const std::string& textKey);

    virtual void AddName(const std::string& text);
    virtual uint32_t GetNameCount();
    int32_t GetResourceCount() override;
    virtual uint32_t GetLevelCount();

    // Level files (forwarded to the level file cache).
    virtual void LoadLevelFiles();
    // False when the level files could not be written (every old file then stays).
    virtual bool SaveLevelFiles();
    // False when the screen's file was not written (the old file then stays).
    virtual bool SaveMapFile();
    virtual bool SaveAchieveFile();
    virtual bool SaveMenuFile();
    virtual bool SaveComicsFile();
    virtual uint32_t MoveEntryUp(uint32_t index);
    virtual uint32_t MoveEntryDown(uint32_t index);
    virtual void ResetEntry(uint32_t index);

    // Switches screens; the base does nothing.
    virtual void ShowComics(const std::string& target, const std::string& current);
    // The engine core's focused screen, or null.
    virtual vrk::cWidget* GetFocusedWidget();
    // The cursor on the GUI's 1024 x 768 virtual screen.
    virtual void GetMousePos(vec2& position);
    virtual int32_t GetLimit42() = 0;
    // The version the screens load their level files with.
    virtual int32_t GetLimit43() = 0;

    RandomGen& GetRandomGen() override { return randomGen; }

    // Access for the game application, the screens and the dialogs.
    PlayerList& GetPlayerList() { return *players_; }
    LevelFileCache& GetLevelFiles() { return levelFiles_; }
    ParticleStore& GetWeather() { return *weather_; }
    const std::vector<AchievementDef>& GetAchievements() const { return achievements_; }
    const std::vector<std::string>& GetNames() const { return names_; }

    // While non-zero, Tab switches a screen to the editor. Nothing here changes it.
    int32_t developerFlag = 0;
    RandomGen randomGen;
    BackColor backColor;
    // The "messagebox" window function; owned by its window.
    cMessageBoxWF* messageBox = nullptr;
    intptr_t windowContext = 0;
    // The "widescreen" texture, set by FinishInit.
    vrk::TexturePtr widescreenTexture;

private:
    std::unique_ptr<PlayerList> players_;
    std::vector<AchievementDef> achievements_;
    std::vector<std::string> names_;
    std::unique_ptr<ParticleStore> weather_;
    LevelFileCache levelFiles_;
};

// The application pointer: the one application object, null before it exists and
// after it is gone.
cMiddle* GetMiddle();
