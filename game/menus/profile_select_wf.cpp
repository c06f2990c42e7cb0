// The profile list: its rows and scroll bar, choosing a profile and the deletion
// question. The application deletes once the question is answered.
#include "game/menus/profile_select_wf.h"

#include "engine/gui/list_sys_ctrl.h"
#include "engine/gui/slider_ctrl.h"
#include "engine/gui/window.h"
#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kAddButton = "btAdd";
constexpr const char* kOkButton = "btOk";
constexpr uint32_t kNotice = kMessageButtonsOk | kMessageIconError;
constexpr uint32_t kQuestion = kMessageButtonsYesNo | kMessageIconQuestion;

}  // namespace

void cProfileSelectWF::LookUpControls(vrk::cWindow* window)
{
    list_ = dynamic_cast<vrk::cListSysCtrl*>(ControlByName(window, "lstProfile"));
    slider_ = dynamic_cast<vrk::cSliderCtrl*>(ControlByName(window, "slProfile"));
    if (list_ == nullptr || slider_ == nullptr) Fail(window, "List or Slider not found");
}

void cProfileSelectWF::RebuildList(vrk::cWindow* window)
{
    cGarden* garden = GetGarden();
    if (garden == nullptr || list_ == nullptr || slider_ == nullptr) return;
    rowIds_.clear();
    list_->DeleteAllItems();
    const cPlayerBase* active = garden->GetActivePlayer();
    for (const auto& [id, name] : garden->GetPlayerList().GetPlayers()) {
        const auto row = static_cast<uint32_t>(rowIds_.size());
        rowIds_.push_back(id);
        list_->InsertItem(row, name, 0);
        if (active != nullptr && id == active->GetId()) {
            list_->SetSelected(row, true, false);
            list_->EnsureVisible(row);
        }
    }
    // The slider's top end stands for the list's top.
    const float last = rowIds_.empty() ? 0.0f : static_cast<float>(rowIds_.size() - 1);
    slider_->SetMinMax(0.0f, last);
    slider_->SetValue(last - static_cast<float>(list_->GetFirstVisible()));
    if (rowIds_.empty()) PostClick(window, kAddButton);
}

size_t cProfileSelectWF::SelectedRow() const
{
    if (list_ == nullptr) return rowIds_.size();
    const uint32_t found = list_->FindNextSelected(0);
    return found < rowIds_.size() ? found : rowIds_.size();
}

void cProfileSelectWF::ScrollTo(intptr_t position)
{
    if (list_ == nullptr || slider_ == nullptr) return;
    const auto top = static_cast<intptr_t>(slider_->GetMax()) - position;
    list_->SetFirstVisible(top > 0 ? static_cast<uint32_t>(top) : 0u);
}

void cProfileSelectWF::DeleteSelected()
{
    cGarden* garden = GetGarden();
    if (garden == nullptr) return;
    if (rowIds_.size() < 2) {
        garden->MessageBox(kNotice, vrk::FindText("ErrorOnePlayer"), "profile_select");
        return;
    }
    const size_t selected = SelectedRow();
    if (selected >= rowIds_.size()) return;
    // The profile that goes on: the row above, or the next one for the top row.
    const size_t successor = selected == 0 ? 1 : selected - 1;
    const std::string name = list_->GetItemText(static_cast<uint32_t>(selected));
    const std::string question =
        vrk::FormatStdString(vrk::FindText("ConfirmDeletePlayer"), vrk::FormatArg::FromString(name));
    garden->MessageBox(kQuestion, question, "delete," + rowIds_[selected] + "," + rowIds_[successor]);
}

void cProfileSelectWF::ChooseSelected()
{
    cGarden* garden = GetGarden();
    const size_t selected = SelectedRow();
    if (garden == nullptr || selected >= rowIds_.size()) return;
    garden->LogonPlayer(rowIds_[selected]);
    garden->ShowWindow("menu", menus::kContextMenu);
}

void cProfileSelectWF::OnButton(vrk::cWindow* window, intptr_t control)
{
    if (menus::IsControl(window, control, kAddButton)) {
        if (cGarden* garden = GetGarden()) garden->ShowWindow("profile_add", menus::kContextMenu);
    } else if (menus::IsControl(window, control, "btDelete")) {
        DeleteSelected();
    } else if (menus::IsControl(window, control, kOkButton)) {
        ChooseSelected();
    }
}

int32_t cProfileSelectWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndFilled:
        LookUpControls(window);
        break;
    case vrk::kWndActivated:
        RebuildList(window);
        break;
    case vrk::kWndSliderChanged:
        if (menus::IsControl(window, second, "slProfile")) ScrollTo(first);
        break;
    case vrk::kWndClicked:
        OnButton(window, second);
        break;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEnter || first == menus::kKeyEscape) {
            PostClick(window, kOkButton);
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
