// cMapPath: the spline through the open map points and its dots.
#include "framework/objects/map_path.h"

#include <set>

#include "engine/render/render.h"
#include "framework/objects/app_services.h"
#include "framework/objects/curve_catmull_rom_spline.h"
#include "framework/objects/map_point.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr uint32_t kEditorColor = 0x8080C0FFu;
constexpr const char* kEditorCaption = "Map Path";

}  // namespace

cMapPath::cMapPath(cObjectOwner* owner) : cObject(owner) {}

void cMapPath::SetSprite(const std::string& sprite)
{
    cObject::SetSprite(sprite);
    AddAnimation("base", "map_pt");
    SwitchAnimation("base");
}

void cMapPath::BuildPath()
{
    points_.clear();
    auto* screen = dynamic_cast<cBaseWidget*>(owner_);
    if (screen == nullptr) return;
    ObjectList mapPoints;
    screen->FindObjectsOfKind(mapPoints, kTypeMapPoint, -1);
    curve_CatmullRomSpline<vec2> spline;
    std::set<int32_t> indexes;
    for (cObject* object : mapPoints) {
        auto* point = dynamic_cast<cMapPoint*>(object);
        if (point == nullptr || point->GetState() == 0 || point->GetName().empty()) continue;
        // Two points of one level (a pasted copy) would give the spline a span of
        // length zero: the first keeps the place.
        if (!indexes.insert(point->GetIndex()).second) continue;
        spline.AddPoint(point->GetPosition(), static_cast<float>(point->GetIndex()));
    }
    const int32_t count = spline.GetPointCount();
    if (count < 2) return;
    // The spline is sampled by level index, which is why map points are numbered
    // without gaps.
    const int32_t dots = kDotsPerSpan * count - kDotsPerSpan;
    points_.reserve(static_cast<size_t>(dots));
    for (int32_t k = 0; k < dots; ++k) {
        vec2 value;
        spline.Evaluate(value, static_cast<float>(k) / static_cast<float>(kDotsPerSpan));
        points_.push_back(value);
    }
}

void cMapPath::Draw()
{
    if (GetAnimation() == nullptr || !anim_.info.texture) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t color = GetColor();
    for (const vec2& point : points_) anim_.Draw(*batch, point.x, point.y, color);
}

void cMapPath::DrawEditor()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, rect.x, rect.y, rect.width, rect.height,
                          kEditorColor);
    if (cAppServices* services = GetAppServices())
        services->DrawSystemText(kEditorCaption, position_.x, position_.y);
}

void cMapPath::GetFrameRect(Rect& rect, int32_t /*index*/) const
{
    rect = Rect{position_.x - kHandleWidth * 0.5f, position_.y - kHandleHeight * 0.5f, kHandleWidth, kHandleHeight};
}

void cMapPath::GetQuad(Quad& corners) const
{
    Rect rect;
    GetFrameRect(rect, -1);
    corners = Quad{vec2{rect.x, rect.y}, vec2{rect.x + rect.width, rect.y},
                   vec2{rect.x + rect.width, rect.y + rect.height}, vec2{rect.x, rect.y + rect.height}};
}
