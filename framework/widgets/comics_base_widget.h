// cComicsBaseWidget: the base of the comics screen. Its scene (one picture frame and
// one text object) comes from the application's copy of "comics.lvl" on every
// visit; the game tells it which pictures, font, texts and following screen to
// show, and the player pages through them with Enter, Space or a click.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/base_widget.h"
#include "framework/widgets/scene_save.h"

class cComicsFrame;
class cComicsText;

class cComicsBaseWidget : public cBaseWidget {
public:
    static constexpr const char* kName = "comics";
    // Opened over the pages only when a script registered a window of this name.
    static constexpr const char* kWindowName = "comics";
    static constexpr uintptr_t kEnterKey = 13;
    static constexpr uintptr_t kSpaceKey = 32;
    static constexpr uintptr_t kEscapeKey = 27;

    explicit cComicsBaseWidget(const std::string& name = kName);

    void OnFocus() override;
    void OnUnfocus() override;
    void LinkObjects() override;
    void ClearLevel() override;
    uint32_t ShowGui() override;
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

    // Pictures and text keys are lists separated by ";".
    virtual void SetComics(const std::string& frameList, const std::string& fontName, const std::string& textKeys,
                           const std::string& nextScreen);

    cComicsFrame* GetFrameObject() const { return frameObject_; }
    cComicsText* GetTextObject() const { return textObject_; }
    const std::string& GetNextScreen() const { return nextScreen_; }

protected:
    // Hands control back to the application, which moves on to the next screen.
    virtual void EndComics();

private:
    cComicsFrame* frameObject_ = nullptr;
    cComicsText* textObject_ = nullptr;
    std::string frameList_;
    std::string fontName_;
    std::string textKeys_;
    std::string nextScreen_;
    cSceneSave scene_;
};
