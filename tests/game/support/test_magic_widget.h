// test::TestMagicWidget: the game's level screen with a level name the test picks
// and the achievements it unlocks recorded instead of sent to the application.
#pragma once
#include <string>
#include <vector>

#include "game/level/magic_widget.h"

namespace test {

class TestMagicWidget : public cMagicWidget {
public:
    void SetLevelName(const std::string& name) { levelName_ = name; }
    void UnlockAchievement(const std::string& name) override { achievements.push_back(name); }

    std::vector<std::string> achievements;
};

}  // namespace test
