// The push button: press, release and hover states, and the cell of its texture that
// each state draws.
#include "engine/gui/button_sys_ctrl.h"

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

cButtonSysCtrl::cButtonSysCtrl(cWindow* window, const std::string& name)
    : cCtrl(window, name), label_(nullptr, std::string()), frame_(nullptr, std::string())
{
    label_.SetAlign(kAlignCenter | kAlignMiddle, 0);
}

void cButtonSysCtrl::Layout() { label_.SetRect(frame_.GetRect(), 0); }

void cButtonSysCtrl::Move(float dx, float dy)
{
    label_.Move(dx, dy);
    frame_.Move(dx, dy);
    Layout();
}

void cButtonSysCtrl::SetRect(const GuiRect& rect, int32_t mode)
{
    frame_.SetRect(rect, mode);
    Layout();
}

void cButtonSysCtrl::SetUVRect(const GuiRect& uvRect, int32_t mode) { frame_.SetUVRect(uvRect, mode); }

void cButtonSysCtrl::SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode)
{
    frame_.SetFrame(rect, borderX, borderY, mode);
    Layout();
}

void cButtonSysCtrl::SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode)
{
    frame_.SetUVFrame(uvRect, borderU, borderV, mode);
}

void cButtonSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    frame_.SetTexture(textureName, mode);
}

void cButtonSysCtrl::SetColor(float red, float green, float blue, int32_t which)
{
    label_.SetColor(red, green, blue, which);
}

void cButtonSysCtrl::SetText(const std::string& text, int32_t mode)
{
    label_.SetText(text, mode);
    Layout();
    KeepTextKey(text);
}

void cButtonSysCtrl::SetFont(const std::string& fontName)
{
    label_.SetFont(fontName);
    Layout();
}

void cButtonSysCtrl::SetAlign(uint32_t align, int32_t mode)
{
    label_.SetAlign(align, mode);
    Layout();
}

int32_t cButtonSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlLeftDown:
        PlaySound(kClickSound);
        state_ = kPressed;
        break;
    case kCtrlLeftUp:
        // A press that left the button (state back to normal) clicks nothing.
        if (state_ == kPressed) {
            PostWindowEvent(kWndClicked, 0, id_);
            state_ = kNormal;
        }
        break;
    case kCtrlMouseEntered:
        PlaySound(kMouseInSound);
        state_ = kHovered;
        break;
    case kCtrlMouseLeft:
        state_ = kNormal;
        break;
    default:
        break;
    }
    return cCtrl::OnEvent(code, first, second);
}

GuiRect cButtonSysCtrl::CurrentCell() const
{
    GuiRect cell = frame_.GetUVRect();
    if (singleFrame_) return cell;
    const int32_t row = HasFlag(kCtrlDisabled) ? kDisabledCell : state_;
    cell.y -= static_cast<float>(row) * cell.height;
    return cell;
}

void cButtonSysCtrl::Draw()
{
    cGame* game = GetGame();
    if (game == nullptr || !game->batch) return;
    const GuiRect cell = CurrentCell();
    const GuiRect rect = frame_.GetRect();
    cRender::DrawFrame(*game->batch, frame_.GetTexture(), cell.x, cell.y, cell.width, cell.height,
                       frame_.GetBorderU(), frame_.GetBorderV(), rect.x, rect.y, rect.width, rect.height,
                       frame_.GetBorderX(), frame_.GetBorderY(), true, kWhite);
    label_.Draw();
}

}  // namespace vrk
