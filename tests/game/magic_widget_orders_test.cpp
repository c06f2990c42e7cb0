// The player's orders on the game's level screen: clicks that queue, refuse with
// their text, reset a worker or send the hero's wife; the dispatch to the nearest
// free worker with its ties, reach limit, dropped orders and what it pays; and the
// answer to leaving play.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/text/text_table.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/wife.h"
#include "objects/worker.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

constexpr int32_t kMana = 3;

ResourceVector Amount(int32_t kind, int32_t amount)
{
    ResourceVector v;
    v.amounts[static_cast<size_t>(kind)] = amount;
    return v;
}

// A target whose verdict and price the test sets.
class Site : public cGameObject {
public:
    using cGameObject::cGameObject;
    int32_t GetOrderState() override { return code; }
    ResourceVector GetCost() override { return cost; }
    int32_t code = kOrderAllowed;
    ResourceVector cost;
};

// A foe of the hero's, and an object with a sub-part under the mouse that takes
// (or passes on) the sub-part's click itself.
class Foe : public Site {
public:
    using Site::Site;
    bool IsKindOf(int32_t id) const override { return id == kTypeEnemy || Site::IsKindOf(id); }
};
class Seated : public Site {
public:
    using Site::Site;
    int32_t HitTest(const vec2& /*point*/) override { return 2; }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code != kEventPartClick) return Site::OnMessage(code, data);
        partsClicked.push_back(static_cast<int32_t>(data));
        return takesSeat ? 1 : 0;
    }
    std::vector<int32_t> partsClicked;
    bool takesSeat = true;
};

// An altar as the wife's orders see it: of its kind, at the test's price.
class Shrine : public Site {
public:
    using Site::Site;
    bool IsKindOf(int32_t id) const override { return id == kTypeAltar || Site::IsKindOf(id); }
};

// The screen with the texts it shows at objects recorded.
class OrdersScreen : public test::TestMagicWidget {
public:
    void ShowHint(cGameObject* object, const std::string& text, float height) override
    {
        shown.push_back(text);
        TestMagicWidget::ShowHint(object, text, height);
    }
    // Walks that cannot be planned, on demand.
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        return !refuseWalks && TestMagicWidget::SendWorker(walker, target, kind);
    }
    // Every walk this long, when set.
    float GetPathLength(const std::vector<vec2>& points) const override
    {
        return walkLength > 0.0f ? walkLength : TestMagicWidget::GetPathLength(points);
    }
    std::vector<std::string> shown;
    bool refuseWalks = false;
    float walkLength = 0.0f;
};

class MagicWidgetOrdersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        logger = std::make_unique<vrk::Logger>();
        logger->SetConsole(std::make_unique<test::RecordingConsole>(&lines));
        app.random.seed = 7u;
        for (const char* base : {"stand", "run", "walk", "build", "pick", "hack", "bag"}) {
            for (char digit = '0'; digit <= '3'; ++digit) {
                test::RegisterTestSprite(std::string("worker_") + base + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 0.0f);
            }
        }
        vrk::TextTable()["PathIsBlocked"] = "Blocked";
        vrk::TextTable()["NeedMore"] = "Need more";
        vrk::TextTable()["NoHero"] = "No hero";
        screen.ClearLevel();
        // An open field of cells 5..25 x 6..18; everything else is impassable.
        for (int32_t x = 5; x <= 25; ++x) {
            for (int32_t y = 6; y <= 18; ++y) screen.SetCellCost(x, y, kTerrainFree);
        }
    }
    void TearDown() override
    {
        screen.ClearLevel();
        logger.reset();
        for (const char* key : {"PathIsBlocked", "NeedMore", "NoHero"}) vrk::TextTable().erase(key);
    }

    cWorker* MakeWorker(const GridCell& cell)
    {
        auto* worker = dynamic_cast<cWorker*>(screen.CreateObject(kTypeWorker, 0));
        worker->SetPositionV(screen.CellToPoint(cell));
        worker->SetSprite(std::string());
        return worker;
    }
    // A site walked to at its own position.
    template <typename T = Site>
    T* MakeSite(const GridCell& cell)
    {
        auto* site = new T(&screen);
        screen.AddObject(site, 0);
        site->SetPositionV(screen.CellToPoint(cell));
        return site;
    }
    int Sounds(const std::string& name) const
    {
        const std::string text = "sound buffer not found '" + name;
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }

    test::TempAppPath appPath;
    std::vector<std::string> lines;
    std::unique_ptr<vrk::Logger> logger;
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    OrdersScreen screen;
};

TEST_F(MagicWidgetOrdersTest, Click_QueuesWithAMarkOrRefusesWithItsTextAtTheObject)
{
    Site* site = MakeSite({10, 10});
    EXPECT_EQ(screen.OnObjectClick(site), 0u);
    ASSERT_EQ(screen.Orders().size(), 1u);
    EXPECT_EQ(screen.Orders().front().target, site);
    EXPECT_EQ(screen.Orders().front().worker, nullptr);
    EXPECT_EQ(site->GetReservations(), 1);

    screen.Stock() = Amount(0, 5);
    const struct {
        int32_t code;
        const char* text;
    } refusals[] = {{kOrderNotInteractive, "Blocked"}, {kOrderNeedsHero, "No hero"}, {kOrderCannotPay, "Need more: "}};
    site->cost = Amount(0, 30);
    for (const auto& refusal : refusals) {
        site->code = refusal.code;
        screen.shown.clear();
        EXPECT_EQ(screen.OnObjectClick(site), 1u);
        ASSERT_EQ(screen.shown.size(), 1u);
        EXPECT_EQ(screen.shown.front().rfind(refusal.text, 0), 0u) << screen.shown.front();
        // Every refusal's text is a notice the pop-up holds for its time.
        EXPECT_TRUE(site->IsNoticeShown()) << refusal.text;
    }
    // The missing 25, in red.
    EXPECT_NE(screen.shown.front().find("25"), std::string::npos);
    // A busy target refuses a fresh click silently.
    site->code = kOrderPlacesReserved;
    screen.shown.clear();
    EXPECT_EQ(screen.OnObjectClick(site), 1u);
    EXPECT_TRUE(screen.shown.empty());
    EXPECT_EQ(screen.Orders().size(), 1u);

    // A talk holds every click.
    site->code = kOrderAllowed;
    screen.SetInputFlags(kInputCinematic);
    EXPECT_EQ(screen.OnObjectClick(site), 0u);
    EXPECT_EQ(screen.Orders().size(), 1u);
    screen.SetInputFlags(0);

    // A click on a worker sends him idle.
    cWorker* worker = MakeWorker({12, 12});
    worker->WalkPath({worker->GetPosition(), worker->GetPosition() + vec2{50.0f, 0.0f}}, site, 1);
    screen.OnObjectClick(worker);
    EXPECT_EQ(worker->GetTarget(), nullptr);
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);
}

TEST_F(MagicWidgetOrdersTest, WifeOrder_IsPaidAtTheClickOnlyWhenHerWalkStarts)
{
    cWorker* frozen = MakeWorker({15, 12});
    frozen->SetFrozen(true);
    const ResourceVector price = frozen->GetCost();
    ASSERT_FALSE(price.IsZero());
    screen.Stock() = Amount(kMana, 100);
    // No wife on the level: nothing happens.
    screen.OnObjectClick(frozen);
    EXPECT_EQ(screen.Stock().At(kMana), 100);

    auto* wife = dynamic_cast<cWife*>(screen.CreateObject(kTypeWife, 0));
    ASSERT_NE(wife, nullptr);
    screen.wife = wife;
    // Walled in: her walk cannot be planned, so nothing is spent and the click
    // says the way is blocked.
    wife->SetPositionV(screen.CellToPoint({2, 2}));
    screen.OnObjectClick(frozen);
    EXPECT_EQ(screen.Stock().At(kMana), 100);
    EXPECT_TRUE(wife->PaidCost().IsZero());
    EXPECT_EQ(Sounds("wife_out"), 0);
    ASSERT_EQ(screen.shown.size(), 1u);
    EXPECT_EQ(screen.shown.front(), vrk::FindText("PathIsBlocked"));
    screen.shown.clear();

    wife->SetPositionV(screen.CellToPoint({8, 12}));
    screen.Stock() = Amount(kMana, price.At(kMana) - 1);
    screen.OnObjectClick(frozen);
    ASSERT_EQ(screen.shown.size(), 1u);
    EXPECT_EQ(screen.shown.front().rfind("Need more: ", 0), 0u);
    EXPECT_EQ(wife->GetTarget(), nullptr);

    screen.Stock() = Amount(kMana, 100);
    screen.OnObjectClick(frozen);
    EXPECT_EQ(screen.Stock().At(kMana), 100 - price.At(kMana));
    EXPECT_EQ(wife->PaidCost().amounts, price.amounts);
    EXPECT_EQ(wife->GetTarget(), frozen);
    EXPECT_EQ(Sounds("wife_out"), 1);
    EXPECT_TRUE(screen.Orders().empty());

    // Sent elsewhere on her way, the first order is given up and its price comes
    // back: only the new one is paid.
    cWorker* another = MakeWorker({18, 14});
    another->SetFrozen(true);
    screen.OnObjectClick(another);
    EXPECT_EQ(wife->GetTarget(), another);
    EXPECT_EQ(screen.Stock().At(kMana), 100 - price.At(kMana));
    EXPECT_EQ(wife->PaidCost().amounts, price.amounts);
}

// Sending the wife elsewhere gives up what she was paid for, also while she casts:
// the price comes back, and it counts toward the new price before the stock is
// checked. An order she is not sent on leaves her old one paid.
TEST_F(MagicWidgetOrdersTest, WifeOrder_CalledOffEvenWhileSheCastsRefundsBeforeTheStockCheck)
{
    cWorker* first = MakeWorker({15, 12});
    cWorker* second = MakeWorker({18, 14});
    cWorker* third = MakeWorker({20, 10});
    for (cWorker* frozen : {first, second, third}) frozen->SetFrozen(true);
    const int32_t price = first->GetCost().At(kMana);
    ASSERT_GT(price, 0);
    auto* wife = dynamic_cast<cWife*>(screen.CreateObject(kTypeWife, 0));
    ASSERT_NE(wife, nullptr);
    screen.wife = wife;
    wife->SetPositionV(screen.CellToPoint({8, 12}));
    screen.Stock() = Amount(kMana, 100);
    screen.OnObjectClick(first);
    ASSERT_EQ(wife->GetTarget(), first);
    ASSERT_EQ(screen.Stock().At(kMana), 100 - price);

    // She reaches him and casts; sent on while she casts, the first magic is
    // given up and its price comes back.
    wife->SetPositionV(first->GetPosition());
    wife->OnMessage(kMessagePathFinished, 0);
    ASSERT_EQ(wife->GetState(), cWife::kStateMagic);
    screen.OnObjectClick(second);
    EXPECT_EQ(wife->GetTarget(), second);
    EXPECT_EQ(screen.Stock().At(kMana), 100 - price) << "one price paid, not two";
    EXPECT_EQ(wife->PaidCost().At(kMana), price);

    // Less in stock than the price, but the pending refund covers it.
    screen.Stock() = Amount(kMana, price / 2);
    screen.shown.clear();
    screen.OnObjectClick(third);
    EXPECT_TRUE(screen.shown.empty()) << (screen.shown.empty() ? "" : screen.shown.front());
    EXPECT_EQ(wife->GetTarget(), third);
    EXPECT_EQ(screen.Stock().At(kMana), price / 2);
    EXPECT_EQ(wife->PaidCost().At(kMana), price);

    // Not sent: a walk that cannot be planned, or a price beyond stock and refund
    // together (the shortfall is counted after the refund). She keeps her order,
    // still paid.
    screen.Stock() = Amount(kMana, 0);
    screen.refuseWalks = true;
    screen.OnObjectClick(first);
    screen.refuseWalks = false;
    auto* shrine = MakeSite<Shrine>({12, 8});
    shrine->cost = Amount(kMana, price + 30);
    screen.shown.clear();
    screen.OnObjectClick(shrine);
    ASSERT_EQ(screen.shown.size(), 1u);
    EXPECT_EQ(screen.shown.front().rfind("Need more: ", 0), 0u);
    EXPECT_NE(screen.shown.front().find("30"), std::string::npos) << screen.shown.front();
    EXPECT_EQ(wife->GetTarget(), third);
    EXPECT_EQ(screen.Stock().At(kMana), 0);
    EXPECT_EQ(wife->PaidCost().At(kMana), price);
}

TEST_F(MagicWidgetOrdersTest, Dispatch_SendsTheNearestFreeWorkerFirstInSceneOrderOnATie)
{
    Site* site = MakeSite({15, 12});
    // Two side by side at the same distance, and one walled in far off.
    cWorker* first = MakeWorker({11, 12});
    cWorker* second = MakeWorker({11, 12});
    MakeWorker({2, 2});
    screen.QueueOrder(site, 0);
    Site* later = MakeSite({15, 16});
    screen.QueueOrder(later, 0);
    screen.DispatchOrders();
    ASSERT_EQ(screen.Orders().size(), 2u);
    EXPECT_EQ(screen.Orders().front().worker, first);
    EXPECT_EQ(first->GetTarget(), site);
    EXPECT_EQ(screen.Orders().back().worker, second);
    EXPECT_EQ(Sounds("worker_out"), 2);
    // Assigned orders stay until the walker arrives.
    screen.DispatchOrders();
    EXPECT_EQ(screen.Orders().size(), 2u);
    EXPECT_EQ(Sounds("worker_out"), 2);

    // A walk of 10000 is out of reach; just below it is not.
    cWorker* third = MakeWorker({20, 8});
    Site* far = MakeSite({20, 10});
    screen.QueueOrder(far, 0);
    screen.walkLength = 10000.0f;
    screen.DispatchOrders();
    EXPECT_EQ(screen.Orders().back().worker, nullptr);
    screen.walkLength = 9999.0f;
    screen.DispatchOrders();
    EXPECT_EQ(screen.Orders().back().worker, third);
}

TEST_F(MagicWidgetOrdersTest, Dispatch_DropsFailedOrdersAndPaysOnlyWhatTheWalkReallyCosts)
{
    cWorker* worker = MakeWorker({10, 10});
    worker->PaidCost() = Amount(0, 99);
    // A refused order goes, with its mark.
    Site* refused = MakeSite({12, 10});
    screen.QueueOrder(refused, 1);
    refused->code = kOrderNotInteractive;
    // A target under work already (state 0): the worker goes, nothing is paid.
    Site* busy = MakeSite({14, 10});
    busy->cost = Amount(0, 10);
    busy->SetState(kStateWorking);
    screen.QueueOrder(busy, 1);
    screen.Stock() = Amount(0, 50);
    screen.DispatchOrders();
    ASSERT_EQ(screen.Orders().size(), 1u);
    EXPECT_EQ(refused->GetReservations(), 0);
    EXPECT_EQ(screen.Orders().front().worker, worker);
    EXPECT_EQ(screen.Stock().At(0), 50);
    EXPECT_TRUE(worker->PaidCost().IsZero());

    // A fresh target is paid at dispatch and the worker carries the paid cost.
    cWorker* other = MakeWorker({20, 10});
    Site* fresh = MakeSite({22, 10});
    fresh->cost = Amount(0, 10);
    screen.QueueOrder(fresh, 1);
    // Its walk cannot be planned: the order waits without paying, the worker
    // stays free, and the next tick tries again.
    screen.refuseWalks = true;
    screen.DispatchOrders();
    EXPECT_EQ(screen.Orders().back().worker, nullptr);
    EXPECT_EQ(screen.Stock().At(0), 50);
    EXPECT_TRUE(other->IsFree());
    screen.refuseWalks = false;
    screen.DispatchOrders();
    EXPECT_EQ(screen.Orders().back().worker, other);
    EXPECT_EQ(screen.Stock().At(0), 40);
    EXPECT_EQ(other->PaidCost().At(0), 10);
}

TEST_F(MagicWidgetOrdersTest, Click_SendsTheHeroAtFoesRingsBellsAndOffersSubPartsFirst)
{
    auto* foe = MakeSite<Foe>({15, 12});
    // Without a hero: no crash, nobody goes, nothing queued.
    EXPECT_EQ(screen.OnObjectClick(foe), 0u);
    EXPECT_EQ(Sounds("worker_out"), 0);
    EXPECT_TRUE(screen.Orders().empty());

    auto* hero = dynamic_cast<cHero*>(screen.CreateObject(kTypeHero, 0));
    ASSERT_NE(hero, nullptr);
    hero->SetPositionV(screen.CellToPoint({8, 12}));
    screen.hero = hero;
    RandomGen draw = app.random;
    const std::string cry = "hero_out" + std::to_string(draw.Next(1));
    EXPECT_EQ(screen.OnObjectClick(foe), 0u);
    EXPECT_EQ(hero->GetTarget(), foe);
    EXPECT_EQ(Sounds(cry), 1);
    EXPECT_EQ(Sounds("worker_out"), 1);
    EXPECT_TRUE(screen.Orders().empty());

    // A seat is the object's own click first; passed on, it is an order of its part
    // that takes no mark.
    auto* seated = MakeSite<Seated>({12, 12});
    screen.OnObjectClick(seated);
    EXPECT_EQ(seated->partsClicked, std::vector<int32_t>{2});
    EXPECT_TRUE(screen.Orders().empty());
    seated->takesSeat = false;
    screen.OnObjectClick(seated);
    ASSERT_EQ(screen.Orders().size(), 1u);
    EXPECT_EQ(screen.Orders().front().part, 2);
    EXPECT_EQ(seated->GetReservations(), 0);

    // The bell rings at once and the waiting orders go.
    auto* bell = screen.CreateObject(kTypeBell, 0);
    ASSERT_NE(bell, nullptr);
    screen.OnObjectClick(bell);
    EXPECT_EQ(Sounds("alarm"), 1);
    EXPECT_FALSE(screen.bellNotRungFlag);
    EXPECT_TRUE(screen.Orders().empty());
}

TEST_F(MagicWidgetOrdersTest, Click_OnAFoeTheHerosWalkCannotReach_SaysTheWayIsBlockedWithoutHisCry)
{
    auto* foe = MakeSite<Foe>({15, 12});
    auto* hero = dynamic_cast<cHero*>(screen.CreateObject(kTypeHero, 0));
    ASSERT_NE(hero, nullptr);
    hero->SetPositionV(screen.CellToPoint({8, 12}));
    screen.hero = hero;
    screen.refuseWalks = true;
    EXPECT_EQ(screen.OnObjectClick(foe), 1u);
    EXPECT_EQ(hero->GetTarget(), nullptr);
    EXPECT_EQ(Sounds("hero_out0") + Sounds("hero_out1"), 0);
    EXPECT_EQ(Sounds("worker_out"), 0);
    EXPECT_EQ(screen.shown, std::vector<std::string>{"Blocked"});
    EXPECT_TRUE(screen.Orders().empty());
}

// An application that counts how often the open windows are asked to close.
class ClosingMiddle : public test::ScreenMiddle {
public:
    void HideAchievePopup() override { ++closings; }
    int closings = 0;
};

TEST_F(MagicWidgetOrdersTest, LeavingPlay_ClosesTheWindowsAndIsAllowed)
{
    EXPECT_EQ(screen.OnPlayEvent(kEventLeaveMode, 0), 0u) << "no application: still allowed";
    ClosingMiddle middle;
    EXPECT_EQ(screen.OnPlayEvent(kEventLeaveMode, 0), 0u);
    EXPECT_EQ(middle.closings, 1);
}

}  // namespace
