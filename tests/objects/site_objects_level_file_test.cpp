// Lakes, bonfires, altars, the enemy altar and the bell made under a level file (the
// editor's and the loader's owner, with no level screen and no application): they
// set up, tick, draw and take their messages without a screen to reach.
#include <gtest/gtest.h>

#include <memory>

#include "framework/widgets/level_file.h"
#include "objects/altar.h"
#include "objects/altar_enemy.h"
#include "objects/bell.h"
#include "objects/bonfire.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "objects/level_screen.h"

namespace {

TEST(SiteObjectsUnderALevelFile, SetUpTickDrawAndTakeMessagesWithoutALevelScreen)
{
    ASSERT_EQ(CurrentLevelScreen(), nullptr);
    cLevelFile file;
    const struct {
        int32_t type;
        const char* name;
    } cases[] = {{kTypeLake, "lake00"},       {kTypeBonfire, "bonfire00"}, {kTypeAltar, "spell_fast_food"},
                 {kTypeAltar, "altar00"},     {kTypeBell, "bell00"},       {kTypeAltarEnemy, "altar00"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        const std::unique_ptr<cObject> object = NewLevelObject(entry.type, &file);
        ASSERT_NE(object, nullptr);
        object->SetText("enemy_spell_kill_towers;0.5");
        object->SetSprite(entry.name);
        object->OnMessage(kEventMagicReached, 0);
        if (auto* lake = dynamic_cast<cLake*>(object.get())) lake->SetFrozen(true);
        if (auto* bell = dynamic_cast<cBell*>(object.get())) bell->RingAlarm();
        auto* bonfire = dynamic_cast<cBonfire*>(object.get());
        if (bonfire != nullptr) {
            EXPECT_EQ(bonfire->GetLightIndex(), -1) << "no screen, no light";
            bonfire->SetState(cBonfire::kStateBurning);
            EXPECT_EQ(bonfire->UpdateTimer(1.0f), kTimerIdle) << "no stock to pay from";
        }
        for (int tick = 0; tick < 40; ++tick) object->Update();
        object->Draw();
        object->DrawOverlay();
        if (auto* lake = dynamic_cast<cLake*>(object.get())) {
            lake->SetFrozen(false);
            lake->Update();
            EXPECT_EQ(lake->GetState(), cLake::kStateOpen);
        }
    }
}

}  // namespace
