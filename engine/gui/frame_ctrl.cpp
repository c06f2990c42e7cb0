// The frame control: rectangle and border sizes on screen and in the texture, drawn
// as nine slices.
#include "engine/gui/frame_ctrl.h"

#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

GuiRect NormalisedRect(const GuiRect& rect)
{
    GuiRect normal = rect;
    if (normal.width < 0.0f) {
        normal.x += normal.width;
        normal.width = -normal.width;
    }
    if (normal.height < 0.0f) {
        normal.y += normal.height;
        normal.height = -normal.height;
    }
    return normal;
}

cFrameCtrl::cFrameCtrl(cWindow* window, const std::string& name) : cCtrl(window, name) {}

void cFrameCtrl::Draw()
{
    cGame* game = GetGame();
    // A name the texture registry did not hold leaves the control without a picture.
    if (game == nullptr || !game->batch || !texture_) return;
    // The renderer lays the nine cells out from the corner up and right only.
    const GuiRect rect = NormalisedRect(rect_);
    cRender::DrawFrame(*game->batch, texture_, uvRect_.x, uvRect_.y, uvRect_.width, uvRect_.height,
                       borderU_, borderV_, rect.x, rect.y, rect.width, rect.height, borderX_,
                       borderY_, drawCenter_, color_);
}

void cFrameCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cFrameCtrl::SetRect(const GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cFrameCtrl::SetUVRect(const GuiRect& uvRect, int32_t /*mode*/) { uvRect_ = uvRect; }

void cFrameCtrl::SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t /*mode*/)
{
    rect_ = rect;
    borderX_ = borderX;
    borderY_ = borderY;
    Layout();
}

void cFrameCtrl::SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t /*mode*/)
{
    uvRect_ = uvRect;
    borderU_ = borderU;
    borderV_ = borderV;
}

void cFrameCtrl::SetTexture(const std::string& textureName, int32_t /*mode*/)
{
    texture_ = GetTextureMap()[textureName];
}

void cFrameCtrl::SetColor(float red, float green, float blue, int32_t /*which*/)
{
    color_ = MakeColor(red, green, blue);
}

}  // namespace vrk
