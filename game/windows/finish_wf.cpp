// The finish window's handler: the opening (sound, counters, the player's credit and
// next level), the counting by phases, and "close".
#include "game/windows/finish_wf.h"

#include <algorithm>
#include <cstdio>

#include "engine/gui/ctrl.h"
#include "engine/gui/window.h"
#include "engine/platform/host_services.h"
#include "engine/sound/sound_play.h"
#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "framework/widgets/cup_ctrl.h"
#include "game/level/magic_widget.h"

namespace {

constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr int32_t kSecondsPerMinute = 60;
constexpr const char* kMissingControls = "Some controls not found";
constexpr const char* kSuccessSound = "level_success";
constexpr const char* kCloseButton = "close";
constexpr const char* kLevelScreen = "level";

// The counter at 0, then on its way to the target at the speed (0 counts as 1).
template <typename T>
void RestartCounter(TimedValue<T>& counter, T target, float speed)
{
    counter.start = counter.current = counter.target = T{};
    counter.elapsed = counter.duration = 0.0f;
    counter.SetSpeed(speed);
    counter.SetTarget(target);
}

template <typename T>
void FinishCounter(TimedValue<T>& counter)
{
    counter.start = counter.current = counter.target;
    counter.elapsed = counter.duration = 0.0f;
}

std::string FormatMinutes(float seconds)
{
    const auto minutes = static_cast<int32_t>(seconds / static_cast<float>(kSecondsPerMinute));
    const auto rest = static_cast<int32_t>(seconds - static_cast<float>(kSecondsPerMinute * minutes));
    char text[32];
    std::snprintf(text, sizeof(text), "%02i:%02i", minutes, rest);
    return text;
}

std::string ScoreLine(int32_t score)
{
    return vrk::FormatToString("%s %i", vrk::FormatArg::FromString(vrk::FindText("finishScore")),
                               vrk::FormatArg::FromInt(score));
}

}  // namespace

std::string cFinishWF::NextScreen(const std::string& levelName)
{
    // The chapters end with these levels; their comics follow.
    if (levelName == "034") return "comics3";
    if (levelName == "022") return "comics2";
    if (levelName == "023") return "comics1";
    return "map";
}

bool cFinishWF::Build(vrk::cWindow* window)
{
    vars_ = ControlByName(window, "vars");
    vals_ = ControlByName(window, "vals");
    scoreText_ = ControlByName(window, "score");
    cup_ = dynamic_cast<cCupCtrl*>(ControlByName(window, "cup"));
    const bool complete = vars_ != nullptr && vals_ != nullptr && scoreText_ != nullptr && cup_ != nullptr;
    if (!complete) Fail(window, kMissingControls);
    return complete;
}

void cFinishWF::Open()
{
    const cMagicWidget* level = CurrentMagicWidget();
    const float levelTime = level != nullptr ? std::max(level->GetLevelTime(), 0.0f) : 0.0f;
    const int32_t resourceTotal = level != nullptr ? std::max(level->GetResourceTotal(), 0) : 0;
    const int32_t buildCount = level != nullptr ? std::max(level->GetBuildCount(), 0) : 0;
    const int32_t score = level != nullptr ? std::max(level->GetScore(), 0) : 0;
    medal_ = level != nullptr ? level->GetMedal() : cMagicWidget::kMedalNoLimit;
    levelName_ = level != nullptr ? level->GetLevelName() : std::string();
    vrk::PlaySound(kSuccessSound);

    // Each counter but the buildings runs its whole way in one second.
    RestartCounter(time_, levelTime, levelTime);
    RestartCounter(resources_, resourceTotal, static_cast<float>(resourceTotal));
    RestartCounter(builds_, buildCount, builds_.speed);
    RestartCounter(score_, score, static_cast<float>(score));

    vars_->SetText("", 0);
    vars_->SetText(vrk::FindText("finishTime") + "\n" + vrk::FindText("finishResources") + "\n" +
                       vrk::FindText("finishBuilds"),
                   0);
    scoreText_->SetText(ScoreLine(score_.current), 0);
    phase_ = kPhaseTime;
    CreditPlayer(score);
}

void cFinishWF::CreditPlayer(int32_t score) const
{
    cMiddle* middle = GetMiddle();
    cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    if (player == nullptr) return;
    player->totalScore += static_cast<uint32_t>(score);
    // A profile with fewer records than levels keeps its current level: there is no
    // record to open.
    const uint32_t next = player->currentLevel + 1;
    if (next >= middle->GetLevelCount() || next >= player->levelRecords.size()) return;
    PlayerLevelRecord& record = player->levelRecords[next];
    if (record.state == kLevelClosed) record.state = kLevelOpen;
    player->SetCurrentLevel(static_cast<int32_t>(next));
}

void cFinishWF::ShowCup()
{
    switch (medal_) {
    case cMagicWidget::kMedalFast: cup_->ShowMedal(cCupCtrl::kGold); break;
    case cMagicWidget::kMedalInTime: cup_->ShowMedal(cCupCtrl::kSilver); break;
    case cMagicWidget::kMedalLate: cup_->ShowMedal(cCupCtrl::kBronze); break;
    default: break;  // no time limit, no cup
    }
}

void cFinishWF::Update(uint32_t milliseconds)
{
    const float dt = static_cast<float>(milliseconds) / kMillisecondsPerSecond;
    switch (phase_) {
    case kPhaseTime:
        if (time_.Step(dt) != kTimedMoving) {
            phase_ = kPhaseResources;
            ShowCup();
        }
        break;
    case kPhaseResources:
        if (resources_.Step(dt) != kTimedMoving) phase_ = kPhaseBuilds;
        break;
    case kPhaseBuilds:
        if (builds_.Step(dt) != kTimedMoving) phase_ = kPhaseScore;
        break;
    default:
        score_.Step(dt);
        break;
    }
    ShowTexts();
}

void cFinishWF::ShowTexts()
{
    const std::string resources = phase_ > kPhaseTime ? std::to_string(resources_.current) : "0";
    const std::string builds = phase_ > kPhaseResources ? std::to_string(builds_.current) : "0";
    vals_->SetText(FormatMinutes(time_.current) + "\n" + resources + "\n" + builds, 0);
    scoreText_->SetText(ScoreLine(score_.current), 0);
}

void cFinishWF::Close()
{
    // The first press during the count shows the results at once; the updates then
    // step through the remaining phases.
    if (score_.current != score_.target) {
        FinishCounter(time_);
        FinishCounter(resources_);
        FinishCounter(builds_);
        FinishCounter(score_);
        return;
    }
    cMiddle* middle = GetMiddle();
    if (middle == nullptr) return;
    const cPlayerBase* player = middle->GetPlayerList().GetActivePlayer();
    const int32_t total = player != nullptr ? static_cast<int32_t>(player->totalScore) : 0;
    vrk::HostCommand(vrk::FormatToString("score=%i", vrk::FormatArg::FromInt(total)).c_str());
    middle->SaveSettings();
    middle->ShowComics(NextScreen(levelName_), kLevelScreen);
}

int32_t cFinishWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // Before its controls are found the window has nothing to show.
    const bool built = cup_ != nullptr;
    if (IsClosingOrFailed() || (!built && code != vrk::kWndFilled)) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndFilled:
        if (!Build(window)) return 0;
        break;
    case vrk::kWndOpened:
        Open();
        break;
    case vrk::kWndUpdate:
        Update(static_cast<uint32_t>(first));
        break;
    case vrk::kWndClicked:
        if (IsNamedControl(window, second, kCloseButton)) Close();
        return 1;
    case vrk::kWndKeyDown:
        if (first == window_key::kEnter || first == window_key::kEscape || first == window_key::kSpace) PostClick(window, kCloseButton);
        break;
    case vrk::kWndClosed:
        cup_->HideMedal();
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
