// cOptionsWF: the options window ("options"): the sound and music volumes (with a
// feedback sound), full screen or windowed, the logged-on player's tutorial hints,
// the language choice when the game has one, and the way back to the menu it came
// from.
#pragma once
#include <cstdint>
#include <memory>

#include "framework/widgets/base_wf.h"

namespace vrk {
class cCheckBoxSysCtrl;
class cSliderCtrl;
class cSound;
}  // namespace vrk

class cOptionsWF : public cBaseWF {
public:
    cOptionsWF();
    ~cOptionsWF() override;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // The feedback sound of the sound slider; null before the window is built.
    vrk::cSound* GetTypingSound() const { return typing_.get(); }

private:
    void LookUpControls(vrk::cWindow* window);
    void ShowState();
    void PlayFeedback();
    void OnSlider(vrk::cWindow* window, intptr_t control);
    void OnCheckBox(vrk::cWindow* window, intptr_t checked, intptr_t control);
    void OnButton(vrk::cWindow* window, intptr_t control);

    vrk::cSliderCtrl* sound_ = nullptr;
    vrk::cSliderCtrl* music_ = nullptr;
    vrk::cCheckBoxSysCtrl* fullScreen_ = nullptr;
    vrk::cCheckBoxSysCtrl* hints_ = nullptr;
    std::unique_ptr<vrk::cSound> typing_;
};
