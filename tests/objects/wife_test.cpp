// The wife on the stand-in level screen (walks go straight to the target): her magic
// at an altar, the prison and a frozen worker, the walk to a worker who is not
// frozen, the refund of her price, the wander, the way home and the portal, and the
// magic that ends at once without an animation.
#include <gtest/gtest.h>

#include <string>

#include "framework/objects/random_gen.h"
#include "objects/altar.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/wife.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

constexpr size_t kMana = 3;

// The prison as her magic sees it: of its type, counting the magic it receives.
class PrisonMark : public cGameObject {
public:
    explicit PrisonMark(cObjectOwner* owner) : cGameObject(owner) {}
    int32_t GetTypeId() const override { return kTypePrison; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypePrison, id); }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        magic += code == kEventMagicReached ? 1 : 0;
        return cGameObject::OnMessage(code, data);
    }
    int magic = 0;
};

class WifeTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        for (char digit = '0'; digit <= '3'; ++digit) {
            for (const char* base : {"wife_run", "wife_walk", "wife_magic"}) {
                test::RegisterTestSprite(std::string(base) + digit, 2, 10.0f);
            }
        }
        for (const char* name : {"wife_hair0", "wife_stand0", "wife_skovoroda0"}) {
            test::RegisterTestSprite(name, 2, 10.0f);
        }
        test::RegisterTestSprite("succub_portal", 3, 10.0f);
        test::RegisterTestSprite("altar00", 1, 0.0f, 96.0f, 96.0f, 48.0f, 48.0f);
        test::RegisterTestSprite("spell_freeze_water_off", 4, 10.0f);
        test::RegisterTestSprite("spell_freeze_water_on", 4, 10.0f);
        test::RegisterTestSprite("effect_laser", 4, 10.0f);
    }

    cWife* MakeWife(const vec2& at)
    {
        auto* wife = dynamic_cast<cWife*>(level.CreateObject(kTypeWife, 0));
        wife->SetPositionV(at);
        wife->SetSprite("wife");
        return wife;
    }
    cWorker* MakeWorker(const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        worker->SetPositionV(at);
        worker->SetSprite("");
        return worker;
    }
    cBuild* MakeHome(const vec2& at)
    {
        auto* home = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
        home->SetPositionV(at);
        home->SetSprite("base00");
        return home;
    }
    // Pays the order as the level screen does, then sends her.
    void Order(cWife* wife, cGameObject* target, int32_t mana)
    {
        wife->PaidCost().Clear();
        if (wife->PaidCost().Size() > kMana) wife->PaidCost().amounts[kMana] = mana;
        ASSERT_TRUE(level.SendWorker(wife, target, 0));
    }
    int TicksUntilState(cObject* object, int32_t state, int limit = 2000)
    {
        return TicksUntil([&] { return object->GetState() == state; }, limit);
    }
    size_t Casts(uintptr_t id) const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == kEventSpellCast && event.param == id;
        return count;
    }
};

TEST_F(WifeTest, Magic_AtAnAltarThePrisonAndAFrozenWorkerButNotAtAWorkerWhoIsNotFrozen)
{
    EXPECT_EQ(level.wife, nullptr);
    cWife* wife = MakeWife({100.0f, 300.0f});
    EXPECT_EQ(level.wife, wife);
    EXPECT_TRUE(wife->IsKindOf(kTypeWife) && wife->IsKindOf(12) && !wife->IsKindOf(kTypeHero));

    auto* altar = dynamic_cast<cAltar*>(level.CreateObject(kTypeAltar, 0));
    altar->SetPosition(400.0f, 300.0f);
    altar->SetSprite("spell_freeze_water");
    Order(wife, altar, 5);
    EXPECT_EQ(wife->GetAnimationKey(), "run0");
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    EXPECT_EQ(wife->PaidCost().At(kMana), 5) << "not spent before the magic reaches the altar";
    EXPECT_EQ(wife->GetAnimationKey(), "magic0");
    EXPECT_EQ(Sounds("wife_magic"), 1);
    EXPECT_EQ(Casts(3), 0u) << "the spell waits for the magic's end";
    EXPECT_EQ(TicksUntilState(wife, cWife::kStateWander, 100), 6) << "two frames at 10 a second";
    EXPECT_EQ(Casts(3), 1u);
    EXPECT_TRUE(wife->PaidCost().IsZero()) << "spent when the magic ends";

    auto* prison = new PrisonMark(&level);
    prison->SetPosition(100.0f, 300.0f);
    level.AddObject(prison, 0);
    Order(wife, prison, 0);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    TicksUntilState(wife, cWife::kStateWander, 100);
    EXPECT_EQ(prison->magic, 1);

    cWorker* frozen = MakeWorker({400.0f, 500.0f});
    frozen->SetFrozen(true);
    Order(wife, frozen, 0);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    EXPECT_TRUE(frozen->IsFrozen());
    TicksUntilState(wife, cWife::kStateWander, 100);
    EXPECT_FALSE(frozen->IsFrozen());

    // Sent to him again, now thawed: she arrives and wanders, without magic.
    Order(wife, frozen, 0);
    ASSERT_GT(TicksUntil([&] { return wife->GetState() != kStateWalking; }), 0);
    EXPECT_EQ(wife->GetState(), cWife::kStateWander);
    EXPECT_EQ(Sounds("wife_magic"), 3);
}

TEST_F(WifeTest, Magic_AtAWorkerWhoLeftTheLevelMeanwhileReachesNobody)
{
    cWife* wife = MakeWife({100.0f, 300.0f});
    cWorker* frozen = MakeWorker({400.0f, 300.0f});
    frozen->SetFrozen(true);
    Order(wife, frozen, 0);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    level.RemoveObject(frozen);
    EXPECT_GT(TicksUntilState(wife, cWife::kStateWander, 100), 0);
    EXPECT_TRUE(frozen->IsFrozen()) << "no thaw, so the frozen count is not touched again";
    EXPECT_EQ(level.frozenWorkers, 1);
}

TEST_F(WifeTest, Magic_WithoutAnAnimationEndsAtOnce)
{
    for (char digit = '0'; digit <= '3'; ++digit) GetTextureInfoExMap().erase(std::string("wife_magic") + digit);
    cWife* wife = MakeWife({100.0f, 300.0f});
    cWorker* frozen = MakeWorker({200.0f, 300.0f});
    frozen->SetFrozen(true);
    Order(wife, frozen, 0);
    ASSERT_GT(TicksUntil([&] { return !frozen->IsFrozen(); }, 200), 0);
    EXPECT_EQ(wife->GetState(), cWife::kStateWander);
}

TEST_F(WifeTest, Refund_GivesThePriceBackOnceOnTheWayAndNothingAfterArrival)
{
    cWife* wife = MakeWife({100.0f, 300.0f});
    auto* prison = new PrisonMark(&level);
    prison->SetPosition(900.0f, 300.0f);
    level.AddObject(prison, 0);
    Order(wife, prison, 7);
    Ticks(5);
    wife->RefundCost();
    EXPECT_EQ(level.Stock().At(kMana), 7);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeItem), 1u) << "the stock's tasks are recounted";
    wife->RefundCost();
    EXPECT_EQ(level.Stock().At(kMana), 7) << "a second cancel refunds nothing";

    Order(wife, prison, 4);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateWander, 100), 0);
    wife->RefundCost();
    EXPECT_EQ(level.Stock().At(kMana), 7) << "spent once the magic has reached the prison";

    // Arrived where no magic is cast (a worker thawed meanwhile), the price is spent.
    cWorker* thawed = MakeWorker({400.0f, 300.0f});
    Order(wife, thawed, 2);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateWander), 0);
    wife->RefundCost();
    EXPECT_EQ(level.Stock().At(kMana), 7);
}

// Called off while she casts, by the player's next order or by the bell, her magic
// never reaches the target: what she was paid for comes back.
TEST_F(WifeTest, Refund_OfAMagicCalledOffWhileSheCasts)
{
    cWife* wife = MakeWife({100.0f, 300.0f});
    cWorker* frozen = MakeWorker({400.0f, 300.0f});
    frozen->SetFrozen(true);
    Order(wife, frozen, 20);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    wife->RefundCost();
    EXPECT_EQ(level.Stock().At(kMana), 20) << "the player sent her elsewhere";
    EXPECT_TRUE(wife->PaidCost().IsZero());

    ASSERT_GT(TicksUntilState(wife, cWife::kStateWander, 100), 0);

    cWorker* other = MakeWorker({400.0f, 500.0f});
    other->SetFrozen(true);
    Order(wife, other, 20);
    ASSERT_GT(TicksUntilState(wife, cWife::kStateMagic), 0);
    auto* bell = new cGameObject(&level);
    bell->SetPosition(100.0f, 500.0f);
    level.AddObject(bell, 0);
    wife->OnMessage(kEventBellAlarm, reinterpret_cast<uintptr_t>(static_cast<cObject*>(bell)));
    EXPECT_EQ(wife->GetTarget(), bell);
    EXPECT_EQ(level.Stock().At(kMana), 40) << "the bell called her off";
    Ticks(30);
    EXPECT_TRUE(other->IsFrozen()) << "no magic reached him";
}

TEST_F(WifeTest, Idle_FirstWalkFiveSecondsLaterFourToEightAndTheStandDrawnAtRandom)
{
    level.LinkObjects();
    RandomGen expected;
    expected.seed = app.random.seed;
    const char* keys[] = {"stand0", "hair0", "skovoroda0"};
    cWife* wife = MakeWife({500.0f, 400.0f});
    EXPECT_EQ(wife->GetAnimationKey(), keys[(expected.NextValue() & 0x7FFF) % 3]);
    ASSERT_GT(TicksUntilState(wife, kStateWalking, 100), 0);
    EXPECT_EQ(wife->GetAnimationKey().rfind("walk", 0), 0u);

    int walking = 1;
    while (wife->GetState() != cWife::kStateStand && walking < 1000) {
        level.Tick();
        walking += wife->GetState() == kStateWalking ? 1 : 0;
    }
    EXPECT_NEAR(walking * kTick, 5.0f, 3 * kTick);
    const float wander = wife->GetWanderTime();
    EXPECT_GE(wander, 4.0f);
    EXPECT_LT(wander, 8.0f);
}

TEST_F(WifeTest, Home_TwelveSecondsWithoutATargetSendHerInsideOutOfSight)
{
    cBuild* home = MakeHome({700.0f, 300.0f});
    cWife* wife = MakeWife({100.0f, 300.0f});
    const int sent = TicksUntil([&] { return wife->GetTarget() == home; }, 1000);
    EXPECT_NEAR(sent, 360, 1);
    EXPECT_EQ(wife->GetAnimationKey(), "walk0");
    ASSERT_GT(TicksUntilState(wife, cWife::kStateInside), 0);
    EXPECT_EQ(Sounds("worker_in"), 1);
    const vec2 parked = wife->GetPosition();
    Ticks(400);
    EXPECT_EQ(wife->GetState(), cWife::kStateInside);
    EXPECT_EQ(wife->GetPosition(), parked);
    // A bell does not call her out of the house.
    const size_t sends = level.sendWorkerCalls.size();
    wife->OnMessage(kEventBellAlarm, reinterpret_cast<uintptr_t>(static_cast<cObject*>(home)));
    EXPECT_EQ(level.sendWorkerCalls.size(), sends);
}

TEST_F(WifeTest, ReturnHome_PortalWhenNoPathAndStaysWithoutAHome)
{
    cWife* wife = MakeWife({100.0f, 100.0f});
    wife->ReturnHome();
    ASSERT_EQ(wife->GetState(), cWife::kStatePortal);
    EXPECT_EQ(Sounds("bonus_start"), 1);
    EXPECT_EQ(TicksUntil([&] { return wife->GetState() != cWife::kStatePortal; }, 100), 30);
    EXPECT_EQ(wife->GetState(), cWife::kStateWander);
    EXPECT_EQ(wife->GetPosition(), (vec2{100.0f, 100.0f})) << "no home: she stays";

    cBuild* home = MakeHome({700.0f, 300.0f});
    wife->ReturnHome();
    EXPECT_NE(wife->GetState(), cWife::kStatePortal) << "a path leads home";
    const GridCell cell = level.ObjectToCell(wife);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) level.SetCellBlocked(cell.x + dx, cell.y + dy, true);
        }
    }
    wife->ReturnHome();
    ASSERT_EQ(wife->GetState(), cWife::kStatePortal);
    TicksUntil([&] { return wife->GetState() != cWife::kStatePortal; }, 100);
    EXPECT_EQ(wife->GetPosition(), home->GetPosition());
    EXPECT_EQ(wife->GetPortal().play.mode, kPlayOnceForward);
}

}  // namespace
