// cBaseWidget's level editor: the editor's event handler, its palette commands, its
// fixed tick and the per-layer freeze and hide flags.
#include <cstddef>

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr const char* kEditorWindow = "editor";
constexpr const char* kFreezeWindow = "freeze";
constexpr const char* kFirstList = "first";
constexpr const char* kSecondList = "second";
constexpr const char* kInfoCommand = "_info";
constexpr const char* kFreezeCommand = "_freeze";
constexpr const char* kClickSound = "click";
// The editor scrolls when the cursor comes this close to a screen edge.
constexpr float kEditorEdgeMargin = 2.0f;

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

}  // namespace

uint32_t cBaseWidget::OnEditorEvent(uint32_t kind, uintptr_t param)
{
    switch (kind) {
    case vrk::kWidgetKeyDown: return OnKeyDown(static_cast<uint32_t>(param));
    case vrk::kWidgetButtonDown:
        if (scrollVelocity_.x != 0.0f || scrollVelocity_.y != 0.0f) scrollVelocity_ = vec2{};
        return OnMouseDown(static_cast<uint32_t>(param));
    case vrk::kWidgetButtonUp: return OnMouseUp(static_cast<uint32_t>(param));
    case vrk::kWidgetMouseMove: return OnMouseMove(static_cast<uint32_t>(param));
    case kEventLeaveMode:
        if (cMiddle* middle = GetMiddle()) middle->HideAchievePopup();
        return 0;
    case kEventModeEntered:
        editorFlags_ = kInitialEditorFlags;
        pendingType_ = 0;
        pendingSprite_.clear();
        hovered_ = nullptr;
        if (vrk::cGUI* gui = Gui()) gui->ShowWindow(kEditorWindow);
        FillEditorPalette();
        SendEditorCommand(0, kSecondList, 0);
        return 0;
    case kEventEditorCommand: {
        const auto* record = reinterpret_cast<const EditorCommand*>(param);
        if (record == nullptr) return 0;
        return OnGuiEvent(record->a, record->name, record->b);
    }
    default: return 0;
    }
}

uint32_t cBaseWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    vrk::PlaySound(kClickSound);
    if (a == 0) {
        if (name == kInfoCommand) {
            editorFlags_ ^= kEditorInfo;
        } else if (name == kFreezeCommand) {
            selection_.clear();
            if (vrk::cGUI* gui = Gui()) gui->ShowWindow(kFreezeWindow);
        }
        ResetEditorCtrl(kFirstList, 0, (editorFlags_ & kEditorInfo) != 0 ? 1 : 0);
        return 0;
    }
    pendingType_ = a;
    pendingSprite_ = name;
    ResetEditorList(kSecondList);
    ResetEditorCtrl(kSecondList, b, 1);
    return 0;
}

void cBaseWidget::TickEditor()
{
    const vec2 cursor = WindowToScreen(GetCursorPixel());
    if (cursor.x < kEditorEdgeMargin) scrollVelocity_.x = -kEdgeScrollSpeed;
    if (cursor.x > kVirtualWidth - kEditorEdgeMargin) scrollVelocity_.x = kEdgeScrollSpeed;
    if (cursor.y < kEditorEdgeMargin) scrollVelocity_.y = -kEdgeScrollSpeed;
    if (cursor.y > kVirtualHeight - kEditorEdgeMargin) scrollVelocity_.y = kEdgeScrollSpeed;

    const vec2 mouse = GetMouseWorldPos();
    hovered_ = nullptr;
    // Every layer updates and hovers here, frozen and hidden ones too; objects may
    // add objects while they update, so each list is walked by index.
    for (ObjectList& list : layers_) {
        for (size_t i = 0; i < list.size(); ++i) {
            cObject* object = list[i];
            object->Update();
            Rect frame;
            object->GetFrameRect(frame, -1);
            if (IsPointInRect(frame, mouse)) hovered_ = object;
        }
    }
}

// --- Layer flags ---

void cBaseWidget::SetLayerFrozen(int32_t layer, bool frozen)
{
    if (layer >= 0 && layer < kLayerCount) frozenLayers_[static_cast<size_t>(layer)] = frozen ? 1 : 0;
}

void cBaseWidget::SetLayerHidden(int32_t layer, bool hidden)
{
    if (layer >= 0 && layer < kLayerCount) hiddenLayers_[static_cast<size_t>(layer)] = hidden ? 1 : 0;
}

bool cBaseWidget::IsLayerFrozen(int32_t layer) const
{
    return layer >= 0 && layer < kLayerCount && frozenLayers_[static_cast<size_t>(layer)] != 0;
}

bool cBaseWidget::IsLayerHidden(int32_t layer) const
{
    return layer >= 0 && layer < kLayerCount && hiddenLayers_[static_cast<size_t>(layer)] != 0;
}

bool cBaseWidget::IsLayerPickable(size_t layer) const
{
    return layer < static_cast<size_t>(kLayerCount) && frozenLayers_[layer] == 0 && hiddenLayers_[layer] == 0;
}
