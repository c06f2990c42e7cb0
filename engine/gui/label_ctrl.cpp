// The label control: text, font, colour and the placement of the text box.
#include "engine/gui/label_ctrl.h"

#include <cmath>

#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

constexpr float kHalf = 0.5f;

}  // namespace

cLabelCtrl::cLabelCtrl(cWindow* window, const std::string& name) : cCtrl(window, name) {}

void cLabelCtrl::Draw()
{
    cGame* game = GetGame();
    if (game == nullptr || !game->batch || !font_) return;
    uint32_t color = color_;
    cRender::DrawTextMarkup(*game->batch, font_.get(), text_, textRect_.x, textRect_.y, &color);
}

void cLabelCtrl::Layout()
{
    const TextRect measured = cRender::MeasureText(font_.get(), text_, true);
    float offsetX = 0.0f;
    if ((align_ & kAlignCenter) != 0) offsetX = (rect_.width - measured.width) * kHalf;
    else if ((align_ & kAlignRight) != 0) offsetX = rect_.width - measured.width;
    float offsetY = 0.0f;
    if ((align_ & kAlignTop) != 0) offsetY = rect_.height - measured.height;
    else if ((align_ & kAlignMiddle) != 0) offsetY = (rect_.height - measured.height) * kHalf;
    textRect_.x = std::trunc(rect_.x + offsetX);
    textRect_.y = std::trunc(rect_.y + offsetY);
    textRect_.width = measured.width;
    textRect_.height = measured.height;
}

void cLabelCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cLabelCtrl::SetRect(const GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cLabelCtrl::SetColor(float red, float green, float blue, int32_t /*which*/)
{
    color_ = MakeColor(red, green, blue);
}

void cLabelCtrl::SetText(const std::string& text, int32_t /*mode*/)
{
    text_ = text;
    Layout();
    KeepTextKey(text);
}

void cLabelCtrl::SetFont(const std::string& fontName)
{
    font_ = GetFontMap()[fontName];
    Layout();
}

void cLabelCtrl::SetAlign(uint32_t align, int32_t /*mode*/)
{
    align_ = align;
    Layout();
}

}  // namespace vrk
