// The HUD's handler: control look-up, the refresh of counters, time bar and dial,
// the task rows and the task tooltip.
#include "game/windows/level_wf.h"

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/text/text_format.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/objects/task_list.h"
#include "game/level/magic_widget.h"

namespace {

constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr const char* kMissingControls = "Some controls not found";
constexpr const char* kEscapeWindow = "escape";
// The escape menu knows it was opened from a level by this context.
constexpr intptr_t kEscapeContext = 2;
constexpr const char* kTooltipWindow = "level_task";
constexpr const char* kTooltipText = "text";
constexpr const char* kTaskFramePrefix = "frame_task";
constexpr size_t kTaskFramePrefixLength = 10;
// Stock slots: [0] wood, [1] food, [2] money, [3] mana.
constexpr size_t kWoodSlot = 0;
constexpr size_t kFoodSlot = 1;
constexpr size_t kMoneySlot = 2;
constexpr size_t kManaSlot = 3;

std::string RowName(const char* format, size_t row)
{
    return vrk::FormatToString(format, vrk::FormatArg::FromInt(static_cast<int32_t>(row)));
}

void SetNumber(vrk::cCtrl* label, int32_t value)
{
    if (label != nullptr) label->SetText(std::to_string(value), 0);
}

void Show(vrk::cCtrl* control, bool shown)
{
    if (control != nullptr) control->Show(shown);
}

}  // namespace

bool cLevelWF::Build(vrk::cWindow* window)
{
    food_ = ControlByName(window, "food");
    wood_ = ControlByName(window, "wood");
    money_ = ControlByName(window, "money");
    mana_ = ControlByName(window, "mana");
    time_ = dynamic_cast<vrk::cProgressBarSysCtrl*>(ControlByName(window, "time"));
    for (size_t row = 0; row < kTaskRows; ++row) {
        rows_[row].count = ControlByName(window, RowName("label_task%i0", row));
        rows_[row].remain = ControlByName(window, RowName("label_task%i1", row));
        rows_[row].image = ControlByName(window, RowName("image_task%i", row));
        rows_[row].frame = ControlByName(window, RowName("frame_task%i", row));
    }
    dayNight_ = dynamic_cast<vrk::cProgressBarSysCtrl*>(ControlByName(window, "daynight"));
    if (dayNight_ != nullptr) dayNight_->SetCircular(true);
    day_ = ControlByName(window, "day");
    night_ = ControlByName(window, "night");
    noNight_ = ControlByName(window, "no_night");
    const bool complete = food_ != nullptr && wood_ != nullptr && money_ != nullptr && mana_ != nullptr &&
                          time_ != nullptr && dayNight_ != nullptr && day_ != nullptr && night_ != nullptr &&
                          noNight_ != nullptr;
    if (!complete) Fail(window, kMissingControls);
    return complete;
}

void cLevelWF::Update(uint32_t milliseconds)
{
    refreshElapsed_ += static_cast<float>(milliseconds) / kMillisecondsPerSecond;
    if (refreshElapsed_ >= kRefreshSeconds) {
        RefreshStock();
        // The surplus is dropped: the counters need no exact cadence.
        refreshElapsed_ = 0.0f;
    }
    RefreshTime();
    RefreshDayNight();
}

void cLevelWF::RefreshStock()
{
    const cMagicWidget* level = CurrentMagicWidget();
    if (level == nullptr) return;
    const ResourceVector& stock = level->Stock();
    SetNumber(food_, stock.At(kFoodSlot));
    SetNumber(wood_, stock.At(kWoodSlot));
    SetNumber(money_, stock.At(kMoneySlot));
    SetNumber(mana_, stock.At(kManaSlot));
}

void cLevelWF::RefreshTime()
{
    const cMagicWidget* level = CurrentMagicWidget();
    if (level == nullptr || time_ == nullptr) return;
    const float limit = level->timeLimit;
    const float used = level->GetLevelTime();
    if (limit <= 0.0f) {
        time_->SetProgress(1.0f);
    } else {
        time_->SetProgress(used < limit ? 1.0f - used / limit : 0.0f);
    }
}

void cLevelWF::RefreshDayNight()
{
    const cMagicWidget* level = CurrentMagicWidget();
    if (level == nullptr) return;
    Show(day_, !level->night);
    Show(night_, level->night);
    const TimedValue<float>& phase = level->dayNightPhase;
    // A day or night that has just run out rests at its length for the one tick
    // until the next starts: the dial stays as it was through that change.
    if (phase.current == phase.target && phase.target != 0.0f) return;
    // A target of 0 is no running day or night either: no division by it.
    const bool running = phase.current != phase.target && phase.target != 0.0f;
    Show(noNight_, !running);
    if (dayNight_ != nullptr) dayNight_->SetProgress(running ? phase.current / phase.target : 0.0f);
}

void cLevelWF::RefreshTaskRows()
{
    cMagicWidget* level = CurrentMagicWidget();
    if (level == nullptr) return;
    const TaskList& tasks = level->Tasks();
    cMiddle* middle = GetMiddle();
    for (size_t row = 0; row < kTaskRows; ++row) {
        const TaskRow& controls = rows_[row];
        if (controls.count == nullptr || controls.remain == nullptr || controls.image == nullptr) continue;
        // A row without a task goes whole, its panel too: an empty frame would
        // look like a task with nothing to say.
        const bool used = row < tasks.records.size();
        for (vrk::cCtrl* part : {controls.count, controls.remain, controls.frame}) Show(part, used);
        if (!used) {
            controls.count->SetText("", 0);
            controls.remain->SetText("", 0);
            controls.image->Show(false);
            continue;
        }
        const SpriteInfo icon = middle != nullptr ? middle->GetSpriteInfoEx(tasks.records[row].icon) : SpriteInfo{};
        if (!icon.IsSprite()) continue;
        const FrameWindow frame = icon.Window(0);
        controls.image->Show(true);
        controls.image->SetTexture(icon.texture->name, 0);
        controls.image->SetUVRect(vrk::GuiRect{frame.u, frame.v, frame.width, frame.height}, 0);
        const auto [count, remain] = FillTaskPanel(tasks, row);
        controls.count->SetText(count, 0);
        controls.remain->SetText(remain, 0);
    }
}

void cLevelWF::ShowTaskTooltip(vrk::cWindow* window, int32_t code, intptr_t controlIndex)
{
    if (controlIndex < 0 || controlIndex >= window->GetCtrlCount()) return;
    const vrk::cCtrl* control = window->GetCtrl(static_cast<int32_t>(controlIndex));
    if (control == nullptr) return;
    const std::string& name = control->GetName();
    if (name.compare(0, kTaskFramePrefixLength, kTaskFramePrefix) != 0) return;
    const int32_t index = vrk::StrToIntOrZero(name.substr(kTaskFramePrefixLength));
    cMagicWidget* level = CurrentMagicWidget();
    const TaskList* tasks = level != nullptr ? &level->Tasks() : nullptr;
    vrk::cGUI* gui = window->GetGUI();
    if (gui == nullptr) return;
    // A negative index reads as no task, like one past the list.
    const bool known = tasks != nullptr && index >= 0 && static_cast<size_t>(index) < tasks->records.size();
    vrk::cCtrl* text = known ? vrk::FindControl(kTooltipWindow, kTooltipText) : nullptr;
    if (code == vrk::kWndMouseEntered && text != nullptr) {
        text->SetText(vrk::FindText(tasks->records[static_cast<size_t>(index)].id), 0);
        gui->ShowWindow(kTooltipWindow);
    } else {
        gui->AskCloseWindow(kTooltipWindow);
    }
}

int32_t cLevelWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndFilled:
        if (!Build(window)) return 0;
        break;
    case vrk::kWndUpdate:
        Update(static_cast<uint32_t>(first));
        break;
    case vrk::kWndMouseEntered:
    case vrk::kWndMouseLeft:
        if (window != nullptr) ShowTaskTooltip(window, code, second);
        break;
    case kWndMessage:
        RefreshTaskRows();
        break;
    case vrk::kWndClicked:
        if (IsNamedControl(window, second, "menu")) {
            if (cMiddle* middle = GetMiddle()) middle->ShowWindow(kEscapeWindow, kEscapeContext);
        }
        return 1;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
