// cLevelWidget: the editor half of the level screen: the grid overlay, the area tool
// (editor tool 11) that paints terrain codes on the path grid, and dropping a route
// node (editor tool 3) onto the game object under it.
#include <algorithm>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/node.h"
#include "framework/objects/object.h"
#include "framework/widgets/editor_keys.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr uint32_t kLeftButton = 0;
constexpr uint32_t kRightButton = 2;
constexpr float kGridLineWidth = 1.0f;
constexpr uint32_t kGridLineColor = 0xFF00FF00u;
constexpr uint32_t kSelectedCellColor = 0x80FF0000u;
constexpr uint32_t kBlockedCellColor = 0x460000FFu;
constexpr uint32_t kImpassableCellColor = 0x96000000u;
constexpr uint32_t kFreeCellColor = 0x8000FF00u;
constexpr uint32_t kVerySlowCellColor = 0x80FF0000u;
// Slow cells and anything unexpected get a transparent quad.
constexpr uint32_t kClearCellColor = 0;
constexpr uint32_t kTriangleVertices = 6;
constexpr GridCell kNoCell{-1, -1};

uint32_t CellColor(int32_t code)
{
    switch (code) {
    case kTerrainBlockedByObject: return kBlockedCellColor;
    case kTerrainImpassable: return kImpassableCellColor;
    case kTerrainFree: return kFreeCellColor;
    case kTerrainVerySlow: return kVerySlowCellColor;
    default: return kClearCellColor;
    }
}

void AddLine(vrk::VertexBatch& batch, const vec2& from, const vec2& to)
{
    vrk::cRender::DrawLine(batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, from.x, from.y, to.x, to.y, kGridLineWidth,
                           kGridLineColor);
}

// The terrain code a key paints with; false for other keys.
bool CodeOfKey(uint32_t key, int32_t& code)
{
    switch (key) {
    case editor_key::kDigit0: code = kTerrainFree; return true;
    case editor_key::kDigit1: code = kTerrainSlow; return true;
    case editor_key::kDigit2: code = kTerrainVerySlow; return true;
    case editor_key::kMinus: code = kTerrainImpassable; return true;
    default: return false;
    }
}

}  // namespace

// --- Grid overlay ---

void cLevelWidget::DrawGrid()
{
    if (showGrid_ == 0) return;
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (batch == nullptr) return;
    const int32_t width = GetGridWidth();
    const int32_t height = GetGridHeight();
    if (width < 1 || height < 1) return;

    vec2 from;
    vec2 to;
    // Column edges: the left edge of every column and the right edge of the last.
    for (int32_t x = 0; x <= width; ++x) {
        GetCellCorners(x, 0, &from, nullptr, nullptr, nullptr);
        GetCellCorners(x, height - 1, nullptr, &to, nullptr, nullptr);
        AddLine(*batch, from, to);
    }
    // Row edges: the lower edge of every row and the upper edge of the last.
    for (int32_t y = 0; y <= height; ++y) {
        GetCellCorners(0, y, &from, nullptr, nullptr, nullptr);
        GetCellCorners(width - 1, y, nullptr, nullptr, nullptr, &to);
        AddLine(*batch, from, to);
    }

    const bool areaTool = IsEditorMode() && pendingType_ == kAreaTool;
    vec2 c00;
    vec2 c01;
    vec2 c11;
    vec2 c10;
    for (int32_t x = 0; x < width; ++x) {
        for (int32_t y = 0; y < height; ++y) {
            const uint32_t color =
                areaTool && IsCellSelected(x, y) ? kSelectedCellColor : CellColor(GetCellCost(x, y));
            GetCellCorners(x, y, &c00, &c01, &c11, &c10);
            FillQuad(c00, c01, c11, c10, color);
        }
    }
}

void cLevelWidget::FillQuad(const vec2& p0, const vec2& p1, const vec2& p2, const vec2& p3, uint32_t color)
{
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (batch == nullptr) return;
    vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(*batch, nullptr, kTriangleVertices);
    if (out == nullptr) return;
    const vec2 corners[kTriangleVertices] = {p0, p3, p1, p1, p3, p2};
    for (uint32_t i = 0; i < kTriangleVertices; ++i) {
        out[i].x = corners[i].x;
        out[i].y = corners[i].y;
        out[i].z = 0.0f;
        out[i].color = color;
        out[i].u = 0.0f;
        out[i].v = 0.0f;
    }
}

// --- Area tool ---

bool cLevelWidget::IsCellSelected(int32_t x, int32_t y) const
{
    return x >= std::min(selectionA_.x, selectionB_.x) && x <= std::max(selectionA_.x, selectionB_.x) &&
           y >= std::min(selectionA_.y, selectionB_.y) && y <= std::max(selectionA_.y, selectionB_.y);
}

void cLevelWidget::FillCells(const GridCell& cell, int32_t code)
{
    const int32_t width = GetGridWidth();
    const int32_t height = GetGridHeight();
    // A start outside the grid has nothing to flood from (and the walks would count
    // through every column up to it).
    if (cell.x < 0 || cell.y < 0 || cell.x >= width || cell.y >= height) return;
    const int32_t startCode = GetCellCost(cell.x, cell.y);
    // Each column's walk stops at the first cell of another code; every column of
    // the range is walked.
    const auto sweep = [&](int32_t xFrom, int32_t xTo, int32_t xStep, int32_t yFrom, int32_t yTo, int32_t yStep) {
        for (int32_t x = xFrom; x != xTo + xStep; x += xStep) {
            for (int32_t y = yFrom; y != yTo + yStep; y += yStep) {
                if (GetCellCost(x, y) != startCode) break;
                SetCellCost(x, y, code);
            }
        }
    };
    sweep(cell.x, 0, -1, cell.y, 0, -1);
    if (cell.y + 1 <= height - 1) sweep(cell.x, 0, -1, cell.y + 1, height - 1, 1);
    if (cell.x + 1 <= width - 1) {
        sweep(cell.x + 1, width - 1, 1, cell.y, 0, -1);
        if (cell.y + 1 <= height - 1) sweep(cell.x + 1, width - 1, 1, cell.y + 1, height - 1, 1);
    }
}

uint32_t cLevelWidget::OnKeyDown(uint32_t key)
{
    if (pendingType_ != kAreaTool) return cBaseWidget::OnKeyDown(key);
    int32_t code = 0;
    if (!CodeOfKey(key, code)) return 0;
    if (!IsLeftControlDown()) {
        const int32_t width = GetGridWidth();
        const int32_t height = GetGridHeight();
        for (int32_t x = 0; x < width; ++x) {
            for (int32_t y = 0; y < height; ++y) {
                if (IsCellSelected(x, y)) SetCellCost(x, y, code);
            }
        }
    } else if (selectionA_.x != kNoCell.x || selectionA_.y != kNoCell.y) {
        FillCells(selectionA_, code);
    }
    return 0;
}

uint32_t cLevelWidget::OnMouseDown(uint32_t button)
{
    if (pendingType_ == kAreaTool) {
        if (button == kLeftButton) {
            const vec2 mouse = GetMouseWorldPos();
            selectionA_ = PointToCell(mouse);
            selectionB_ = selectionA_;
            dragAnchor_ = mouse;
            return 1;
        }
        if (button == kRightButton) {
            selectionA_ = kNoCell;
            selectionB_ = kNoCell;
        }
        return cBaseWidget::OnMouseDown(button);
    }

    // The base places the node and selects it; it then joins the game object it
    // was dropped on.
    const bool nodeTool = pendingType_ == kNodeTool;
    const uint32_t answer = cBaseWidget::OnMouseDown(button);
    if (!nodeTool || selection_.empty() || !selection_.front()->IsKindOf(kTypeNode)) return answer;
    auto* node = static_cast<cNode*>(selection_.front());
    const vec2 position = node->GetPosition();
    ObjectList gameObjects;
    FindObjectsOfKind(gameObjects, kTypeGameObject, -1);
    for (cObject* object : gameObjects) {
        Rect frame;
        object->GetFrameRect(frame, -1);
        if (!IsPointInRect(frame, position)) continue;
        object->Attach(node);
        break;
    }
    return answer;
}

uint32_t cLevelWidget::OnMouseUp(uint32_t button) { return cBaseWidget::OnMouseUp(button); }

uint32_t cLevelWidget::OnMouseMove(uint32_t packedPoint)
{
    if (pendingType_ != kAreaTool || !IsPrimaryButtonDown()) return cBaseWidget::OnMouseMove(packedPoint);
    const vec2 mouse = GetMouseWorldPos();
    selectionB_ = PointToCell(mouse);
    dragAnchor_ = mouse;
    return 1;
}
