// cRenderHighlight: the glowing outline under the game object that the cursor rests
// on, pulsing around its footprint; its frame tells whether an order may be given
// there. The level screen keeps one per level.
#pragma once
#include "framework/objects/object.h"
#include "framework/objects/sprite_info.h"

class cRenderHighlight : public cObject {
public:
    static constexpr int32_t kHighlightLayer = 3;
    static constexpr const char* kHighlightSprite = "highlight";
    // The pulse advances this much per tick and wraps at a full turn.
    static constexpr float kPhaseStep = 0.1f;
    // How far the outline swings out from the footprint.
    static constexpr float kPulseReach = 2.0f;
    // Frame shown where an order may be given, and where it may not.
    static constexpr int32_t kAllowedFrame = 1;
    static constexpr int32_t kRefusedFrame = 0;

    // Takes the "highlight" sprite from the application.
    explicit cRenderHighlight(cObjectOwner* owner);

    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;

    float GetPhase() const { return phase_; }
    const SpriteInfo& GetHighlightSprite() const { return sprite_; }

private:
    SpriteInfo sprite_;
    float phase_ = 0.0f;
};
