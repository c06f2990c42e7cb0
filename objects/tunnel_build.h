// cTunnelBuild: a one-off special building (the lighthouse, the ruins, the ice
// castle, the advisor's tower and the source of the water of life). It is not paid
// up front: the workers on it pay its price off one unit per second of work each,
// and the last payment finishes it through the building's ordinary completion
// (achievements, the lighthouse's light, the fountain, the level's end).
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/resource_vector.h"
#include "objects/build.h"

class cTunnelBuild : public cBuild {
public:
    // A floating "-" caption once this many units have been paid.
    static constexpr int32_t kPaidCaptionUnits = 4;
    // Seconds of work per payment.
    static constexpr float kPayPeriod = 1.0f;

    explicit cTunnelBuild(cObjectOwner* owner);
    ~cTunnelBuild() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // The picture as a building's answers (HitsPicture); workers inside do not hide it.
    int32_t HitTest(const vec2& point) override;

    // --- Overrides of cGameObject ---
    int32_t GetOrderState() override;
    // One instalment.
    ResourceVector GetCost() override;
    std::string GetHintText() override;
    // One payment per second of work; 0 when a payment fails or the price is paid.
    int32_t UpdateTimer(float dt) override;
    // The paid share of the price.
    float GetTimerProgress() override;

    // --- Plain access ---
    const ResourceVector& GetInstalment() const { return instalment_; }
    const ResourceVector& GetPriceLeft() const { return priceLeft_; }
    const ResourceVector& GetPrice() const { return price_; }
    float GetPayTimer() const { return payTimer_; }
    const EffectHolder& GetFireEffect() const { return fireEffect_; }
    const EffectHolder& GetSmokeEffect() const { return smokeEffect_; }

private:
    // The last payment: the lighthouse lights up and the building is finished.
    void OnPaidOff();
    // The first "anim=source_fountain" object comes into view.
    void RevealFountain();

    ResourceVector instalment_;
    ResourceVector priceLeft_;
    float payTimer_ = kPayPeriod;
    EffectHolder fireEffect_;
    EffectHolder smokeEffect_;
    ResourceVector paidShown_;
};
