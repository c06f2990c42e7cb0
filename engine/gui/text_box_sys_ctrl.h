// cTextBoxSysCtrl: a label whose text is wrapped into lines that fit its rectangle,
// aligned as a block, each line optionally struck through.
#pragma once
#include <string>
#include <vector>

#include "engine/gui/label_ctrl.h"

namespace vrk {

class cTextBoxSysCtrl : public cLabelCtrl {
public:
    cTextBoxSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    // Wraps the text (by characters for East-Asian locales, else by words) and places
    // the lines; nothing without a font.
    void Layout() override;
    void Move(float dx, float dy) override;
    const char* GetClassName() const override { return "cTextBoxSysCtrl"; }

    // The line's box; all zero for an index beyond the lines.
    virtual GuiRect GetLineRect(uint32_t index) const;
    // Changes the flag of an existing line; other indexes are ignored.
    virtual void SetLineStrike(uint32_t index, int32_t value);

    const std::vector<std::string>& GetLines() const { return lines_; }
    int32_t GetLineStrike(uint32_t index) const { return index < strikes_.size() ? strikes_[index] : 0; }

private:
    std::vector<std::string> lines_;
    std::vector<GuiRect> lineBoxes_;
    std::vector<int32_t> strikes_;
};

}  // namespace vrk
