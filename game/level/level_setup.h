// The per-level set-up: what a level's name decides before any of its objects is
// made (stock, tasks, music, time limit, weather, day and night, enemy tuning, the
// opening talk). The level screen runs it from InitLevel.
#pragma once
#include <string>

class cMagicWidget;

// Sets the screen up for the named level. cMagicWidget::InitLevel calls it after
// the base's set-up and the reset of the enemy tuning; a name outside the level
// table leaves the cleared state as it is.
void ApplyLevelSetup(cMagicWidget& screen, const std::string& levelName);
