// cEditSysCtrl: the drawn edit field: a nine-slice frame with the typed text inside
// its borders, a band behind it while it is selected and a blinking caret after the
// text while the field has the focus.
#pragma once
#include "engine/gui/edit_ctrl.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/label_ctrl.h"

namespace vrk {

class cEditSysCtrl : public cEditCtrl {
public:
    // The glyph whose picture serves as the caret.
    static constexpr uint32_t kCaretGlyph = '_';
    // The band behind a selected text (ARGB): a pale blue the dark letters read on.
    static constexpr uint32_t kSelectionColor = 0xFFA8C8EEu;

    cEditSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    // A character the font cannot draw is not typed and goes on to other windows.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // The text sits inside the frame's screen borders.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode) override;
    bool HitTest(float x, float y) const override { return frame_.HitTest(x, y); }
    GuiRect GetRect() const override { return frame_.GetRect(); }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    // Only passes the text on: the typed text is no locale key.
    void SetText(const std::string& text, int32_t mode) override { label_.SetText(text, mode); }
    void SetFont(const std::string& fontName) override;
    void SetAlign(uint32_t align, int32_t mode) override;
    const char* GetClassName() const override { return "cEditSysCtrl"; }

    std::string GetText() const override { return label_.GetText(); }

    const cLabelCtrl& GetLabel() const { return label_; }
    const cFrameCtrl& GetFrame() const { return frame_; }
    // True while a caret would be drawn: the blink phase is on and the field has its
    // window's focus.
    bool ShowsCaret() const;

private:
    void DrawCaret() const;
    void DrawSelection() const;

    cLabelCtrl label_;
    cFrameCtrl frame_;
};

}  // namespace vrk
