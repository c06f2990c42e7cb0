// cBaseWidget: the view (level size, centre, zoom), its matrix and the conversions
// between window pixels, the 1024 x 768 virtual screen and the world.
#include <algorithm>
#include <cmath>

#include "engine/render/render.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr float kHalfWidth = cBaseWidget::kVirtualWidth / 2.0f;
constexpr float kHalfHeight = cBaseWidget::kVirtualHeight / 2.0f;
constexpr float kFourThirds = 1.3333334f;
// Below this determinant the view is treated as not invertible.
constexpr float kSingularDeterminant = 1.1920929e-7f;

vrk::Matrix4 Identity()
{
    vrk::Matrix4 m;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) m.At(i, i) = 1.0f;
    return m;
}

// The 3 x 3 determinant of the matrix without one row and one column.
float Minor(const vrk::Matrix4& m, int skipRow, int skipColumn)
{
    float a[3][3];
    for (int row = 0, r = 0; row < vrk::Matrix4::kSize; ++row) {
        if (row == skipRow) continue;
        for (int column = 0, c = 0; column < vrk::Matrix4::kSize; ++column) {
            if (column == skipColumn) continue;
            a[r][c++] = m.At(row, column);
        }
        ++r;
    }
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
}

// The adjugate divided by the determinant; the identity for a singular matrix.
vrk::Matrix4 Inverse(const vrk::Matrix4& m)
{
    vrk::Matrix4 cofactors;
    for (int row = 0; row < vrk::Matrix4::kSize; ++row) {
        for (int column = 0; column < vrk::Matrix4::kSize; ++column) {
            const float sign = ((row + column) % 2 == 0) ? 1.0f : -1.0f;
            cofactors.At(row, column) = sign * Minor(m, row, column);
        }
    }
    float determinant = 0.0f;
    for (int column = 0; column < vrk::Matrix4::kSize; ++column) determinant += m.At(0, column) * cofactors.At(0, column);
    if (std::fabs(determinant) < kSingularDeterminant) return Identity();
    vrk::Matrix4 inverse;
    for (int row = 0; row < vrk::Matrix4::kSize; ++row) {
        for (int column = 0; column < vrk::Matrix4::kSize; ++column) {
            inverse.At(row, column) = cofactors.At(column, row) / determinant;
        }
    }
    return inverse;
}

// A point (row vector x, y, 0, 1) through the matrix.
vec2 Transform(const vrk::Matrix4& m, const vec2& p)
{
    return vec2{p.x * m.At(0, 0) + p.y * m.At(1, 0) + m.At(3, 0), p.x * m.At(0, 1) + p.y * m.At(1, 1) + m.At(3, 1)};
}

// One axis of ClampView: the centre stays where the view shows no area beyond the
// level; a level smaller than the view is centred.
float ClampAxis(float center, float zoom, float levelSize, float screenSize, float halfView)
{
    if (zoom * levelSize > screenSize) {
        center = std::max(center, halfView);
        if (levelSize - halfView <= center) center = levelSize - halfView;
        return center;
    }
    return levelSize * 0.5f;
}

}  // namespace

void cBaseWidget::ClampView()
{
    const float minimumZoom = std::min(kVirtualWidth / levelWidth_, kVirtualHeight / levelHeight_);
    zoom_ = std::min(std::max(zoom_, minimumZoom), kMaxZoom);
    // A level of no size gives no finite zoom; the view then keeps the nearest.
    if (!std::isfinite(zoom_)) zoom_ = kMaxZoom;
    center_.x = std::round(center_.x);
    center_.y = std::round(center_.y);
    const float halfWidth = kHalfWidth / zoom_;
    const float halfHeight = kHalfHeight / zoom_;
    center_.x = ClampAxis(center_.x, zoom_, levelWidth_, kVirtualWidth, halfWidth);
    center_.y = ClampAxis(center_.y, zoom_, levelHeight_, kVirtualHeight, halfHeight);
    view_ = Identity();
    view_.At(0, 0) = zoom_;
    view_.At(1, 1) = zoom_;
    view_.At(3, 0) = (halfWidth - center_.x) * zoom_;
    view_.At(3, 1) = (halfHeight - center_.y) * zoom_;
}

vec2 cBaseWidget::WindowToScreen(const vec2& pixel)
{
    const vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return vec2{kHalfWidth, kHalfHeight};
    int32_t width = render->screenRect.width;
    const int32_t height = render->screenRect.height;
    // A minimised window has no back buffer to map onto: the cursor is taken to be
    // in the middle, where it neither scrolls nor points at an edge.
    if (width <= 0 || height <= 0) return vec2{kHalfWidth, kHalfHeight};
    const auto width43 = static_cast<int32_t>(static_cast<float>(height) * kFourThirds);
    int32_t left = render->viewportRect.x;
    if (width43 < width) {
        left = (width - width43) / 2;
        width = width43;
    }
    return vec2{(pixel.x - static_cast<float>(left)) * kVirtualWidth / static_cast<float>(width),
                (1.0f - pixel.y / static_cast<float>(height)) * kVirtualHeight};
}

vec2 cBaseWidget::ScreenToWorld(const vec2& point) { return Transform(Inverse(view_), point); }

vec2 cBaseWidget::WorldToScreen(const vec2& point) { return Transform(view_, point); }

Rect cBaseWidget::WorldToScreenBox(const Rect& box)
{
    const vec2 corner = WorldToScreen(vec2{box.x, box.y});
    return Rect{corner.x, corner.y, box.width, box.height};
}

vec2 cBaseWidget::GetMouseWorldPos() { return ScreenToWorld(WindowToScreen(GetCursorPixel())); }

void cBaseWidget::SetLevelSize(float width, float height)
{
    levelWidth_ = width;
    levelHeight_ = height;
    ClampView();
}

void cBaseWidget::SetViewCenter(float x, float y)
{
    center_ = vec2{x, y};
    ClampView();
}

void cBaseWidget::SetZoom(float zoom)
{
    zoom_ = zoom;
    ClampView();
}
