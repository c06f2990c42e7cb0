// cBaseWidget's level editor: the two palettes of the GUI window "editor": "first"
// with the editor's own commands and "second", the object palette each screen fills
// with the objects it can place. Without the window or the list nothing happens
// (the lookup logs the miss).
#include <cstdint>

#include "engine/gui/ctrl.h"
#include "engine/gui/find_control.h"
#include "engine/gui/list_ctrl.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/editor_toolbar_ctrl.h"

namespace {

constexpr const char* kEditorWindow = "editor";
constexpr const char* kFirstList = "first";
constexpr const char* kSecondList = "second";

struct PaletteEntry {
    const char* icon;
    const char* command;
};

constexpr PaletteEntry kEditorCommands[] = {
    {"editor_info", "_info"},
    {"editor_freeze", "_freeze"},
    {"editor_save", "_save"},
};

vrk::cListCtrl* EditorList(const std::string& name)
{
    return dynamic_cast<vrk::cListCtrl*>(vrk::FindControl(kEditorWindow, name));
}

// Items are added by the palette toolbar; a plain list cannot show icons.
void AddPaletteItem(const std::string& list, const std::string& icon, int32_t data, const std::string& itemName,
                    int32_t frame)
{
    if (auto* toolbar = dynamic_cast<cEditorToolbarCtrl*>(EditorList(list))) {
        toolbar->AddItem(icon, data, itemName, frame);
    }
}

}  // namespace

void cBaseWidget::ClearSecondList()
{
    if (vrk::cListCtrl* list = EditorList(kSecondList)) list->DeleteAllItems();
}

void cBaseWidget::AddSecondItem(const std::string& icon, int32_t data, const std::string& itemName, int32_t frame)
{
    AddPaletteItem(kSecondList, icon, data, itemName, frame);
}

void cBaseWidget::ResetEditorCtrl(const std::string& control, int32_t index, int32_t state)
{
    vrk::cListCtrl* list = EditorList(control);
    if (list == nullptr || index < 0) return;
    if (vrk::cCtrl* item = list->GetItem(static_cast<uint32_t>(index))) item->Select(state != 0);
}

void cBaseWidget::ResetEditorList(const std::string& control)
{
    vrk::cListCtrl* list = EditorList(control);
    if (list == nullptr) return;
    for (uint32_t index = 0; index < list->GetItemCount(); ++index) {
        list->EnableItem(index, true);
        if (vrk::cCtrl* item = list->GetItem(index)) item->Select(false);
    }
}

void cBaseWidget::FillEditorPalette()
{
    vrk::cListCtrl* list = EditorList(kFirstList);
    if (list == nullptr) return;
    list->DeleteAllItems();
    for (const PaletteEntry& entry : kEditorCommands) AddPaletteItem(kFirstList, entry.icon, 0, entry.command, 0);
}
