// cDecor: a decoration that sits, loops, cross-fades, picks random animations,
// scrolls its texture, sways about its base (trees, snowmen, a bat), bobs on waves
// or plays a little cycle with pauses (coffee steam). Its scenery descriptor, the
// sprite text of the level record, says which.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/object.h"
#include "framework/objects/scenery_descriptor.h"

class cDecor : public cObject {
public:
    static constexpr const char* kMainKey = "main";

    // One of the three wave motions of kind 8.
    struct WaveChannel {
        float phase = 0.0f;
        float rate = 1.0f;
        float amplitude = 0.0f;
    };

    explicit cDecor(cObjectOwner* owner);
    ~cDecor() override;

    void Update() override;
    void UpdateFade(float dt) override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    void GetQuad(Quad& corners) const override;
    bool Load(vrk::cByteStream& stream, uint32_t version) override;
    bool Save(vrk::cByteStream& stream) override;

    // Kind 4: plays one of the "rand%i" animations, chosen by the start weights.
    virtual void PickRandomAnimation();
    // Kinds 6, 7 and 10: the frame as a quad whose top edge swings about its base.
    virtual void DrawBent();

    DecorKind GetKind() const { return kind_; }
    const std::vector<float>& GetStartWeights() const { return startWeights_; }
    vec2 GetScrollSpeed() const { return scrollSpeed_; }
    float GetPhase() const { return phase_; }
    float GetRate() const { return rate_; }
    float GetTimer() const { return timer_; }
    const std::array<WaveChannel, 3>& GetWaves() const { return waves_; }

private:
    void ResetMotion();
    void SetUpSway(const SceneryDescriptor& descriptor);
    void UpdateSway();
    void UpdateBatTimer();
    void UpdateWaves();

    DecorKind kind_ = kDecorNone;
    std::vector<float> startWeights_;
    vec2 scrollSpeed_;
    float phase_ = 0.0f;
    float angleA_ = 0.0f;
    float angleB_ = 0.0f;
    float rate_ = 1.0f;
    std::array<WaveChannel, 3> waves_{};
    float timer_ = 0.0f;
    bool flag_ = false;
    // The angle the file gave; a wave decoration swings angle_ while it runs.
    float placedAngle_ = 0.0f;
};

// A value of the application's generator in [low, high): its 15 random bits over
// 32768, scaled. low when there is no application.
float SceneryRandom(float low, float high);
