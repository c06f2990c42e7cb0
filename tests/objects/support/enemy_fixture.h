// test::EnemyTest: the fixture of the walking enemies' and camps' tests: the
// stand-in level screen whose walks go straight to the target (so they do not
// depend on any planner), the hero waiting at home, every enemy sprite registered (two
// frames at 10 frames a second, the pick animation eight), the log heard for
// sounds, and helpers that run ticks.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/man.h"
#include "objects/enemy_tuning.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "tests/objects/support/level_fixture.h"
#include "tests/objects/support/test_level_screen.h"

namespace test {

// The stand-in screen whose granted walks are one straight leg toward the target.
class EnemyLevelScreen : public TestLevelScreen {
public:
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        sendWorkerCalls.push_back(WalkEvent{walker, target, kind});
        if (walker == nullptr || target == nullptr || refuseWalks) return false;
        // Like the game's planner it stops the target's radius short of it.
        const vec2 from = walker->GetPosition();
        vec2 back = from - target->GetPosition();
        const float room = back.Length();
        const float radius = target->GetRadius();
        vec2 goal = target->GetPosition();
        if (room > 0.0f && radius > 0.0f) goal = goal + back * ((radius < room ? radius : room) / room);
        walker->WalkPath({from, goal}, target, kind);
        return true;
    }
    // SendWorker refuses every walk while set.
    bool refuseWalks = false;
};

// A walker on the figures' layer that only holds a target, as a worker on its way
// does: the goblins give up a source such a figure is after.
class StandInFigure : public cMan {
public:
    explicit StandInFigure(cObjectOwner* owner) : cMan(owner) { SetLayerField(6); }
};

class EnemyTest : public LevelFixture<EnemyLevelScreen> {
protected:
    static constexpr uint32_t kSeed = 4242u;

    void SetUp() override
    {
        HearLog(kSeed);
        EnemyTuningValues() = {};
        for (const char* base : {"goblin_walk", "goblin_bag", "goblin_fear", "goblin_protect", "skeleton_walk",
                                 "skeleton_lost_hand"}) {
            for (char digit = '0'; digit <= '3'; ++digit) {
                RegisterTestSprite(std::string(base) + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
            }
        }
        for (char digit = '0'; digit <= '3'; ++digit) {
            RegisterTestSprite(std::string("goblin_pick") + digit, 8, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
        }
        RegisterTestSprite("skeleton_death0", 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
    }
    void TearDown() override
    {
        LevelFixture::TearDown();
        EnemyTuningValues() = {};
    }

    // The level gets its hero (his construction makes him the level's). He waits in
    // the home building, where his own update does nothing, so that only the tests
    // turn him toward an enemy.
    cHero* AddHero(const vec2& at)
    {
        auto* hero = new cHero(&level);
        hero->SetPositionV(at);
        level.AddObject(hero, 0);
        hero->SetState(cHero::kStateInside);
        return hero;
    }
    bool IsRemoved(const cObject* object) const
    {
        const ObjectList& removed = level.GetRemovedObjects();
        return std::find(removed.begin(), removed.end(), object) != removed.end();
    }
    bool IsOnLevel(const cObject* object) const
    {
        for (const ObjectList& layer : level.GetLayers()) {
            if (std::find(layer.begin(), layer.end(), object) != layer.end()) return true;
        }
        return false;
    }
};

}  // namespace test
