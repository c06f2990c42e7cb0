// cTrainStep: a tutorial step set up from its row (text, target, flags, placement,
// delay), the shared tests of the chains and the hand-over to the successor.
#include "game/hints/train_step.h"

#include "engine/gui/find_control.h"
#include "engine/text/text_table.h"
#include "framework/objects/man.h"
#include "framework/objects/object.h"
#include "game/level/magic_widget.h"

namespace {
constexpr const char* kHudWindow = "level";
}  // namespace

cTrainStep::cTrainStep(const TrainRow& row)
{
    text = vrk::FindText(row.textKey);
    cMagicWidget* screen = Screen();
    if (row.objectName != nullptr && screen != nullptr) target = screen->FindObject(row.objectName, -1);
    if (row.controlName != nullptr) control = vrk::FindControl(kHudWindow, row.controlName);
    waitClick = (row.flags & kTrainWait) != 0;
    untargeted = (row.flags & kTrainUntargeted) != 0;
    follow = (row.flags & kTrainFollow) != 0;
    placement = row.placement;
    delay.current = 0.0f;
    delay.SetTarget(row.delay);
}

cMagicWidget* cTrainStep::Screen() { return CurrentMagicWidget(); }

bool cTrainStep::TargetInState(int32_t state) const { return target != nullptr && target->GetState() == state; }

bool cTrainStep::HasOwnTarget(const cObject* object)
{
    const auto* walker = dynamic_cast<const cMan*>(object);
    return walker != nullptr && walker->GetTarget() != nullptr;
}

void cTrainStep::ListKind(int32_t kind, std::vector<cObject*>& found)
{
    if (cMagicWidget* screen = Screen()) screen->FindObjectsOfKind(found, kind, -1);
}

void cTrainStep::ReplaceWith(std::unique_ptr<cTrain> next)
{
    finished = true;
    cMagicWidget* screen = Screen();
    // A step that is not the screen's current one (a test's own) only finishes.
    if (screen == nullptr || screen->GetHint() != this) return;
    // Deletes this step; it must be the very last thing done here.
    screen->SetHint(std::move(next));
}
