// cGarden::FinishInit: the game's start-up once loading is done. The language, the
// profiles and level files, the GUI windows and screens (from the registry), the
// start-up scripts, the cursor and the main menu, in that order.
#include <memory>
#include <string>

#include "engine/files/file_system.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/gui/window_function.h"
#include "engine/log/log.h"
#include "engine/platform/change_locale.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/platform/widget.h"
#include "engine/script/script.h"
#include "framework/app/garden.h"
#include "framework/app/locale_choice.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/editor_developer_flag.h"
#include "framework/widgets/message_box_wf.h"
#include "framework/widgets/object_types.h"

namespace {

constexpr const char* kSender = "cGarden";
constexpr const char* kWarning = "^5";
constexpr const char* kGuiFolder = "{StaticPath}/gui/";
constexpr const char* kAutoexecScript = "{StaticPath}/conf/autoexec.lua";
constexpr const char* kCheatsScript = "{StaticPath}/conf/cheats.lua";
constexpr const char* kMessageBoxWindow = "messagebox";
constexpr const char* kCursorTexture = "cursor_pointer";
constexpr float kCursorSize = 32.0f;
constexpr const char* kMenuScreen = "menu";
constexpr const char* kLevelScreen = "level";
constexpr const char* kComicsScreen = "comics";
// The window and controls whose look the level screen's hint pop-ups copy.
constexpr const char* kHintWindow = "hint";
constexpr const char* kHintLabel = "text";
constexpr const char* kHintFrame = "frame";

struct WindowEntry {
    const char* name;
    const char* script;
};

// The order is the order the windows are made in: a later window of the same name
// would replace an earlier one.
constexpr WindowEntry kWindows[] = {
    {"editor", "editor.lua"},
    {"freeze", "freeze.lua"},
    {"object", "object.lua"},
    {"name", "level_name.lua"},
    {"messagebox", "messagebox.lua"},
    {"menu", "main.lua"},
    {"options", "options.lua"},
    {"map", "map.lua"},
    {"profile_add", "profile_add.lua"},
    {"profile_new", "profile_new.lua"},
    {"profile_select", "profile_select.lua"},
    {"escape", "escape.lua"},
    {"level", "level.lua"},
    {"hint", "hint.lua"},
    {"achieve", "achieve.lua"},
    {"talk", "talk.lua"},
    {"finish", "finish.lua"},
    {"level_achieve", "level_achieve.lua"},
    {"level_task", "level_task.lua"},
    {"game_over", "game_over.lua"},
    {"train", "train.lua"},
};

// The screens in the order they are made; the engine core keeps them in this order.
constexpr const char* kScreens[] = {"menu", "map", "level", "achieve", "comics"};

}  // namespace

void cGarden::FinishInit()
{
    vrk::ChangeLocale(ChooseLocaleName(vrk::GetCurrentLocale(std::string()), vrk::GetUserLanguage()));
    cMiddle::FinishInit();

    RegisterWindows();
    CreateScreens();
    // Splash and loading are over: an inactive window pauses the game again.
    if (vrk::cGame* game = vrk::GetGame()) game->keepRunning = 0;

    RunStartupScripts();
    ShowCursor();
    ShowComics(kMenuScreen, "loading");
    vrk::HostCommand("OnGameStart");
}

void cGarden::RegisterWindows()
{
    for (const WindowEntry& entry : kWindows) {
        std::unique_ptr<vrk::cWindowFunction> function = registry_.MakeWindowFunction(entry.name);
        // The message box's handler is known before its script runs, so a script
        // that opens a message box already finds it.
        const bool isMessageBox = std::string(entry.name) == kMessageBoxWindow;
        if (isMessageBox) messageBox = dynamic_cast<cMessageBoxWF*>(function.get());
        const vrk::cWindow* window = FillWindow(entry.name, std::string(kGuiFolder) + entry.script, std::move(function));
        // Without a GUI no window is made, and the handler is gone with it.
        if (isMessageBox && window == nullptr) messageBox = nullptr;
    }
}

void cGarden::CreateScreens()
{
    // Without an engine core nobody would own a screen.
    if (vrk::GetGame() == nullptr) return;
    RegisterFrameworkObjectTypes();
    for (const char* name : kScreens) {
        vrk::cWidget* screen = registry_.MakeScreen(name);
        if (screen == nullptr) {
            vrk::LogWrite(kSender, kWarning, "Screen '%s' is not registered", vrk::FormatArg::FromText(name));
            continue;
        }
        const std::string screenName = name;
        if (screenName == kLevelScreen) {
            if (auto* level = dynamic_cast<cBaseWidget*>(screen)) level->SetViewControls(kHintWindow, kHintLabel, kHintFrame);
        } else if (screenName == kComicsScreen) {
            comicsScreen_ = dynamic_cast<cComicsBaseWidget*>(screen);
        }
    }
}

void cGarden::RunStartupScripts()
{
    vrk::cScript::RunFile(kAutoexecScript);
    // Only a developer's copy of the game has this one.
    if (vrk::FileExists(kCheatsScript)) vrk::cScript::RunFile(kCheatsScript);
    developerFlag = ReadDeveloperMode();
}

void cGarden::ShowCursor()
{
    vrk::cGame* game = vrk::GetGame();
    if (game == nullptr || !game->gui) return;
    vrk::cGUI& gui = *game->gui;
    gui.SetCursorTexture(kCursorTexture);
    gui.cursor.width = kCursorSize;
    gui.cursor.height = kCursorSize;
    gui.cursor.align = vrk::kAlignLeft | vrk::kAlignTop;
    gui.cursorShown = true;
}
