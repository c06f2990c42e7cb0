// The progress bar: the filled part as a cut image, or as a sector of a dial.
#include "engine/gui/progress_bar_sys_ctrl.h"

#include <algorithm>
#include <cmath>

#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

constexpr float kHalf = 0.5f;
constexpr float kDialStart = 1.5707964f;  // straight up
constexpr float kFullTurn = 6.2831855f;

}  // namespace

cProgressBarSysCtrl::cProgressBarSysCtrl(cWindow* window, const std::string& name)
    : cCtrl(window, name), bar_(nullptr, std::string())
{
}

void cProgressBarSysCtrl::SetProgress(float progress)
{
    // NaN from a script counts as nothing done.
    progress_ = std::isnan(progress) ? 0.0f : std::clamp(progress, 0.0f, 1.0f);
    Layout();
}

void cProgressBarSysCtrl::SetVertical(bool vertical)
{
    vertical_ = vertical;
    Layout();
}

void cProgressBarSysCtrl::Layout()
{
    GuiRect bar = rect_;
    GuiRect cell = uvRect_;
    if (vertical_) {
        bar.height *= progress_;
        cell.height *= progress_;
    } else {
        bar.width *= progress_;
        cell.width *= progress_;
    }
    bar_.SetRect(bar, 0);
    bar_.SetUVRect(cell, 0);
}

void cProgressBarSysCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cProgressBarSysCtrl::SetRect(const GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cProgressBarSysCtrl::SetUVRect(const GuiRect& uvRect, int32_t /*mode*/)
{
    uvRect_ = uvRect;
    Layout();
}

void cProgressBarSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    bar_.SetTexture(textureName, mode);
}

void cProgressBarSysCtrl::Draw()
{
    if (!circular_) {
        bar_.Draw();
        return;
    }
    cGame* game = GetGame();
    if (game == nullptr || !game->batch) return;
    const float radius = std::min(rect_.width, rect_.height) * kHalf;
    cRender::DrawSector(*game->batch, bar_.GetTexture(), uvRect_.x, uvRect_.y, uvRect_.width, uvRect_.height,
                        rect_.x + rect_.width * kHalf, rect_.y + rect_.height * kHalf, radius, kDialStart,
                        kDialStart - progress_ * kFullTurn, bar_.GetColor());
}

}  // namespace vrk
