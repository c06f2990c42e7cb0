// The image control: its rectangle, texture and one quad.
#include "engine/gui/image_ctrl.h"

#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

cImageCtrl::cImageCtrl(cWindow* window, const std::string& name) : cCtrl(window, name) {}

void cImageCtrl::Draw()
{
    cGame* game = GetGame();
    // A name the texture registry did not hold leaves the control without a picture.
    if (game == nullptr || !game->batch || !texture_) return;
    cRender::AddQuad(*game->batch, texture_, uvRect_.x, uvRect_.y, uvRect_.width, uvRect_.height,
                     rect_.x, rect_.y, rect_.width, rect_.height, color_);
}

void cImageCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cImageCtrl::SetRect(const GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cImageCtrl::SetUVRect(const GuiRect& uvRect, int32_t /*mode*/) { uvRect_ = uvRect; }

void cImageCtrl::SetTexture(const std::string& textureName, int32_t /*mode*/)
{
    texture_ = GetTextureMap()[textureName];
}

void cImageCtrl::SetColor(float red, float green, float blue, int32_t /*which*/)
{
    color_ = MakeColor(red, green, blue);
}

}  // namespace vrk
