// cParticlesDecor: a particle effect placed in the editor ("snow=64", "fire"): the
// sprite text of its level record is the effect descriptor.
#pragma once
#include <memory>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/object.h"

class cParticlesDecor : public cObject {
public:
    // The editor square of the object: larger when it carries an effect.
    static constexpr float kEffectSquare = 100.0f;
    static constexpr float kEmptySquare = 40.0f;

    explicit cParticlesDecor(cObjectOwner* owner);
    ~cParticlesDecor() override;

    void UpdateFade(float dt) override;
    void Draw() override;
    void DrawSelection() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    void GetFrameRect(Rect& rect, int32_t index) const override;

    // Null before the first SetSprite.
    EffectHolder* GetEffect() const { return effect_.get(); }

private:
    std::unique_ptr<EffectHolder> effect_;
};
