// cLinkSysCtrl: a text that acts as a button: it changes colour under the mouse and
// reports every release that reaches it as a click.
#pragma once
#include "engine/gui/label_ctrl.h"

namespace vrk {

class cLinkSysCtrl : public cLabelCtrl {
public:
    // SetColor's which: this value sets the normal colour, any other the hover colour.
    static constexpr int32_t kColorNormal = 0;

    struct Rgba {
        float red = 1.0f;
        float green = 1.0f;
        float blue = 1.0f;
        float alpha = 1.0f;
    };

    cLinkSysCtrl(cWindow* window, const std::string& name);

    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    const char* GetClassName() const override { return "cLinkSysCtrl"; }

    const Rgba& GetNormalColor() const { return normalColor_; }
    const Rgba& GetHoverColor() const { return hoverColor_; }

private:
    void ShowColor(const Rgba& color);

    Rgba normalColor_;
    Rgba hoverColor_;
};

}  // namespace vrk
