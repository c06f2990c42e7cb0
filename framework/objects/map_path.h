// cMapPath: the dotted path of the level map. It runs along a spline through the
// open map points, in level order, and draws one dot per path point.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/object.h"

class cMapPath : public cObject {
public:
    // Dots per span between two open points.
    static constexpr int32_t kDotsPerSpan = 5;
    // The editor's handle of the path: a rectangle of this size round its position.
    static constexpr float kHandleWidth = 100.0f;
    static constexpr float kHandleHeight = 50.0f;

    explicit cMapPath(cObjectOwner* owner);

    void Draw() override;
    void DrawEditor() override;
    int32_t GetTypeId() const override { return kTypeMapPath; }
    bool IsKindOf(int32_t id) const override { return id == kTypeMapPath || id == kTypeObject; }
    void SetSprite(const std::string& sprite) override;
    void GetFrameRect(Rect& rect, int32_t index) const override;
    void GetQuad(Quad& corners) const override;

    // Rebuilds the dots from the owner's open map points.
    virtual void BuildPath();

    const std::vector<vec2>& GetPoints() const { return points_; }

private:
    std::vector<vec2> points_;
};
