// cRenderArea: a marker object that lets its screen draw content of its own at the
// marker's place in the layer order (the level screen keeps one per level), and the
// small interface through which a screen receives that call.
#pragma once
#include "framework/objects/object.h"

// What a screen that hosts a render area implements.
class cRenderAreaHost {
public:
    virtual ~cRenderAreaHost() = default;
    // Draws the screen's own area content now.
    virtual void DrawRenderArea() = 0;
};

class cRenderArea : public cObject {
public:
    static constexpr int32_t kRenderAreaLayer = 4;

    explicit cRenderArea(cObjectOwner* owner);

    // Hands drawing to the owner when the owner hosts render areas.
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
};
