// The text box: wrapping, block and line alignment, and drawing with strike bars.
#include "engine/gui/text_box_sys_ctrl.h"

#include <algorithm>
#include <cmath>

#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

constexpr float kHalf = 0.5f;
constexpr float kStrikeThickness = 2.0f;
constexpr float kStrikeDrop = 1.0f;  // the bar's bottom sits this far below mid-line

bool EastAsianLocale()
{
    const cGame* game = GetGame();
    return game != nullptr && game->localeFlag != 0;
}

}  // namespace

cTextBoxSysCtrl::cTextBoxSysCtrl(cWindow* window, const std::string& name) : cLabelCtrl(window, name) {}

void cTextBoxSysCtrl::Layout()
{
    if (!font_) return;
    std::vector<TextRect> measured;
    if (EastAsianLocale()) cRender::WrapTextByChars(font_.get(), text_, rect_.width, lines_, measured);
    else cRender::WrapTextByWords(font_.get(), text_, rect_.width, lines_, measured);

    const size_t count = lines_.size();
    const float lineHeight = font_->lineHeight;
    const float total = static_cast<float>(count) * lineHeight;
    float y0 = rect_.y;
    if ((align_ & kAlignTop) != 0) y0 += rect_.height - total;
    else if ((align_ & kAlignMiddle) != 0) y0 += (rect_.height - total) * kHalf;

    lineBoxes_.assign(count, GuiRect{});
    float left = 0.0f;
    float right = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float width = measured[i].width;
        float x = rect_.x;
        if ((align_ & kAlignCenter) != 0) x += (rect_.width - width) * kHalf;
        else if ((align_ & kAlignRight) != 0) x += rect_.width - width;
        // The first line is on top: the last one sits at y0.
        const float y = y0 + static_cast<float>(count - 1 - i) * lineHeight;
        lineBoxes_[i] = GuiRect{x, y, width, lineHeight};
        left = i == 0 ? x : std::min(left, x);
        right = i == 0 ? x + width : std::max(right, x + width);
    }
    textRect_ = count == 0 ? GuiRect{rect_.x, y0, 0.0f, 0.0f} : GuiRect{left, y0, right - left, total};
    strikes_.resize(count, 0);
}

void cTextBoxSysCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    textRect_.x += dx;
    textRect_.y += dy;
    for (GuiRect& box : lineBoxes_) {
        box.x += dx;
        box.y += dy;
    }
}

GuiRect cTextBoxSysCtrl::GetLineRect(uint32_t index) const
{
    return index < lineBoxes_.size() ? lineBoxes_[index] : GuiRect{};
}

void cTextBoxSysCtrl::SetLineStrike(uint32_t index, int32_t value)
{
    if (index < strikes_.size()) strikes_[index] = value;
}

void cTextBoxSysCtrl::Draw()
{
    cGame* game = GetGame();
    if (game == nullptr || !game->batch || !font_) return;
    const size_t count = std::min(lines_.size(), lineBoxes_.size());
    for (size_t i = 0; i < count; ++i) {
        const GuiRect& box = lineBoxes_[i];
        uint32_t color = color_;
        cRender::DrawTextMarkup(*game->batch, font_.get(), lines_[i], box.x, box.y, &color);
        if (i < strikes_.size() && strikes_[i] == 1) {
            cRender::AddQuad(*game->batch, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, std::floor(box.x),
                             std::floor(box.y + box.height * kHalf - kStrikeDrop), std::floor(box.width),
                             kStrikeThickness, color_);
        }
    }
}

}  // namespace vrk
