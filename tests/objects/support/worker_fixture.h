// test::WorkerTest: the fixture of the workers' tests: the stand-in level screen
// with every worker sprite registered (two frames at 10 frames a second, so each
// one-shot ends after 0.2 s), a home base, the log heard for sounds, and helpers
// that make workers and targets and run ticks.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/text/text_table.h"
#include "framework/objects/node.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/objects/support/level_fixture.h"
#include "tests/objects/support/test_level_screen.h"

namespace test {

class WorkerTest : public LevelFixture<TestLevelScreen> {
protected:
    static constexpr uint32_t kSeed = 2024u;

    void SetUp() override
    {
        HearLog(kSeed);
        for (const char* base : {"stand", "run", "walk", "build", "pick", "hack", "bag", "tied", "kontuz",
                                 "scared"}) {
            for (char digit = '0'; digit <= '3'; ++digit) {
                RegisterTestSprite(std::string("worker_") + base + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 0.0f);
            }
        }
        for (const char* name : {"worker_collect0", "worker_water0", "worker_sit0", "worker_alert0", "worker_eat0",
                                 "worker_drink0", "worker_jump0", "effect_explosion", "effect_shield",
                                 "worker_ice", "man_shadow"}) {
            RegisterTestSprite(name, 2, 10.0f, 32.0f, 48.0f, 16.0f, 0.0f);
        }
        RegisterTestSprite("base00", 1, 1.0f, 144.0f, 144.0f, 72.0f, 72.0f);
    }
    void TearDown() override
    {
        LevelFixture::TearDown();
        for (const char* key : {"Unfreeze", "FreeWorker"}) vrk::TextTable().erase(key);
    }

    cWorker* MakeWorker(const GridCell& cell)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        if (worker == nullptr) return nullptr;
        worker->SetPositionV(level.CellToPoint(cell));
        worker->SetSprite(std::string());
        return worker;
    }
    // The home base (3 x 3 cells, blocked) with its door two cells below its centre,
    // just outside the footprint.
    cBuild* MakeHome(const GridCell& cell)
    {
        auto* home = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
        if (home == nullptr) return nullptr;
        home->SetPositionV(level.CellToPoint(cell));
        home->SetSprite("base00");
        home->MarkZone(1);
        if (auto* door = dynamic_cast<cNode*>(level.CreateObject(kTypeNode, 0))) {
            door->SetPositionV(level.CellToPoint({cell.x, cell.y - 2}));
            home->Attach(door);
        }
        return home;
    }
    // A plain game object on the level whose work lasts the given seconds.
    cGameObject* MakeSite(const GridCell& cell, float seconds)
    {
        auto* site = new cGameObject(&level);
        level.AddObject(site, 0);
        site->SetPositionV(level.CellToPoint(cell));
        site->SetTimerRemaining(seconds);
        return site;
    }
};

}  // namespace test
