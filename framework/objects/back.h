// cBack: the background of a screen, up to four pictures named after the level and
// laid out two by two from the origin. It ignores moves, turns and scaling.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/render/texture.h"
#include "framework/objects/object.h"

class cBack : public cObject {
public:
    static constexpr size_t kSlotCount = 4;
    static constexpr int32_t kBackLayer = 2;
    // What it reports as its frame: the whole virtual screen.
    static constexpr float kScreenWidth = 1024.0f;
    static constexpr float kScreenHeight = 768.0f;

    explicit cBack(cObjectOwner* owner);
    ~cBack() override;

    void SetSprite(const std::string& ignored) override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    vec2 GetPosition() const override;
    void GetFrameRect(Rect& rect, int32_t index) const override;
    float GetAngle() const override;
    vec2 GetScale() const override;
    void GetQuad(Quad& corners) const override;
    void SetScaleV(const vec2& scale) override;
    void SetPositionV(const vec2& position) override;
    void MoveV(const vec2& delta) override;
    void SetAngle(float angle) override;
    void SetShapeOffsetV(const vec2& offset) override;
    void SetDrawOffsetV(const vec2& offset) override;

    // The texture of a slot (null when the picture is absent).
    const vrk::TexturePtr& GetSlot(size_t slot) const { return slots_[slot]; }
    // The registry name this object gives the texture of a slot.
    std::string SlotTextureName(size_t slot) const;

private:
    // Drops the slot's texture, and its registry entry while that is still ours.
    void ReleaseSlot(size_t slot);

    std::array<vrk::TexturePtr, kSlotCount> slots_{};
    // Makes this object's texture names its own, so two backgrounds (a screen being
    // left and one being entered) never take each other's pictures.
    uint32_t serial_ = 0;
};
