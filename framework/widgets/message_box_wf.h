// cMessageBoxWF: the window function of the game's one modal question box
// ("messagebox"): a title, a text, a picture and an icon, an "ok" and an optional
// "cancel" button. The application fills it, opens it with a command text and, once
// it has closed, reads the command and which button answered.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/base_wf.h"

class cMessageBoxWF : public cBaseWF {
public:
    enum Result : int32_t { kResultOk = 0, kResultCancel = 1 };

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // Each set-up answers 1 and changes nothing before the window is built, else 0;
    // missing controls are skipped.
    virtual int32_t SetImages(const std::string& imageTexture, const std::string& iconTexture);
    // The text goes to "text" when the window has one, else line by line to
    // "line0", "line1", ... (the rest emptied). "icon" shows only with a title.
    virtual int32_t SetTexts(const std::string& title, const std::string& text);
    // An empty cancel text hides "cancel".
    virtual int32_t SetButtons(const std::string& okText, const std::string& cancelText);
    virtual void SetCommand(const std::string& command);
    virtual const std::string& GetCommand() const;
    virtual int32_t GetResult() const;

    vrk::cWindow* GetWindow() const { return window_; }
    // The pauses of the focused screen's fixed tick that this box holds now.
    int32_t GetPausesHeld() const { return pausesHeld_; }

private:
    void TakePause();
    void GiveBackPauses();
    void PressKey(vrk::cWindow* window, intptr_t key);

    int32_t result_ = kResultCancel;
    std::string command_;
    vrk::cWindow* window_ = nullptr;
    int32_t pausesHeld_ = 0;
};
