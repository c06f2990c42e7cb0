// cMiddle's gateway to the GUI and to shared drawing: building windows from their
// scripts, opening dialogs, the message box and the commands it carries, the
// achievement pop-up, sprite lookup, system text and the widescreen side borders.
#include <lua.hpp>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "engine/script/script.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/message_box_wf.h"

namespace {

constexpr const char* kFillWindowFunction = "FillWindow";
constexpr const char* kMessageBoxWindow = "messagebox";
constexpr const char* kAchievePopupWindow = "level_achieve";
constexpr const char* kPopupSender = "cBaseWidget::PopupAchieve";
constexpr const char* kSystemFont = "a_fontsystem9";
constexpr const char* kCommandSeparator = ",";
constexpr intptr_t kDialogContext = 1;
constexpr uint32_t kIconMask = 0xFFu;
constexpr uint32_t kButtonMask = 0xFF00u;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// The 4:3 width of a back buffer height, as the GUI's pillar box computes it.
constexpr float kFourThirds = 1.3333334f;

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

const char* IconName(uint32_t flags)
{
    switch (flags & kIconMask) {
    case kMessageIconError:
        return "icon_error";
    case kMessageIconInfo:
        return "icon_info";
    case kMessageIconWarning:
        return "icon_warning";
    case kMessageIconQuestion:
        return "icon_question";
    default:
        return "";
    }
}

// Runs the script's FillWindow on the new window. An error there is dropped: the
// window is simply left as the script got it.
void CallLuaFillWindow(vrk::cWindow* window, const std::string& scriptPath)
{
    lua_State* state = vrk::GetLuaState();
    if (state == nullptr) return;
    const int top = lua_gettop(state);
    vrk::PushGlobalRaw(state, kFillWindowFunction);
    if (lua_isfunction(state, -1)) {
        lua_pushlightuserdata(state, window);
        vrk::cScript::Call(state, 1, scriptPath);
    }
    lua_settop(state, top);
}

// Each window script defines its own FillWindow; the one a previous script left must
// not build this window's controls.
void ForgetLuaFillWindow()
{
    lua_State* state = vrk::GetLuaState();
    if (state == nullptr) return;
    lua_pushnil(state);
    vrk::SetGlobalRaw(state, kFillWindowFunction);
}

}  // namespace

vrk::cWindow* cMiddle::FillWindow(const std::string& windowName, const std::string& scriptPath,
                                  std::unique_ptr<vrk::cWindowFunction> function)
{
    vrk::cGUI* gui = Gui();
    if (gui == nullptr) return nullptr;
    vrk::cWindow* window = gui->AddWindow(windowName, std::move(function));
    ForgetLuaFillWindow();
    if (vrk::cScript::RunFile(scriptPath) == 0) CallLuaFillWindow(window, scriptPath);
    if (vrk::cWindowFunction* handler = window->GetFunction()) {
        handler->OnEvent(window, vrk::kWndLocaleChanged, 0, 0);
        handler->OnEvent(window, vrk::kWndFilled, 0, 0);
    }
    return window;
}

bool cMiddle::ShowWindow(const std::string& windowName, intptr_t context)
{
    HideAchievePopup();
    windowContext = context;
    if (vrk::cGUI* gui = Gui()) gui->ShowWindow(windowName);
    return true;
}

void cMiddle::HideAchievePopup()
{
    vrk::cGUI* gui = Gui();
    if (gui == nullptr) return;
    // A snapshot: a close request may close a window, and the close notice may open
    // another.
    std::vector<std::shared_ptr<vrk::cWindow>> windows;
    for (const auto& [name, window] : gui->Windows()) {
        if (window && name != kAchievePopupWindow) windows.push_back(window);
    }
    for (const auto& window : windows) {
        if (!gui->IsWindowOpen(window->GetName()) || gui->FindWindow(window->GetName()) != window.get()) continue;
        if (vrk::cWindowFunction* handler = window->GetFunction())
            handler->OnEvent(window.get(), vrk::kWndCloseRequested, 0, 0);
    }
}

intptr_t cMiddle::GetWindowContext() { return windowContext; }

void cMiddle::OnDialogCommand(const std::string& windowName)
{
    if (windowName != kMessageBoxWindow || messageBox == nullptr) return;
    const auto [word, parameter] = vrk::SplitPair(messageBox->GetCommand(), kCommandSeparator);
    const bool firstButton = messageBox->GetResult() == cMessageBoxWF::kResultOk;

    if (word == "delete") {
        if (firstButton) {
            const auto [deleteId, logonId] = vrk::SplitPair(parameter, kCommandSeparator);
            LogonPlayer(logonId);
            DeletePlayer(deleteId);
        }
        ShowWindow("profile_select", kDialogContext);
    } else if (word == "profile_select" || word == "profile_new" || word == "profile_add") {
        ShowWindow(word, kDialogContext);
    } else if (word == "exit_game") {
        if (firstButton) {
            vrk::HostCommand("exit");
        } else {
            ShowWindow("menu", kDialogContext);
        }
    }
}

void cMiddle::MessageBox(uint32_t flags, const std::string& text, const std::string& command)
{
    if (messageBox == nullptr) {
        vrk::LogWrite("cMiddle", "^5", "message box is not registered: %s", vrk::FormatArg::FromString(text));
        return;
    }
    const std::string icon = IconName(flags);
    messageBox->SetTexts("", text);
    messageBox->SetImages(icon, icon);
    switch (flags & kButtonMask) {
    case kMessageButtonsOk:
        messageBox->SetButtons(vrk::FindText("Ok"), "");
        break;
    case kMessageButtonsOkCancel:
        messageBox->SetButtons(vrk::FindText("Ok"), vrk::FindText("Cancel"));
        break;
    case kMessageButtonsYesNo:
        messageBox->SetButtons(vrk::FindText("Yes"), vrk::FindText("No"));
        break;
    default:
        break;
    }
    messageBox->SetCommand(command);
    ShowWindow(kMessageBoxWindow, kDialogContext);
}

SpriteInfo cMiddle::GetSpriteInfoEx(const std::string& name) { return LookUpSpriteInfoEx(name); }

void cMiddle::DrawSystemText(const std::string& text, float x, float y)
{
    const vrk::FontPtr font = vrk::FindFont(kSystemFont);
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (!font || batch == nullptr) return;
    const vrk::TextRect extent = vrk::cRender::MeasureText(font.get(), text, true);
    vrk::cRender::DrawTextMarkup(*batch, font.get(), text, x - extent.width * 0.5f - extent.left,
                                 y - extent.height * 0.5f, nullptr);
}

void cMiddle::DrawFrameOverlay(vrk::VertexBatch* batch)
{
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr || batch == nullptr) return;
    const int32_t width = render->screenRect.width;
    const int32_t height = render->screenRect.height;
    const auto w43 = static_cast<int32_t>(static_cast<float>(height) * kFourThirds);
    if (w43 >= width) return;
    const int32_t margin = (width - w43) / 2;
    if (margin < 1) return;

    // The bars lie outside the GUI's 4:3 viewport: draw over the whole back buffer.
    render->SetViewport(0, 0, 0, 0);
    render->SetOrtho2D(false, static_cast<float>(width), static_cast<float>(height));
    batch->Clear();
    const float barWidth = std::floor(static_cast<float>(margin + 2));
    const float barHeight = std::floor(static_cast<float>(height));
    vrk::cRender::AddQuad(*batch, widescreenTexture, 0.0f, 0.0f, 1.0f, 1.0f, -1.0f, 0.0f, barWidth, barHeight,
                          kOpaqueWhite);
    vrk::cRender::AddQuad(*batch, widescreenTexture, 1.0f, 0.0f, -1.0f, 1.0f,
                          std::floor(static_cast<float>(margin + w43 - 1)), 0.0f, barWidth, barHeight, kOpaqueWhite);
    render->DrawVertexBatch(*batch);
    batch->Clear();
    render->SetVertexFormat(false, false, false, 0);
    render->SetViewport(0, 0, 0, 0);
}

void cMiddle::PopupAchieve(const std::string& spriteName, const std::string& textKey)
{
    vrk::cCtrl* image = vrk::FindControl(kAchievePopupWindow, "image");
    vrk::cCtrl* name = vrk::FindControl(kAchievePopupWindow, "name");
    if (image == nullptr || name == nullptr) {
        vrk::LogWrite(kPopupSender, "^5", "can't find some of window's elements");
        return;
    }
    const SpriteInfo info = GetSpriteInfoEx(spriteName);
    if (!info.texture) {
        vrk::LogWrite(kPopupSender, "^5", "icon not found");
        return;
    }
    vrk::cTexture& texture = *info.texture;
    if (vrk::FindTexture(texture.name) == info.texture && !texture.inUse) texture.inUse = true;
    texture.Apply();
    const FrameWindow frame = info.Window(0);
    image->SetTexture(texture.name, 0);
    image->SetUVRect(vrk::GuiRect{frame.u, frame.v, frame.width, frame.height}, 0);
    name->SetText(vrk::FindText(textKey), 0);
    if (vrk::cGUI* gui = Gui()) gui->ShowWindow(kAchievePopupWindow);
}
