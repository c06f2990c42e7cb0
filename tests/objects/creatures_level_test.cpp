// The tool-built level holding every level class (tests/data/levels/creatures_test.lua)
// loaded and played for 3,000 ticks in the started game, on the real data tree's sprites, sounds
// and texts, against the stand-in level screen. The test gives the orders a player
// would: the wife to the frozen worker (paid as the level screen pays), a worker to
// the bonfire, the hero to the goblin the tower hit, a woodcutter to the tree under
// the tank. Nothing may warn while it runs.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "framework/objects/app_services.h"
#include "objects/bonfire.h"
#include "objects/enemy.h"
#include "objects/level_contract.h"
#include "objects/tank.h"
#include "objects/tower.h"
#include "objects/wife.h"
#include "objects/worker.h"
#include "tests/framework/app/tour_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/creatures_test.lvl";
constexpr int kTicks = 3000;
constexpr int32_t kWifeMana = 5;
// The play under this seed; under others the witch may freeze the worker on his way
// to the fire before it burns, and the tank may look away while the woodcutter works.
constexpr uint32_t kSeed = 2026;
// Resource slots of the stock.
constexpr size_t kWood = 0;
constexpr size_t kMana = 3;

using CreaturesLevelTest = test::GameTourTest;

TEST_F(CreaturesLevelTest, EveryClassPlaysThreeThousandTicksWithoutAWarning)
{
    Start();
    // The game seeds its generator from the time of day; the play must not hang on it.
    ASSERT_NE(GetAppServices(), nullptr);
    // Made while the core runs: the core adopts and deletes it.
    const size_t linesBefore = lines.size();
    const size_t complaintsBefore = Complaints().size();
    auto* screen = new test::TestLevelScreen();
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(kLevelFile), 0);
    ASSERT_TRUE(screen->LoadLevel(stream, 0));
    screen->LinkObjects();
    const auto find = [&](const char* name) { return dynamic_cast<cGameObject*>(screen->FindObject(name, -1)); };
    auto* wife = dynamic_cast<cWife*>(find("wife"));
    auto* hero = dynamic_cast<cMan*>(find("hero"));
    auto* frozen = dynamic_cast<cWorker*>(find("frozen_worker"));
    auto* tender = dynamic_cast<cWorker*>(find("tender"));
    auto* woodcutter = dynamic_cast<cWorker*>(find("woodcutter"));
    auto* bonfire = dynamic_cast<cBonfire*>(find("bonfire"));
    auto* tower = dynamic_cast<cTower*>(find("tower"));
    cGameObject* tankTree = find("tank_tree");
    ASSERT_TRUE(wife && hero && frozen && tender && woodcutter && bonfire && tower && tankTree);
    ASSERT_NE(dynamic_cast<cTank*>(find("tank")), nullptr);
    EXPECT_EQ(screen->home, find("home"));
    screen->Stock().amounts[kWood] = 200;
    screen->Stock().amounts[kMana] = 50;

    GetAppServices()->GetRandomGen().seed = kSeed;
    bool witchOut = false, froze = false, thawed = false, fireLit = false, witchGone = false;
    bool wifeSent = false, heroSent = false, goblinBeaten = false, stunned = false;
    cEnemy* goblin = nullptr;
    cObject* firstWitch = nullptr;
    for (int tick = 0; tick < kTicks; ++tick) {
        screen->Tick();
        ObjectList witches;
        screen->FindObjectsOfKind(witches, kTypeWitch, -1);
        if (firstWitch == nullptr && !witches.empty()) firstWitch = witches.front();
        witchOut = firstWitch != nullptr;
        if (frozen->IsFrozen() && !froze) {
            froze = true;
            // The order as the level screen gives it: paid first, the price kept with her.
            screen->Stock().amounts[kMana] -= kWifeMana;
            wife->PaidCost().Clear();
            wife->PaidCost().amounts[kMana] = kWifeMana;
            wifeSent = screen->SendWorker(wife, frozen, 0);
            screen->SendWorker(tender, bonfire, 1);
        }
        thawed = thawed || (froze && !frozen->IsFrozen());
        fireLit = fireLit || bonfire->GetState() == cBonfire::kStateBurning;
        // Removed objects stay allocated until the level is cleared.
        witchGone = witchGone || (fireLit && witchOut && cEnemy::HasGone(firstWitch));
        if (goblin == nullptr) {
            for (const ShotRecord& shot : tower->GetShots()) {
                if (shot.target != nullptr && shot.target->GetTypeId() == kTypeGoblin)
                    goblin = dynamic_cast<cEnemy*>(shot.target);
            }
        } else if (!heroSent && tower->GetShots().empty()) {
            heroSent = screen->SendWorker(hero, goblin, 0);
        }
        goblinBeaten = goblinBeaten || (heroSent && (goblin->IsDead() || goblin->GetState() == kStateRemoved));
        stunned = stunned || woodcutter->GetState() == cWorker::kStateStunned;
        if (!stunned && woodcutter->GetState() == cWorker::kStateIdle) screen->SendWorker(woodcutter, tankTree, 1);
    }

    // The order of events hangs on the stand-in's walk planning (stand-in-only).
    EXPECT_TRUE(witchOut) << "the camp released a witch";
    EXPECT_TRUE(froze) << "the witch froze the worker beside her camp";
    EXPECT_TRUE(wifeSent);
    EXPECT_TRUE(thawed) << "the wife thawed him";
    EXPECT_TRUE(fireLit);
    EXPECT_TRUE(witchGone) << "the witch vanished at the burning fire";
    EXPECT_NE(goblin, nullptr) << "the tower shot at a goblin";
    EXPECT_TRUE(heroSent);
    EXPECT_TRUE(goblinBeaten) << "the hero beat the goblin";
    EXPECT_TRUE(stunned) << "the tank stunned the woodcutter at the tree";

    std::string warnings;
    for (size_t at = linesBefore; at < lines.size(); ++at) {
        if (lines[at].find("^5") != std::string::npos) warnings += lines[at] + "\n";
    }
    EXPECT_TRUE(warnings.empty()) << warnings;
    const std::vector<std::string> complaints = Complaints();
    EXPECT_EQ(complaints.size(), complaintsBefore) << Joined(complaints);
}

}  // namespace
