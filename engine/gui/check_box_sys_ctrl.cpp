// The check box: toggling on a press, hover, and the cell of its texture to draw.
#include "engine/gui/check_box_sys_ctrl.h"

#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/sound/sound_play.h"

namespace vrk {

namespace {

constexpr const char* kClickSound = "click";
constexpr const char* kMouseInSound = "mouse_in";
constexpr uint32_t kWhite = 0xFFFFFFFFu;

}  // namespace

cCheckBoxSysCtrl::cCheckBoxSysCtrl(cWindow* window, const std::string& name)
    : cCtrl(window, name), label_(nullptr, std::string()), box_(nullptr, std::string())
{
    label_.SetAlign(kAlignLeft | kAlignMiddle, 0);
}

void cCheckBoxSysCtrl::Layout()
{
    const GuiRect& box = area_;
    label_.SetRect(GuiRect{box.x + box.height, box.y, box.width - box.height, box.height}, 0);
    box_.SetRect(GuiRect{box.x, box.y, box.height, box.height}, 0);
}

void cCheckBoxSysCtrl::Move(float dx, float dy)
{
    box_.Move(dx, dy);
    label_.Move(dx, dy);
    area_.x += dx;
    area_.y += dy;
    Layout();
}

void cCheckBoxSysCtrl::SetRect(const GuiRect& rect, int32_t mode)
{
    box_.SetRect(rect, mode);
    area_ = rect;
    Layout();
}

void cCheckBoxSysCtrl::SetUVRect(const GuiRect& uvRect, int32_t mode) { box_.SetUVRect(uvRect, mode); }

bool cCheckBoxSysCtrl::HitTest(float x, float y) const { return box_.HitTest(x, y) || label_.HitTest(x, y); }

void cCheckBoxSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    box_.SetTexture(textureName, mode);
}

void cCheckBoxSysCtrl::SetColor(float red, float green, float blue, int32_t which)
{
    label_.SetColor(red, green, blue, which);
}

void cCheckBoxSysCtrl::SetText(const std::string& text, int32_t mode)
{
    label_.SetText(text, mode);
    Layout();
    KeepTextKey(text);
}

void cCheckBoxSysCtrl::SetFont(const std::string& fontName)
{
    label_.SetFont(fontName);
    Layout();
}

void cCheckBoxSysCtrl::SetAlign(uint32_t align, int32_t mode)
{
    label_.SetAlign(align, mode);
    Layout();
}

int32_t cCheckBoxSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlLeftDown:
        SetChecked(!IsChecked());
        PostWindowEvent(kWndCheckToggled, checked_, id_);
        PlaySound(kClickSound);
        break;
    case kCtrlMouseEntered:
        PlaySound(kMouseInSound);
        hovered_ = true;
        break;
    case kCtrlMouseLeft:
        hovered_ = false;
        break;
    default:
        break;
    }
    return cCtrl::OnEvent(code, first, second);
}

GuiRect cCheckBoxSysCtrl::CurrentCell() const
{
    GuiRect cell = box_.GetUVRect();
    if (hovered_) cell.x += cell.width;
    cell.y -= static_cast<float>(checked_) * cell.height;
    return cell;
}

void cCheckBoxSysCtrl::Draw()
{
    cGame* game = GetGame();
    if (game == nullptr || !game->batch) return;
    const GuiRect cell = CurrentCell();
    const GuiRect box = box_.GetRect();
    cRender::AddQuad(*game->batch, box_.GetTexture(), cell.x, cell.y, cell.width, cell.height, box.x, box.y,
                     box.width, box.height, kWhite);
    label_.Draw();
}

}  // namespace vrk
