// cBaseWidget's level editor: the keyboard. A key either runs a command at once
// (mode switch, windows, links, ordering, deletion, copy and paste) or sets one of
// four requests (move, turn, mirror, layer) that then apply to every selected
// object.
#include <optional>

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "framework/objects/node.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/editor_keys.h"

namespace {

constexpr const char* kEditorWindow = "editor";
constexpr const char* kObjectWindow = "object";
constexpr const char* kNameWindow = "name";
constexpr const char* kInfoCommand = "_info";
constexpr const char* kFreezeCommand = "_freeze";
constexpr const char* kSaveCommand = "_save";
// The palette items these commands stand for in the list "first".
constexpr int32_t kFreezeItem = 1;
constexpr int32_t kSaveItem = 2;

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

void OpenWindow(const char* name)
{
    if (vrk::cGUI* gui = Gui()) gui->ShowWindow(name);
}

struct EditRequests {
    std::optional<vec2> move;
    std::optional<float> turn;
    bool mirror = false;
    std::optional<int32_t> layer;
};

// Mirroring walks the signs (+,+) -> (-,+) -> (-,-) -> (+,-) -> (+,+).
vec2 MirroredScale(vec2 scale)
{
    const bool bothPositive = scale.x > 0.0f && scale.y > 0.0f;
    const bool bothNegative = scale.x < 0.0f && scale.y < 0.0f;
    if (bothPositive || bothNegative) {
        scale.x = -scale.x;
    } else {
        scale.y = -scale.y;
    }
    return scale;
}

}  // namespace

uint32_t cBaseWidget::OnKeyDown(uint32_t key)
{
    namespace k = editor_key;
    const bool control = IsLeftControlDown();
    const float step = control ? editor_step::kMoveLarge : editor_step::kMove;
    const float turn = control ? editor_step::kTurnLarge : editor_step::kTurn;
    EditRequests requests;

    if (key >= k::kDigit0 && key <= k::kDigit9) {
        requests.layer = static_cast<int32_t>(key - k::kDigit0);
    } else {
        switch (key) {
        case k::kTab: SetMode(kModePlay); break;
        case k::kD: SendEditorCommand(0, kInfoCommand, 0); break;
        case k::kF: SendEditorCommand(0, kFreezeCommand, kFreezeItem); break;
        case k::kO: OpenWindow(kObjectWindow); break;
        case k::kL: OpenWindow(kNameWindow); break;
        case k::kS:
            if (control) SendEditorCommand(0, kSaveCommand, kSaveItem);
            break;
        case k::kH:
            if (vrk::cGUI* gui = Gui()) {
                if (gui->IsWindowOpen(kEditorWindow)) {
                    gui->CloseWindow(kEditorWindow);
                } else {
                    gui->ShowWindow(kEditorWindow);
                }
            }
            break;
        case k::kN: LinkSelection(); break;
        case k::kMinus:
            for (cObject* object : selection_) SendToBack(object);
            break;
        case k::kPlus:
            for (auto object = selection_.rbegin(); object != selection_.rend(); ++object) BringToFront(*object);
            break;
        case k::kLeft: requests.move = vec2{-step, 0.0f}; break;
        case k::kRight: requests.move = vec2{step, 0.0f}; break;
        case k::kUp: requests.move = vec2{0.0f, step}; break;
        case k::kDown: requests.move = vec2{0.0f, -step}; break;
        case k::kComma: requests.turn = -turn; break;
        case k::kPeriod: requests.turn = turn; break;
        case k::kBackspace:
        case k::kDelete:
            for (cObject* object : selection_) RemoveObject(object);
            selection_.clear();
            break;
        case k::kC:
            if (control) CopySelection();
            break;
        case k::kV:
            if (control) PasteClipboard();
            break;
        case k::kM: requests.mirror = true; break;
        default: break;
        }
    }

    for (cObject* object : selection_) {
        if (requests.move) object->MoveV(*requests.move);
        if (requests.turn) object->SetAngle(object->GetAngle() + *requests.turn);
        if (requests.mirror) object->SetScaleV(MirroredScale(object->GetScale()));
    }
    if (requests.layer) {
        for (auto object = selection_.rbegin(); object != selection_.rend(); ++object) {
            SetObjectLayer(*object, *requests.layer);
        }
    }
    return 0;
}

void cBaseWidget::LinkSelection()
{
    if (selection_.size() == 1) {
        selection_.front()->DetachAll();
        return;
    }
    cObject* target = nullptr;
    for (cObject* object : selection_) {
        if (!object->IsKindOf(kTypeNode)) {
            target = object;
            break;
        }
    }
    if (target == nullptr) return;
    target->DetachAll();
    for (cObject* object : selection_) {
        if (object->IsKindOf(kTypeNode)) target->Attach(static_cast<cNode*>(object));
    }
}
