// cBaseWidget's level editor: picking objects under a point or a rectangle, and the
// mouse: selecting, rubber-band selection, dragging, placing the palette's choice and
// scrolling the view with the right button.
#include <algorithm>
#include <cstddef>

#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr uint32_t kRightButton = 2;
constexpr const char* kSecondList = "second";
// Dragging with the right button throws the view this many times the cursor travel
// per second; Update lets it drift out.
constexpr float kRightDragThrow = 50.0f;

Rect FrameOf(const cObject& object)
{
    Rect frame;
    object.GetFrameRect(frame, -1);
    return frame;
}

// The two rectangles share an area of positive size (edges touching is not enough).
bool Overlaps(const Rect& a, const Rect& b)
{
    return std::max(a.x, b.x) < std::min(a.x + a.width, b.x + b.width) &&
           std::max(a.y, b.y) < std::min(a.y + a.height, b.y + b.height);
}

bool Contains(const ObjectList& list, const cObject* object)
{
    return std::find(list.begin(), list.end(), object) != list.end();
}

}  // namespace

// --- Picking ---

uint32_t cBaseWidget::PickObjects(ObjectList& list, const vec2& point)
{
    list.clear();
    for (size_t layer = 0; layer < layers_.size(); ++layer) {
        if (!IsLayerPickable(layer)) continue;
        for (cObject* object : layers_[layer]) {
            if (IsPointInRect(FrameOf(*object), point)) list.push_back(object);
        }
    }
    return static_cast<uint32_t>(list.size());
}

uint32_t cBaseWidget::PickObjectsInRect(ObjectList& list, const Rect& rect)
{
    for (size_t layer = 0; layer < layers_.size(); ++layer) {
        if (!IsLayerPickable(layer)) continue;
        for (cObject* object : layers_[layer]) {
            // An object already in the list is not taken twice: it would then move
            // twice as far with every drag.
            if (Overlaps(FrameOf(*object), rect) && !Contains(list, object)) list.push_back(object);
        }
    }
    return static_cast<uint32_t>(list.size());
}

void cBaseWidget::TogglePickedObjects(ObjectList& list, const vec2& point)
{
    for (size_t layer = 0; layer < layers_.size(); ++layer) {
        if (!IsLayerPickable(layer)) continue;
        for (cObject* object : layers_[layer]) {
            if (!IsPointInRect(FrameOf(*object), point)) continue;
            const auto at = std::find(list.begin(), list.end(), object);
            if (at != list.end()) {
                list.erase(at);
            } else {
                list.push_back(object);
            }
        }
    }
}

bool cBaseWidget::IsPointOnSelection(const ObjectList& list, const vec2& point)
{
    return std::any_of(list.begin(), list.end(),
                       [&point](const cObject* object) { return IsPointInRect(FrameOf(*object), point); });
}

// --- Mouse ---

uint32_t cBaseWidget::OnMouseDown(uint32_t button)
{
    const vec2 point = GetMouseWorldPos();
    if (button == kRightButton) {
        pendingType_ = 0;
        pendingSprite_.clear();
        ResetEditorList(kSecondList);
        selection_.clear();
        pressPoint_ = GetMouseScreenPos();
        dragLength_ = 0.0f;
        return 0;
    }
    if (pendingType_ == 0) {
        if (IsLeftControlDown()) {
            TogglePickedObjects(selection_, point);
        } else if (IsPointOnSelection(selection_, point)) {
            editorFlags_ |= kEditorDragging;
        } else if (PickObjects(selection_, point) == 0) {
            rubberBand_ = Rect{point.x, point.y, 0.0f, 0.0f};
            editorFlags_ |= kEditorRubberBand;
        } else {
            // Of the objects under the point only the one drawn first stays.
            selection_.resize(1);
            editorFlags_ |= kEditorDragging;
        }
    } else {
        selection_.clear();
        if (cObject* object = CreateObject(pendingType_, 0)) {
            object->SetSprite(pendingSprite_);
            object->SetPositionV(point);
            selection_.push_back(object);
            editorFlags_ |= kEditorDragging;
        }
    }
    dragAnchor_ = point;
    return 0;
}

uint32_t cBaseWidget::OnMouseMove(uint32_t /*packedPoint*/)
{
    if (IsSecondaryButtonDown()) {
        const vec2 cursor = GetMouseScreenPos();
        const vec2 travel = pressPoint_ - cursor;
        scrollVelocity_ = travel * kRightDragThrow;
        dragLength_ += travel.Length();
        pressPoint_ = cursor;
        return 0;
    }
    const vec2 point = GetMouseWorldPos();
    const vec2 delta = point - dragAnchor_;
    if ((editorFlags_ & kEditorRubberBand) != 0) {
        rubberBand_.width = point.x - rubberBand_.x;
        rubberBand_.height = point.y - rubberBand_.y;
    } else if ((editorFlags_ & kEditorDragging) != 0) {
        for (cObject* object : selection_) object->MoveV(delta);
    }
    dragAnchor_ = point;
    return 0;
}

uint32_t cBaseWidget::OnMouseUp(uint32_t /*button*/)
{
    if (rubberBand_.width < 0.0f) {
        rubberBand_.x += rubberBand_.width;
        rubberBand_.width = -rubberBand_.width;
    }
    if (rubberBand_.height < 0.0f) {
        rubberBand_.y += rubberBand_.height;
        rubberBand_.height = -rubberBand_.height;
    }
    if ((editorFlags_ & kEditorRubberBand) != 0) PickObjectsInRect(selection_, rubberBand_);
    rubberBand_ = Rect{};
    editorFlags_ &= ~(kEditorRubberBand | kEditorDragging);
    return 0;
}
