// The achievements window: the score line and the buttons.
#include "game/menus/achieve_wf.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/window.h"
#include "engine/platform/host_services.h"
#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "framework/widgets/base_wf.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kScreen = "achieve";
constexpr const char* kScoreLabel = "score";
constexpr const char* kScoreKey = "[AchieveScore]";
constexpr const char* kBackButton = "back";
// Progress from which an achievement counts as held.
constexpr float kHeld = 1.0f;

}  // namespace

int32_t cAchieveWF::GetScore()
{
    cGarden* garden = GetGarden();
    const cPlayerBase* player = garden != nullptr ? garden->GetActivePlayer() : nullptr;
    if (player == nullptr) return 0;
    const std::vector<AchievementDef>& definitions = garden->GetAchievements();
    // A profile stored before a definition was added has no progress for it.
    const size_t count = std::min(definitions.size(), player->achievementProgress.size());
    uint32_t total = 0;
    for (size_t i = 0; i < count; ++i) {
        if (player->achievementProgress[i] >= kHeld) total += definitions[i].value;
    }
    return static_cast<int32_t>(total);
}

void cAchieveWF::ShowScore()
{
    if (score_ == nullptr) return;
    score_->SetText(vrk::FindText(kScoreKey) + ": " + vrk::FormatToString("%i", vrk::FormatArg::FromInt(GetScore())),
                    0);
}

int32_t cAchieveWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndFilled:
        score_ = ControlByName(window, kScoreLabel);
        break;
    case vrk::kWndOpened:
        ShowScore();
        break;
    case vrk::kWndClicked:
        if (menus::IsControl(window, second, kBackButton)) {
            if (cGarden* garden = GetGarden()) garden->ShowComics("menu", kScreen);
        } else if (menus::IsControl(window, second, "leaderboard")) {
            vrk::HostCommand("dialog=leaderboard");
        }
        return menus::kConsumed;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEnter || first == menus::kKeyEscape || first == menus::kKeySpace) {
            PostClick(window, kBackButton);
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}
