// The drawn slider: its two parts, their hovered cells and the hover sound.
#include "engine/gui/slider_sys_ctrl.h"

#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/sound/sound_play.h"

namespace vrk {

namespace {

constexpr const char* kMouseInSound = "mouse_in";
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr int32_t kTextureBothParts = cSliderSysCtrl::kTextureThumb | cSliderSysCtrl::kTextureTrack;

}  // namespace

cSliderSysCtrl::cSliderSysCtrl(cWindow* window, const std::string& name)
    : cSliderCtrl(window, name), thumb_(nullptr, std::string()), track_(nullptr, std::string())
{
}

void cSliderSysCtrl::Move(float dx, float dy)
{
    thumb_.Move(dx, dy);
    track_.Move(dx, dy);
    Layout();
}

void cSliderSysCtrl::SetRect(const GuiRect& rect, int32_t mode)
{
    GuiRect thumb = thumb_.GetRect();
    thumb.width = rect.width;
    thumb.height = rect.height;
    thumb_.SetRect(thumb, mode);
    Layout();
}

void cSliderSysCtrl::SetUVRect(const GuiRect& uvRect, int32_t mode) { thumb_.SetUVRect(uvRect, mode); }

void cSliderSysCtrl::SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode)
{
    track_.SetFrame(rect, borderX, borderY, mode);
    Layout();
}

void cSliderSysCtrl::SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode)
{
    track_.SetUVFrame(uvRect, borderU, borderV, mode);
}

void cSliderSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    const int32_t parts = mode == 0 ? kTextureBothParts : mode;
    if ((parts & kTextureTrack) != 0) track_.SetTexture(textureName, 0);
    if ((parts & kTextureThumb) != 0) thumb_.SetTexture(textureName, 0);
}

int32_t cSliderSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code == kCtrlMouseEntered) {
        hovered_ = true;
        PlaySound(kMouseInSound);
    } else if (code == kCtrlMouseLeft) {
        hovered_ = false;
    }
    return cSliderCtrl::OnEvent(code, first, second);
}

GuiRect cSliderSysCtrl::CurrentTrackCell() const
{
    GuiRect cell = track_.GetUVRect();
    if (!hovered_) return cell;
    if (vertical_) cell.x += cell.width;
    else cell.y -= cell.height;
    return cell;
}

GuiRect cSliderSysCtrl::CurrentThumbCell() const
{
    GuiRect cell = thumb_.GetUVRect();
    if (hovered_) cell.x += cell.width;
    return cell;
}

void cSliderSysCtrl::Draw()
{
    cGame* game = GetGame();
    if (game == nullptr || !game->batch) return;
    const GuiRect trackCell = CurrentTrackCell();
    const GuiRect track = track_.GetRect();
    cRender::DrawFrame(*game->batch, track_.GetTexture(), trackCell.x, trackCell.y, trackCell.width,
                       trackCell.height, track_.GetBorderU(), track_.GetBorderV(), track.x, track.y,
                       track.width, track.height, track_.GetBorderX(), track_.GetBorderY(),
                       track_.GetDrawCenter(), track_.GetColor());
    const GuiRect thumbCell = CurrentThumbCell();
    const GuiRect thumb = thumb_.GetRect();
    cRender::AddQuad(*game->batch, thumb_.GetTexture(), thumbCell.x, thumbCell.y, thumbCell.width,
                     thumbCell.height, thumb.x, thumb.y, thumb.width, thumb.height, kWhite);
}

}  // namespace vrk
