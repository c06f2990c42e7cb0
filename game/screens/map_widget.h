// cMapWidget: the level map screen. On top of the map base it sizes the scene and
// the hint pop-up, plays the map's music, awards the three cup achievements on every
// visit, clears the weather when it is left, fills the editor's palette with the
// map's scenery, and lays a sky-coloured ground under the scene.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/map_base_widget.h"

class cMapWidget : public cMapBaseWidget {
public:
    static constexpr float kSceneWidth = 1024.0f;
    static constexpr float kSceneHeight = 1024.0f;
    static constexpr const char* kMusic = "music0";
    static constexpr const char* kBronzeCup = "achieve_bronze_cup";
    static constexpr const char* kSilverCup = "achieve_silver_cup";
    static constexpr const char* kGoldCup = "achieve_gold_cup";
    // The top colour of the map's landscape picture (opaque ARGB).
    static constexpr uint32_t kSkyColor = 0xFF8AB8E0u;

    cMapWidget();

    // The scene is taller than its landscape picture: the band above it would show
    // whatever an earlier frame left in the back buffer, so the whole screen is first
    // given the sky's colour.
    void Draw() override;
    void OnFocus() override;
    void OnUnfocus() override;
    void InitLevel(const std::string& name) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

protected:
    // Each cup is earned once every level of the game holds at least its medal.
    void UnlockCups();
    void FillPalette();
};
