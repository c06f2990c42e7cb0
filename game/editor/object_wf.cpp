// cObjectWF: the selected objects' name, tag and data number in three edit fields.
#include "game/editor/object_wf.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "engine/gui/edit_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"
#include "engine/text/text_format.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/base_widget.h"
#include "game/editor/focused_scene.h"

namespace {

constexpr int32_t kKeyTab = 9;
constexpr const char* kFieldNames[] = {"name", "tag", "data"};
constexpr size_t kNameField = 0;
constexpr size_t kTagField = 1;
constexpr size_t kDataField = 2;

std::string FieldText(const vrk::cCtrl* field)
{
    const auto* edit = dynamic_cast<const vrk::cEditCtrl*>(field);
    return edit != nullptr ? edit->GetText() : std::string();
}

void SetFieldText(vrk::cCtrl* field, const std::string& text)
{
    if (field != nullptr) field->SetText(text, 0);
}

}  // namespace

int32_t cObjectWF::ParseDataNumber(const std::string& text)
{
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    // Summed as a 64-bit value and clamped, so a long run of digits cannot overflow.
    constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

int32_t cObjectWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (code == vrk::kWndFilled) {
        for (size_t i = 0; i < fields_.size(); ++i) fields_[i] = ControlByName(window, kFieldNames[i]);
    } else if (code == vrk::kWndKeyDown && first == kKeyTab) {
        FocusNextField(window);
    }
    return cEditDialogWF::OnEvent(window, code, first, second);
}

void cObjectWF::FillFields(vrk::cWindow* window)
{
    const cBaseWidget* screen = FocusedSceneScreen();
    const cObject* only = screen != nullptr && screen->GetSelection().size() == 1 ? screen->GetSelection().front() : nullptr;
    SetFieldText(fields_[kNameField], only != nullptr ? only->GetName() : std::string());
    SetFieldText(fields_[kTagField], only != nullptr ? only->GetText() : std::string());
    SetFieldText(fields_[kDataField],
                 only != nullptr ? vrk::FormatToString("%i", vrk::FormatArg::FromInt(only->GetLinkId())) : std::string());
    if (window != nullptr && fields_[kNameField] != nullptr) window->SetFocus(fields_[kNameField]);
}

void cObjectWF::ApplyFields() const
{
    cBaseWidget* screen = FocusedSceneScreen();
    if (screen == nullptr) return;
    const std::string name = FieldText(fields_[kNameField]);
    const std::string tag = FieldText(fields_[kTagField]);
    const int32_t data = ParseDataNumber(FieldText(fields_[kDataField]));
    for (cObject* object : screen->GetSelection()) {
        object->SetName(name);
        object->SetText(tag);
        object->SetLinkId(data);
    }
}

void cObjectWF::FocusNextField(vrk::cWindow* window) const
{
    if (window == nullptr) return;
    size_t next = kNameField;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != nullptr && fields_[i] == window->GetFocus()) next = (i + 1) % fields_.size();
    }
    if (fields_[next] != nullptr) window->SetFocus(fields_[next]);
}
