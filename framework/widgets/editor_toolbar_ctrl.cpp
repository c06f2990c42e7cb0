// The editor palette: square cells in rows from the top left, hover tracked against
// the application's cursor, and a press that sends the item's command to the focused
// screen.
#include "framework/widgets/editor_toolbar_ctrl.h"

#include <memory>

#include "engine/log/log.h"
#include "engine/platform/widget.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/app/middle.h"
#include "framework/objects/app_services.h"
#include "framework/widgets/editor_command_target.h"

namespace {

constexpr const char* kCellBackgroundSprite = "editor_empty";
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr uint32_t kDisabledColor = 0xFFFFC0C0u;
constexpr uint32_t kSelectedColor = 0xFFC0C0FFu;
constexpr vrk::GuiRect kWholeTexture{0.0f, 0.0f, 1.0f, 1.0f};

vrk::VertexBatch* PrimitiveBatch()
{
    cAppServices* app = GetAppServices();
    return app != nullptr ? app->GetPrimitiveBatch() : nullptr;
}

SpriteInfo AppSprite(const std::string& name)
{
    cAppServices* app = GetAppServices();
    return app != nullptr ? app->GetSpriteInfoEx(name) : SpriteInfo{};
}

}  // namespace

cEditorToolbarItemCtrl::cEditorToolbarItemCtrl(cEditorToolbarCtrl* toolbarOwner)
    : vrk::cImageCtrl(nullptr, ""), owner(toolbarOwner), background(AppSprite(kCellBackgroundSprite))
{
}

void cEditorToolbarItemCtrl::Draw()
{
    vrk::VertexBatch* batch = PrimitiveBatch();
    if (batch == nullptr) return;
    uint32_t color = kOpaqueWhite;
    if (HasFlag(vrk::kCtrlDisabled)) {
        color = kDisabledColor;
    } else if (HasFlag(vrk::kCtrlSelected)) {
        color = kSelectedColor;
    }
    if (background.texture && background.HasFrame(0)) {
        const FrameWindow window = background.Window(0);
        vrk::cRender::AddQuad(*batch, background.texture, window.u, window.v, window.width, window.height, rect_.x,
                              rect_.y, rect_.width, rect_.height, kOpaqueWhite);
    }
    if (!texture_) return;
    vrk::cRender::AddQuad(*batch, texture_, uvRect_.x, uvRect_.y, uvRect_.width, uvRect_.height, rect_.x, rect_.y,
                          rect_.width, rect_.height, color);
}

cEditorToolbarCtrl::cEditorToolbarCtrl(vrk::cWindow* window, const std::string& name) : vrk::cListCtrl(window, name)
{
}

uint32_t cEditorToolbarCtrl::GetVisibleCount() const
{
    const uint64_t cells =
        uint64_t{CellsThatFit(rect_.height, itemHeight_)} * uint64_t{CellsThatFit(rect_.width, itemHeight_)};
    return cells > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(cells);
}

void cEditorToolbarCtrl::SetRect(const vrk::GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    itemWidth_ = rect.height;
    itemHeight_ = rect.height;
    Layout();
}

void cEditorToolbarCtrl::Layout()
{
    vec2 mouse;
    if (cMiddle* app = GetMiddle()) app->GetMousePos(mouse);
    float cellX = rect_.x;
    float cellY = rect_.y + rect_.height - itemHeight_;
    const uint32_t end = VisibleEnd();
    for (uint32_t i = first_; i < end; ++i) {
        cCtrl& item = *items_[i].item;
        item.SetRect(vrk::GuiRect{cellX, cellY, itemWidth_, itemHeight_}, 0);
        cellX += itemWidth_;
        if (cellX + itemWidth_ > rect_.x + rect_.width) {
            cellX = rect_.x;
            cellY -= itemHeight_;
        }
        const auto index = static_cast<int32_t>(i);
        if (item.HitTest(mouse.x, mouse.y)) {
            if (index != hovered_) ChangeHover(index);
        } else if (index == hovered_) {
            ChangeHover(kNoItem);
        }
    }
}

int32_t cEditorToolbarCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code != vrk::kCtrlLeftDown) return vrk::cListCtrl::OnEvent(code, first, second);
    // The press is a command to the screen; the palette keeps no selection.
    if (hovered_ != kNoItem && IsVisible(static_cast<uint32_t>(hovered_)) && IsValid(static_cast<uint32_t>(hovered_))) {
        cMiddle* app = GetMiddle();
        vrk::cWidget* screen = app != nullptr ? app->GetFocusedWidget() : nullptr;
        auto* target = dynamic_cast<cEditorCommandTarget*>(screen);
        const auto* item = static_cast<const cEditorToolbarItemCtrl*>(items_[static_cast<uint32_t>(hovered_)].item.get());
        if (target != nullptr) target->SendEditorCommand(item->data, item->itemName, hovered_);
    }
    return vrk::cCtrl::OnEvent(code, first, second);
}

void cEditorToolbarCtrl::AddItem(const std::string& name, int32_t data, const std::string& itemName, int32_t frame)
{
    const SpriteInfo record = AppSprite(name);
    vrk::TexturePtr texture = record.texture;
    vrk::GuiRect uvRect = kWholeTexture;
    bool drawable = true;
    if (texture) {
        const FrameWindow window = record.Window(frame);
        uvRect = vrk::GuiRect{window.u, window.v, window.width, window.height};
        // A frame the sprite does not have leaves the cell without a picture.
        if (!record.HasFrame(frame)) {
            drawable = false;
            vrk::LogWrite("cEditorToolbarCtrl::AddItem", "^5", "frame %i of '%s' out of range",
                          vrk::FormatArg::FromInt(frame), vrk::FormatArg::FromString(name));
        }
    } else {
        texture = vrk::FindTexture(name);
        if (!texture) return;
    }
    texture->inUse = true;
    texture->Apply();

    auto item = std::make_unique<cEditorToolbarItemCtrl>(this);
    if (drawable) item->SetTexture(texture->name, 0);
    item->SetUVRect(uvRect, 0);
    item->data = data;
    item->itemName = itemName;
    InsertItem(GetItemCount(), std::move(item), 0);
    Layout();
}
