// cAchieveWidget: the achievements screen. A tall wall, scrolled vertically, holds
// one plaque per achievement in three columns under a fixed front frame; the plaques
// show their values in the screen's own font. The wall and the plaques are built
// whenever the scene holds no plaque; they are the screen's own, never stored with
// the scene (plaques placed in the scene are shown as they are instead).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/objects/sprite_anim.h"
#include "framework/widgets/achieve_base_widget.h"

namespace vrk {
class cFont;
}

class cAchieveWidget : public cAchieveBaseWidget {
public:
    static constexpr float kSceneWidth = 1024.0f;
    static constexpr float kSceneHeight = 2922.0f;
    // Above the scene: clamped, the screen opens at the top of the wall.
    static constexpr float kOpeningViewY = 3456.0f;
    static constexpr float kTopMargin = 50.0f;
    static constexpr float kBottomMargin = 100.0f;
    // Plaques: three columns from x 260, 250 apart; rows 270 apart from 250 below
    // the top of the wall.
    static constexpr float kFirstColumn = 260.0f;
    static constexpr float kColumnStep = 250.0f;
    static constexpr float kFirstRowDepth = 250.0f;
    static constexpr float kRowStep = 270.0f;
    static constexpr int32_t kWallLayer = 0;
    static constexpr int32_t kPlaqueLayer = 6;
    static constexpr const char* kWallDescriptor = "simple=achieve_wall";
    static constexpr const char* kFrontSprite = "achieve_front";
    static constexpr const char* kWallTexture = "achieve1";
    static constexpr const char* kValueFont = "MonotypeCorsivaRegular36g";
    static constexpr float kValueOffsetY = -75.0f;

    cAchieveWidget();

    void InitLevel(const std::string& name) override;
    bool LoadLevel(vrk::cByteStream& stream, int32_t hint) override;
    void DrawPlay(vrk::VertexBatch& batch) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;
    int32_t GetScreenState() override { return screenState_; }
    vec2 GetCaptionOffset() override { return vec2{0.0f, kValueOffsetY}; }
    std::shared_ptr<vrk::cFont> GetValueFont() override { return valueFont_; }

    const SpriteAnim& GetFront() const { return front_; }

protected:
    // The wall pieces from the bottom of the scene up, then one plaque per
    // achievement of the application's list.
    void BuildWall();
    void BuildPlaques();

private:
    SpriteAnim front_;
    // Plaques draw their values while this is not 0.
    int32_t screenState_ = 1;
    std::shared_ptr<vrk::cFont> valueFont_;
};
