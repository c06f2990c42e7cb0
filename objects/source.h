// cSource: a resource site that a worker works without building anything: a tree
// (wood once, then a stump), a gold nugget (money in portions), a well (mana without
// end) or any other sprite placed as a source. The class also keeps the level's
// counts of living trees and nuggets, unlocks the last-tree and last-nugget
// achievements and loses level "011" when its marked tree falls too early.
// Set-up, states and work live in source.cpp; update and drawing in source_draw.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"
#include "framework/objects/particle.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

// A swing between two bounds: the phase runs 0..1 and back at its speed.
struct SourceSwing {
    float low = 0.0f;
    float high = 0.0f;
    float phase = 0.0f;
    float speed = 0.0f;

    // low + (high - low) * phase.
    float Value() const { return low + (high - low) * phase; }
    // Moves the phase, turning back at 0 and 1.
    void Step(float dt);
};

class cSource : public cGameObject {
public:
    enum SourceKind : int32_t {
        kKindOther = 0,
        kKindNugget = 1,
        kKindWell = 2,
        kKindTree = 3,
    };
    // State after the last portion: a tree is then a stump.
    static constexpr int32_t kStateExhausted = 2;
    static constexpr int32_t kSourceLayer = 6;
    // Portions of a source that never runs dry.
    static constexpr int32_t kEndless = -1;
    // The leaves fall this long after they are switched on.
    static constexpr float kLeavesSeconds = 3.0f;
    // Each tick the blow's swing shrinks to this share.
    static constexpr float kShakeDecay = 0.9f;
    static constexpr float kShakeAmplitude = 0.3f;
    static constexpr float kShakeSpeed = 6.0f;
    static constexpr float kGlowLow = 0.3f;
    static constexpr float kGlowHigh = 1.0f;
    static constexpr float kGlowSpeed = 0.5f;

    explicit cSource(cObjectOwner* owner);
    ~cSource() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    int32_t HitTest(const vec2& point) override;
    // A living tree's picture where its crown is bent to now.
    vrk::TexelCover CoverAt(const vec2& point) const override;
    void GetLinkedPoints(std::vector<vec2>& points) const override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    ResourceVector GetCost() override;
    ResourceVector GetYield() override;
    std::string GetHintText() override;
    int32_t UpdateTimer(float dt) override;
    float GetRadius() override;

    // --- Its own operations ---
    // A living tree: the current frame as one quad whose crown bends by the swing.
    virtual void DrawTree();
    virtual void SetPortions(int32_t portions);
    // Falling leaves for kLeavesSeconds (on), or none (off).
    virtual void ShowLeaves(bool on);
    // A blow from the point: the tree shakes away from it and sparks fly that way.
    virtual void Strike(const vec2& from);

    // --- Plain access ---
    int32_t GetKind() const { return kind_; }
    int32_t GetPortions() const { return portions_; }
    bool IsHeldByGoblin() const { return heldByGoblin_ != 0; }
    void SetHeldByGoblin(bool held) { heldByGoblin_ = held ? 1 : 0; }
    bool IsTree() const { return kind_ == kKindTree; }
    // The crown's bend in radians: the idle sway plus the blow's shake.
    float GetBendAngle() const { return sway_.Value() + shake_.Value(); }
    // The corners DrawTree draws (bottom-left, bottom-right, top-right, top-left);
    // all zero without a frame.
    void GetTreeQuad(Quad& corners) const;
    // The frame rectangle with its top corners turned by the angle about its centre.
    static void BendFrame(const Rect& frame, float angle, Quad& corners);
    const SourceSwing& GetSway() const { return sway_; }
    const SourceSwing& GetShake() const { return shake_; }
    const TimedValue<float>& GetGlow() const { return glow_; }
    const TimedValue<float>& GetLeavesTimer() const { return leavesTimer_; }
    const EffectHolder& GetLeaves() const { return leaves_; }
    const EffectHolder& GetSparks() const { return sparks_; }
    const SpriteAnim& GetShadow() const { return shadow_; }

private:
    // The level counters and events of entering 1 and 2.
    void OnReady(int32_t oldState);
    void OnExhausted();
    // Level "011": the marked tree falls while the marked stone still stands.
    void CheckEarlyFelling();
    // Keeps the effects over the source when it is moved (the editor places
    // objects after their set-up).
    void PlaceEffects();
    void UpdateGlow();

    int32_t kind_ = kKindOther;
    int32_t portions_ = kEndless;
    ResourceVector cost_;
    ResourceVector yield_;
    SpriteAnim shadow_;
    EffectHolder leaves_;
    TimedValue<float> leavesTimer_;
    SourceSwing sway_;
    SourceSwing shake_;
    EffectHolder sparks_;
    // The spark effect's own start velocities: a blow from the left uses them, a
    // blow from the right mirrors them.
    ParticleVec3 sparkVelocityMin_;
    ParticleVec3 sparkVelocityMax_;
    SpriteAnim water_;
    SpriteAnim glowSprite_;
    TimedValue<float> glow_;
    uint8_t heldByGoblin_ = 0;
    // A living tree is in the level's count; the flag keeps a tree from being counted
    // twice when it enters state 1 again without having been felled.
    uint8_t countedAsLiving_ = 0;
};
