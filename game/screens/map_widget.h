// cMapWidget: the level map screen. On top of the map base it sizes the scene and
// the hint pop-up, plays the map's music, awards the three cup achievements on every
// visit, clears the weather when it is left, and fills the editor's palette with the
// map's scenery.
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

    cMapWidget();

    void OnFocus() override;
    void OnUnfocus() override;
    void InitLevel(const std::string& name) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

protected:
    // Each cup is earned once every level of the game holds at least its medal.
    void UnlockCups();
    void FillPalette();
};
