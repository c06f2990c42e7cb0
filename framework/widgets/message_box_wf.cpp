// The message box's window function: filling its controls, pausing the game while it
// is open, and turning button presses and Enter / Esc into its result.
#include "framework/widgets/message_box_wf.h"

#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/platform/game_pause.h"

namespace {

constexpr const char* kWindowName = "messagebox";
constexpr int32_t kBuiltAnswer = 0;
constexpr int32_t kNotBuilt = 1;

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string LineControlName(size_t index)
{
    return "line" + std::to_string(index);
}

}  // namespace

int32_t cMessageBoxWF::SetImages(const std::string& imageTexture, const std::string& iconTexture)
{
    if (window_ == nullptr) return kNotBuilt;
    if (vrk::cCtrl* image = ControlByName(window_, "image")) image->SetTexture(imageTexture, 0);
    if (vrk::cCtrl* icon = ControlByName(window_, "icon")) icon->SetTexture(iconTexture, 0);
    return kBuiltAnswer;
}

int32_t cMessageBoxWF::SetTexts(const std::string& title, const std::string& text)
{
    if (window_ == nullptr) return kNotBuilt;
    if (vrk::cCtrl* titleCtrl = ControlByName(window_, "title")) titleCtrl->SetText(title, 0);
    // The icon stands beside the title: without one it would be a second, lone
    // picture of what "image" already shows.
    if (vrk::cCtrl* icon = ControlByName(window_, "icon")) icon->Show(!title.empty());
    if (vrk::cCtrl* textCtrl = ControlByName(window_, "text")) {
        textCtrl->SetText(text, 0);
        return kBuiltAnswer;
    }
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0;; ++i) {
        vrk::cCtrl* line = ControlByName(window_, LineControlName(i));
        if (line == nullptr) break;
        line->SetText(i < lines.size() ? lines[i] : std::string(), 0);
    }
    return kBuiltAnswer;
}

int32_t cMessageBoxWF::SetButtons(const std::string& okText, const std::string& cancelText)
{
    if (window_ == nullptr) return kNotBuilt;
    if (vrk::cCtrl* ok = ControlByName(window_, "ok")) ok->SetText(okText, 0);
    if (vrk::cCtrl* cancel = ControlByName(window_, "cancel")) {
        if (cancelText.empty()) {
            cancel->Show(false);
        } else {
            cancel->Show(true);
            cancel->SetText(cancelText, 0);
        }
    }
    return kBuiltAnswer;
}

void cMessageBoxWF::SetCommand(const std::string& command) { command_ = command; }

const std::string& cMessageBoxWF::GetCommand() const { return command_; }

int32_t cMessageBoxWF::GetResult() const { return result_; }

void cMessageBoxWF::TakePause()
{
    if (vrk::GetGame() == nullptr) return;
    vrk::HoldPause();
    ++pausesHeld_;
}

void cMessageBoxWF::GiveBackPauses()
{
    vrk::ReleasePauses(pausesHeld_);
    pausesHeld_ = 0;
}

void cMessageBoxWF::PressKey(vrk::cWindow* window, intptr_t key)
{
    if (key == window_key::kEnter) {
        PostClick(window, "ok");
    } else if (key == window_key::kEscape) {
        // Without a shown "cancel" the box has one answer, and Esc gives it.
        const vrk::cCtrl* cancel = ControlByName(window, "cancel");
        PostClick(window, cancel != nullptr && cancel->HasFlag(vrk::kCtrlShown) ? "cancel" : "ok");
    }
}

int32_t cMessageBoxWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // Opening and closing are balanced whatever state the fade is in: a box that
    // opens never inherits the answer of the box before it, and every pause it took
    // is given back when it closes.
    if (code == vrk::kWndOpened) {
        result_ = kResultCancel;
        TakePause();
    } else if (code == vrk::kWndClosed) {
        GiveBackPauses();
    }
    if (!IsActive()) return cBaseWF::OnEvent(window, code, first, second);

    switch (code) {
    case vrk::kWndFilled:
        window_ = window;
        break;
    case vrk::kWndClicked:
        if (window != nullptr && window->GetGUI() != nullptr) {
            window->GetGUI()->AskCloseWindow(kWindowName);
            if (IsNamedControl(window, second, "ok")) {
                result_ = kResultOk;
            } else if (IsNamedControl(window, second, "cancel")) {
                result_ = kResultCancel;
            }
        }
        break;
    case vrk::kWndKeyDown:
        PressKey(window, first);
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
