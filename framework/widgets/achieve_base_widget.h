// cAchieveBaseWidget: the base of the achievements screen. Its scene comes from the
// application's copy of "achieve.lvl" on every visit and goes back into it when the
// screen is left; the tiles are linked to the active player's progress.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/widgets/base_widget.h"
#include "framework/widgets/scene_save.h"

namespace vrk {
class cFont;
}

class cAchieveBaseWidget : public cBaseWidget {
public:
    static constexpr const char* kName = "achieve";
    static constexpr const char* kWindowName = "achieve";
    // The corner the screen's window covers: no edge scrolling there.
    static constexpr float kNoScrollWidth = 250.0f;
    static constexpr float kNoScrollHeight = 150.0f;

    explicit cAchieveBaseWidget(const std::string& name = kName);

    void OnFocus() override;
    void OnUnfocus() override;
    void LinkObjects() override;
    void DrawCaption(const CaptionRecord& record) override;
    uint32_t ShowGui() override;
    void EdgeScroll() override;
    uint32_t OnEditorEvent(uint32_t kind, uintptr_t param) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

    // Non-zero makes the tiles show their achievements' values.
    virtual int32_t GetScreenState() { return 0; }
    // Added to a tile's position for its caption and value text.
    virtual vec2 GetCaptionOffset() { return vec2{}; }
    // The font of the value text; none in the base, so no value is drawn.
    virtual std::shared_ptr<vrk::cFont> GetValueFont() { return nullptr; }

private:
    cSceneSave scene_;
};
