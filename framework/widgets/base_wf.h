// cBaseWF: the game's common window-function base. Every dialog built on it fades in
// and out in half a second with a slight zoom, can be marked failed (then Esc still
// closes it), and tells the application when it has closed. Also here: the small
// lookup and messaging routines that handlers use to reach controls of named windows.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/window_function.h"
#include "framework/widgets/window_fade.h"

namespace vrk {
class cCtrl;
class cWindow;
}  // namespace vrk

// The window event that SendMessage delivers.
constexpr int32_t kWndMessage = 0x5001;

// Key numbers that the window event kWndKeyDown carries, as the dialogs answer them.
namespace window_key {
constexpr int32_t kEnter = 13;
constexpr int32_t kEscape = 27;
constexpr int32_t kSpace = 32;
}  // namespace window_key

class cBaseWF : public vrk::cWindowFunction {
public:
    // Opacity units per second: a full fade takes half a second.
    static constexpr float kFadeSpeed = cWindowFade::kSpeed;
    // Fades shorter than this happen at once.
    static constexpr float kInstantFade = cWindowFade::kInstant;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;
    // Marks the handler failed for good; a non-empty message is logged as a warning
    // with the window's name. Answers 0.
    virtual int32_t Fail(vrk::cWindow* window, const std::string& message);
    // False while failed or fading out; true when shown or fading in.
    virtual bool IsActive() const;

    float GetOpacity() const { return fade_.GetOpacity(); }
    float GetFadeTarget() const { return fade_.GetTarget(); }
    float GetFadeDuration() const { return fade_.GetDuration(); }
    bool IsFailed() const { return failed_; }

protected:
    // True while the handler should do nothing of its own: failed, or closing.
    bool IsClosingOrFailed() const { return failed_ || fade_.IsFadingOut(); }

private:
    int32_t Draw(vrk::cWindow* window, intptr_t first, intptr_t second);

    cWindowFade fade_;
    bool failed_ = false;
};

// The window's control of that name, or null; logs nothing.
vrk::cCtrl* ControlByName(vrk::cWindow* window, const std::string& name);
// True when the control index of a window event is the window's control of that
// name. A missing control matches nothing: the look-up answers the control count for
// it, which a press posted for any other missing control carries too.
bool IsNamedControl(const vrk::cWindow* window, intptr_t index, const std::string& name);
// Sends the named window's function kWndMessage and answers its
// result; 0 for a window without a function, and 0 with a warning for no window.
int32_t SendMessage(const std::string& windowName);
// Queues a press of the named control (window event 48) for the GUI's next update.
// False for a null window.
bool PostClick(vrk::cWindow* window, const std::string& controlName);
