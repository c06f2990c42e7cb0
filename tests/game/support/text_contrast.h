// How well a window's letters read, measured on the drawn game. The frame is drawn
// twice, once as it is and once with the window's texts emptied: the pixels that
// change are the letters, and each letter pixel is compared with the same pixel
// without it, what was drawn behind it (the ratio of relative luminances, lighter +
// 0.05 over darker + 0.05). A text's figure is the ratio its strongest letter pixels
// reach, so the soft edges of small letters do not count against it.
#pragma once
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/ctrl.h"
#include "engine/gui/edit_sys_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "engine/gui/list_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/text/utf.h"
#include "framework/objects/small_math.h"
#include "tests/objects/support/level_screenshot.h"
#include "tools/font_tool/resource_icons.h"

namespace test {

// The least ratio of letters to what is behind them for a text a player must read.
constexpr double kLeastTextContrast = 4.5;

// Relative luminance of an sRGB colour, 0 black to 1 white.
inline double RelativeLuminance(const ShotRgb& colour)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

inline double ContrastRatio(const ShotRgb& a, const ShotRgb& b)
{
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// One text of a window as drawn: the box its letters fill, and how to empty it and
// put it back.
struct WindowText {
    std::string name;
    std::string text;
    Rect box;
    vrk::cCtrl* control = nullptr;
    // A list row's index, or -1 for the control's own text.
    int32_t row = -1;

    void Set(const std::string& value) const
    {
        if (row < 0) control->SetText(value, 0);
        else static_cast<vrk::cListSysCtrl*>(control)->SetItemText(static_cast<uint32_t>(row), value);
    }
};

// The font's resource icons are pictures in the place of letters: a text of icons
// alone holds no letters to read.
inline bool OnlyIcons(const std::string& text)
{
    for (const char16_t unit : vrk::Utf8ToWide(text)) {
        if (unit == 0) break;  // the wide text's terminator
        if (std::find(std::begin(kResourceIconCodePoints), std::end(kResourceIconCodePoints), unit) ==
            std::end(kResourceIconCodePoints))
            return false;
    }
    return true;
}

inline Rect BoxOf(const vrk::GuiRect& rect) { return Rect{rect.x, rect.y, rect.width, rect.height}; }

// Every text the window draws now: shown controls with a text, the captions of
// buttons, check boxes and edit fields, and the visible rows of text lists. A
// wrapped text box counts its whole rectangle; resource icons alone are no text.
inline std::vector<WindowText> TextsOf(const vrk::cWindow& window)
{
    std::vector<WindowText> texts;
    for (const auto& owned : window.Controls()) {
        vrk::cCtrl* control = owned.get();
        if (!control->HasFlag(vrk::kCtrlShown)) continue;
        const std::string name = control->GetName();
        const vrk::cLabelCtrl* label = nullptr;
        if (auto* list = dynamic_cast<vrk::cListSysCtrl*>(control)) {
            for (uint32_t i = 0; i < list->GetItemCount(); ++i) {
                const auto* rowLabel = dynamic_cast<const vrk::cLabelCtrl*>(list->GetItem(i));
                if (!list->IsVisible(i) || rowLabel == nullptr || rowLabel->GetText().empty()) continue;
                texts.push_back({name + " row " + std::to_string(i), rowLabel->GetText(), BoxOf(rowLabel->GetTextRect()),
                                 control, static_cast<int32_t>(i)});
            }
            continue;
        }
        if (auto* button = dynamic_cast<const vrk::cButtonSysCtrl*>(control)) label = &button->GetLabel();
        else if (auto* box = dynamic_cast<const vrk::cCheckBoxSysCtrl*>(control)) label = &box->GetLabel();
        else if (auto* edit = dynamic_cast<const vrk::cEditSysCtrl*>(control)) label = &edit->GetLabel();
        else label = dynamic_cast<const vrk::cLabelCtrl*>(control);
        if (label == nullptr || label->GetText().empty() || OnlyIcons(label->GetText())) continue;
        const bool wrapped = std::string(label->GetClassName()) == "cTextBoxSysCtrl";
        const Rect box = BoxOf(wrapped ? vrk::NormalisedRect(label->GetRect()) : label->GetTextRect());
        texts.push_back({name, label->GetText(), box, control});
    }
    return texts;
}

// How one text reads: its letter pixels and the ratio its strongest ones reach.
struct TextReading {
    int letters = 0;
    double contrast = 1.0;
};

// Summed RGB difference from which a pixel changed with the letters.
constexpr int kLetterChange = 24;
// The share of letter pixels, strongest first, whose weakest ratio is the text's.
constexpr double kStrongLetterShare = 0.1;

template <class Lettered, class Behind>
TextReading ReadText(const Rect& box, int width, int height, Lettered withLetters, Behind behind)
{
    std::vector<double> ratios;
    CountInRect(box, width, height, [&](int x, int y) {
        const ShotRgb letter = withLetters(x, y);
        const ShotRgb back = behind(x, y);
        if (Difference(letter, back) > kLetterChange) ratios.push_back(ContrastRatio(letter, back));
        return false;
    });
    TextReading reading;
    reading.letters = static_cast<int>(ratios.size());
    if (ratios.empty()) return reading;
    std::sort(ratios.begin(), ratios.end(), std::greater<>());
    const auto strong = static_cast<size_t>(static_cast<double>(ratios.size()) * kStrongLetterShare);
    reading.contrast = ratios[std::min(strong, ratios.size() - 1)];
    return reading;
}

}  // namespace test
