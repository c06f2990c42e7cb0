// cTalkWF: the window function of "talk", the dialogue at the start of a level. A
// key or a left press shows the next line (which fades in) or ends the talk after the
// last one; Esc ends it at once. The speakers' faces are drawn over the tinted frames
// at full colour. A close request shuts the window two updates later, without a fade.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cLevelWidget;
namespace vrk {
class cCtrl;
}

class cTalkWF : public cBaseWF {
public:
    // A line fades in over a third of a second.
    static constexpr float kFadeInPerSecond = 3.0f;
    // Updates between a close request and the close.
    static constexpr int32_t kCloseUpdates = 2;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    float GetLineOpacity() const { return lineOpacity_; }
    int32_t GetCloseCountdown() const { return closeCountdown_; }

private:
    void Update(vrk::cWindow* window, uint32_t milliseconds);
    void Draw(vrk::cWindow* window) const;
    // True when the input was the talk's: a level screen has the focus.
    bool OnInput(int32_t code, intptr_t first);

    vrk::cCtrl* leftFace_ = nullptr;
    vrk::cCtrl* rightFace_ = nullptr;
    float lineOpacity_ = 0.0f;
    int32_t closeCountdown_ = 0;
};
