// cNode: a route point that an object holds. Nodes are placed in the editor, saved
// with the level and attached to the object whose id their link id names; walkers
// head for the points of the nodes an object holds.
#pragma once
#include "framework/objects/object.h"

class cNode : public cObject {
public:
    static constexpr int32_t kNodeLayer = 7;
    // The editor marker: a square of this side centred on the position.
    static constexpr float kMarkerSize = 12.0f;
    static constexpr uint32_t kHeldColor = 0xFF000080u;
    static constexpr uint32_t kFreeColor = 0x80800000u;

    explicit cNode(cObjectOwner* owner);
    ~cNode() override;

    void Update() override;
    void UpdateFade(float dt) override;
    void Draw() override;
    void DrawEditor() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void GetFrameRect(Rect& rect, int32_t index) const override;
    void GetQuad(Quad& corners) const override;

    // The object the node is attached to, null when free. Set by cObject::Attach and
    // cleared by Detach, DetachAll and the holder's destruction.
    cObject* GetHolder() const { return holder_; }
    void SetHolder(cObject* holder) { holder_ = holder; }

private:
    cObject* holder_ = nullptr;
};
