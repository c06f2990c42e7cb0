// The achievement pop-up's handler: the countdown that starts its fade-out.
#include "game/windows/achieve_popup_wf.h"

#include "engine/gui/gui.h"
#include "engine/gui/window.h"

namespace {

constexpr float kMillisecondsPerSecond = 1000.0f;

}  // namespace

int32_t cAchievePopupWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // A new achievement while one is shown restarts the time, also while the last
    // one fades out: the opening brings the pop-up back, and without a countdown
    // nothing would close it again.
    if (code == vrk::kWndOpened && !IsFailed()) countdown_ = kShownSeconds;
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    if (code == vrk::kWndUpdate && countdown_ > 0.0f) {
        countdown_ -= static_cast<float>(static_cast<uint32_t>(first)) / kMillisecondsPerSecond;
        if (countdown_ <= 0.0f && window != nullptr && window->GetGUI() != nullptr)
            window->GetGUI()->AskCloseWindow(window->GetName());
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
