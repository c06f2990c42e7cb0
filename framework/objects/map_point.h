// cMapPoint: one level on the level map. Its name is the level's index as decimal
// text; its state (closed, ready, bronze, silver, gold) follows the active player's
// record of that level and picks the picture it shows. The current level carries a
// selection marker, and hovering an open point shows the level's results.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/object.h"
#include "framework/objects/sprite_anim.h"

struct CaptionHandle;

class cMapPoint : public cObject {
public:
    // The highlight glows up to this while hovered.
    static constexpr float kMaxHighlight = 0.5f;
    static constexpr float kGlowUpRate = 5.0f;
    static constexpr float kGlowDownRate = -2.0f;
    // The caption sits this far up and right of the cursor.
    static constexpr float kCaptionOffset = 25.0f;

    explicit cMapPoint(cObjectOwner* owner);
    ~cMapPoint() override;

    void Update() override;
    void Draw() override;
    void DrawEditor() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override { return kTypeMapPoint; }
    bool IsKindOf(int32_t id) const override { return id == kTypeMapPoint || id == kTypeObject; }
    void SetSprite(const std::string& sprite) override;
    // Closed points have no picture and so cannot be hovered or clicked.
    int32_t HitTest(const vec2& point) override;

    virtual void SetSelected(uint8_t selected) { selected_ = selected; }
    virtual uint8_t IsSelected() const { return selected_; }
    virtual void SetIndex(int32_t index);
    // The name read as a decimal number (0 for a name that is none).
    virtual int32_t GetIndex() const;
    // The results of the point's level for the hover caption; empty while closed or
    // without a record.
    virtual std::string GetHintText();

    float GetHighlightSpeed() const { return highlightSpeed_; }
    bool HasCaption() const { return caption_ != nullptr; }

    // "m:ss" of a time in seconds, as the hint texts show it.
    static std::string FormatTime(float seconds);

private:
    void ReleaseOwnCaption();

    float highlightSpeed_ = 0.0f;
    uint8_t selected_ = 0;
    SpriteAnim selectionMarker_;
    SpriteAnim shadow_;
    CaptionHandle* caption_ = nullptr;
};
