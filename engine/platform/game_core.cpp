// The engine core: creation and destruction order of the engine singletons, the frame,
// input routing and screen switching.
#include "engine/platform/game_core.h"

#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/log/console.h"
#include "engine/log/log.h"
#include "engine/log/logger.h"
#include "engine/platform/fixed_step.h"
#include "engine/platform/host_services.h"
#include "engine/platform/widget.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "engine/script/data_file.h"
#include "engine/script/script.h"
#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"

namespace vrk {

namespace {

const char* const kSender = "cGame";
const char* const kText = "^6";
const char* const kWarning = "^5";

// Drawn when no screen has the focus, so a missing screen is plain to see.
constexpr float kNoScreenRed = 1.0f;
constexpr float kNoScreenGreen = 0.25f;
constexpr float kNoScreenBlue = 0.25f;
constexpr float kNoScreenAlpha = 0.0f;

constexpr intptr_t kPackShift = 65536;
constexpr int32_t kLowHalf = 0xFFFF;

// The GUI window codes of a released button: left, middle, and the right one's 0.
int32_t ButtonUpCode(int32_t button)
{
    if (button == 0) return kWndLeftUp;
    if (button == 1) return kWndMiddleUp;
    return kWndRightButton;
}

// y * 65536 + (x & 0xFFFF), the packing both the widgets and the windows read.
intptr_t PackWindowPoint(int32_t x, int32_t y)
{
    return static_cast<intptr_t>(y) * kPackShift + (x & kLowHalf);
}

cGame* g_game = nullptr;

// The user's settings file: written by the game at exit, but read back as data only,
// each value with the one type its reader takes (the locale also as a number, which
// reads as its text form).
constexpr const char* kSettingsFile = "{AppPath}/conf/settings.lua";
constexpr DataField kSettingsFields[] = {
    {"runWindowed", kDataBoolean},
    {"soundVolume", kDataNumber},
    {"musicVolume", kDataNumber},
    {"currentLocale", kDataString | kDataNumber},
};

}  // namespace

cGame* GetGame() { return g_game; }

cGame::cGame(port::AudioOutputKind audio)
{
    batch = std::make_unique<VertexBatch>();
    gui = std::make_unique<cGUI>(kGuiWidth, kGuiHeight);
    g_game = this;

    logger_ = std::make_unique<Logger>();
    logger_->SetConsole(std::make_unique<Console>());
    LogWrite(kSender, kText, "System paths:");
    LogPlain("  {ExePath} = %s\n", FormatArg::FromString(GetPathMacro("{ExePath}")));
    LogPlain("  {StaticPath} = %s\n", FormatArg::FromString(GetPathMacro("{StaticPath}")));
    LogPlain("  {AppPath} = %s\n", FormatArg::FromString(GetPathMacro("{AppPath}")));
    LogPlain("  {UserPath} = %s\n", FormatArg::FromString(GetPathMacro("{UserPath}")));

    CreateScript();
    CreateRender();
    CreateSoundManager(audio);
    RunDataFile(kSettingsFile, kSettingsFields);
}

cGame::~cGame()
{
    focused = nullptr;
    // One at a time, so a widget's destructor still finds the others' list intact.
    while (!widgets_.empty()) widgets_.pop_front();

    DestroyRender();
    DestroyScript();
    DestroySoundManager();

    GetFontMap().clear();
    GetTextureMap().clear();
    ResetTextTable();

    batch.reset();
    gui.reset();

    if (HtmlLog* html = logger_->GetHtmlLog()) html->Close();
    logger_->SetConsole(nullptr);
    logger_.reset();
    g_game = nullptr;
}

Console* cGame::GetConsole() const
{
    return logger_ ? dynamic_cast<Console*>(logger_->GetConsole()) : nullptr;
}

void cGame::AdoptWidget(cWidget* widget)
{
    if (widget != nullptr) widgets_.emplace_back(widget);
}

int cGame::DrawFrame()
{
    cRender* render = GetRender();
    if (render) render->ZeroFrameCounters();
    if (focused != nullptr) {
        focused->Draw();
    } else if (render) {
        render->SetClearColor(kNoScreenRed, kNoScreenGreen, kNoScreenBlue, kNoScreenAlpha);
        render->ClearRenderTarget();
    }
    if (Console* console = GetConsole()) console->Draw(lastFrameTime);
    if (render) render->KeepFrameCounters();
    ++frameCount;
    return 0;
}

int cGame::UpdateFrame(float dt)
{
    lastFrameTime = dt;
    if (AdvanceFixedStep(fixedStepAccumulator, dt)) {
        gui->Update(kFixedTick);
        if (focused != nullptr && suspended == 0) focused->Tick();
    }
    if (focused != nullptr && suspended == 0) focused->Update(dt);
    return 0;
}

int cGame::Resize(int32_t width, int32_t height)
{
    if (cRender* render = GetRender()) render->SetScreenRect(0, 0, width, height == 0 ? 1 : height);
    gui->clientRect = ClientRect{0, 0, width, height};
    return 0;
}

int cGame::OnKeyDown(int32_t virtualKey)
{
    Console* console = consoleActive != 0 ? GetConsole() : nullptr;
    if (console != nullptr && console->OnKey(virtualKey)) return 1;
    if (gui->OnKey(virtualKey)) return 1;
    if (focused == nullptr || suspended != 0) return 0;
    return focused->OnEvent(kWidgetKeyDown, virtualKey) != 0 ? 1 : 0;
}

int cGame::OnChar(int32_t character)
{
    Console* console = consoleActive != 0 ? GetConsole() : nullptr;
    if (console != nullptr && character >= 0 && console->OnChar(static_cast<uint32_t>(character)))
        return 1;
    if (gui->OnChar(character)) return 1;
    if (focused == nullptr || suspended != 0) return 0;
    return focused->OnEvent(kWidgetChar, character) != 0 ? 1 : 0;
}

int cGame::OnMouseDown(int32_t button, int32_t x, int32_t y)
{
    if (gui->OnMouseButton(x, y, button, false)) return 1;
    if (focused == nullptr || suspended != 0) return 0;
    return focused->OnEvent(kWidgetButtonDown, button) != 0 ? 1 : 0;
}

int cGame::OnMouseUp(int32_t button, int32_t x, int32_t y)
{
    int32_t guiX = x;
    int32_t guiY = y;
    gui->ScreenToGui(guiX, guiY);
    if (gui->WalkOpenWindows(ButtonUpCode(button), 0, PackWindowPoint(guiX, guiY))) return 1;
    if (focused == nullptr || suspended != 0) return 0;
    return focused->OnEvent(kWidgetButtonUp, button) != 0 ? 1 : 0;
}

int cGame::OnMouseMove(int32_t x, int32_t y)
{
    if (gui->OnMouseMove(x, y)) return 1;
    if (focused == nullptr || suspended != 0) return 0;
    return focused->OnEvent(kWidgetMouseMove, PackWindowPoint(x, y)) != 0 ? 1 : 0;
}

void cGame::SetFocus(const std::string& name)
{
    if (focused != nullptr && focused->GetName() == name) {
        LogWrite(kSender, kWarning, "Widget with name '%s' is focused already.",
                 FormatArg::FromString(name));
        return;
    }
    if (focused != nullptr) focused->OnUnfocus();
    focused = nullptr;
    for (const auto& widget : widgets_) {
        if (widget->GetName() != name) continue;
        focused = widget.get();
        suspended = 0;
        focused->OnFocus();
        LogWrite(kSender, kText, "Set focus to widget with name '%s'.", FormatArg::FromString(name));
        return;
    }
    LogWrite(kSender, kWarning, "Widget with name '%s' not found.", FormatArg::FromString(name));
}

void cGame::SetTitle(const std::string& title) { HostCommand(("title=" + title).c_str()); }

}  // namespace vrk
