// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include <memory>

#include "framework/app/game_registry.h"
#include "game/level/magic_widget.h"
#include "game/windows/achieve_popup_wf.h"
#include "game/windows/finish_wf.h"
#include "game/windows/game_over_wf.h"
#include "game/windows/level_wf.h"
#include "game/windows/talk_wf.h"
#include "game/windows/task_popup_wf.h"

void RegisterGameEntries(GameRegistry& registry)
{
    // Construction hands the screen to the engine core; the application gives it
    // the hint style when it builds its screens.
    registry.SetScreen("level", []() -> vrk::cWidget* { return new cMagicWidget(); });
    // The level's own windows; "hint" keeps the plain dialog handler.
    registry.SetWindowFunction("level", [] { return std::make_unique<cLevelWF>(); });
    registry.SetWindowFunction("finish", [] { return std::make_unique<cFinishWF>(); });
    registry.SetWindowFunction("level_achieve", [] { return std::make_unique<cAchievePopupWF>(); });
    registry.SetWindowFunction("level_task", [] { return std::make_unique<cTaskPopupWF>(); });
    registry.SetWindowFunction("game_over", [] { return std::make_unique<cGameOverWF>(); });
    registry.SetWindowFunction("talk", [] { return std::make_unique<cTalkWF>(); });
}
