// cMenuWidget: the main menu's screen. It paints a light grey ground under the menu
// scene (the scene need not cover the whole screen), plays the menu music on every
// visit and offers the editor the menu's scenery in three palettes. Its scene is seen
// from the side, so the birds' shadows fall on the ground below its sky line only.
// Leaving it keeps the base's behaviour: the scene is not written back.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/menu_base_widget.h"

class cMenuWidget : public cMenuBaseWidget {
public:
    // Opaque light grey, ARGB.
    static constexpr uint32_t kGroundColor = 0xFFC0C0C0u;
    static constexpr const char* kMusic = "music0";
    // The menu's background shows sky above this height: the lowest point of the
    // hills' skyline, so everything below it is meadow or hill.
    static constexpr float kSkyLine = 376.0f;

    cMenuWidget();

    void Draw() override;
    void OnFocus() override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;
    float GetSkyLine() const override { return kSkyLine; }

protected:
    // Fills the editor palette with the named palette ("second", "people" or
    // "tree"); false for any other name.
    bool FillPalette(const std::string& paletteName);
};
