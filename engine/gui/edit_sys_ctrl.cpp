// The drawn edit field: its parts, the glyph check on typing, the selection and the
// caret.
#include "engine/gui/edit_sys_ctrl.h"

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

constexpr int32_t kNotConsumed = 1;
constexpr intptr_t kLastCodePoint = 0x10FFFF;

}  // namespace

cEditSysCtrl::cEditSysCtrl(cWindow* window, const std::string& name)
    : cEditCtrl(window, name), label_(nullptr, std::string()), frame_(nullptr, std::string())
{
    label_.SetAlign(kAlignLeft | kAlignMiddle, 0);
}

void cEditSysCtrl::Layout()
{
    const GuiRect frame = frame_.GetRect();
    const float borderX = frame_.GetBorderX();
    const float borderY = frame_.GetBorderY();
    label_.SetRect(GuiRect{frame.x + borderX, frame.y + borderY, frame.width - 2.0f * borderX,
                           frame.height - 2.0f * borderY},
                   0);
}

void cEditSysCtrl::Move(float dx, float dy)
{
    label_.Move(dx, dy);
    frame_.Move(dx, dy);
    Layout();
}

void cEditSysCtrl::SetRect(const GuiRect& rect, int32_t mode)
{
    frame_.SetRect(rect, mode);
    Layout();
}

void cEditSysCtrl::SetUVRect(const GuiRect& uvRect, int32_t mode) { frame_.SetUVRect(uvRect, mode); }

void cEditSysCtrl::SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode)
{
    frame_.SetFrame(rect, borderX, borderY, mode);
    Layout();
}

void cEditSysCtrl::SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode)
{
    frame_.SetUVFrame(uvRect, borderU, borderV, mode);
}

void cEditSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    frame_.SetTexture(textureName, mode);
}

void cEditSysCtrl::SetColor(float red, float green, float blue, int32_t which)
{
    label_.SetColor(red, green, blue, which);
}

void cEditSysCtrl::SetFont(const std::string& fontName)
{
    label_.SetFont(fontName);
    Layout();
}

void cEditSysCtrl::SetAlign(uint32_t align, int32_t mode)
{
    label_.SetAlign(align, mode);
    Layout();
}

int32_t cEditSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code == kCtrlChar) {
        const cFont* font = label_.GetFont();
        const bool drawable = font != nullptr && first >= 0 && first <= kLastCodePoint &&
                              font->HasGlyph(static_cast<uint32_t>(first));
        if (!drawable) return kNotConsumed;
    }
    return cEditCtrl::OnEvent(code, first, second);
}

bool cEditSysCtrl::ShowsCaret() const
{
    return gui_ != nullptr && gui_->CaretBlink() && window_ != nullptr && window_->GetFocus() == this;
}

void cEditSysCtrl::DrawCaret() const
{
    cGame* game = GetGame();
    const cFont* font = label_.GetFont();
    if (game == nullptr || !game->batch || font == nullptr) return;
    const Glyph& caret = font->GetGlyph(kCaretGlyph);
    const GuiRect text = label_.GetTextRect();
    cRender::AddQuad(*game->batch, font->texture, caret.u, caret.v, caret.uSize, caret.vSize,
                     text.x + text.width, text.y, caret.width, font->lineHeight, label_.GetColor());
}

void cEditSysCtrl::DrawSelection() const
{
    cGame* game = GetGame();
    const cFont* font = label_.GetFont();
    if (game == nullptr || !game->batch || font == nullptr || GetText().empty()) return;
    const GuiRect text = label_.GetTextRect();
    cRender::AddQuad(*game->batch, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, text.x, text.y, text.width, font->lineHeight,
                     kSelectionColor);
}

void cEditSysCtrl::Draw()
{
    frame_.Draw();
    // Under the text, so the letters stay on top of it.
    if (selected_) DrawSelection();
    label_.Draw();
    if (ShowsCaret()) DrawCaret();
}

}  // namespace vrk
