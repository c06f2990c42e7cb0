// The harvest bar of the tomato patch on level "001" in the real game: a worker sent to
// the ripe field by the player's click starts the harvest (its bar shows), then a skeleton
// scares him off, or the player calls him away to a tree. Once no one works the field
// its bar is gone and the field is ripe again, and a worker sent back harvests it to
// the end. Also a picture of the field after the flight
// ("field_left_screenshot.png" beside the build).
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "game/level/magic_widget.h"
#include "objects/field.h"
#include "objects/level_contract.h"
#include "objects/skeleton.h"
#include "objects/worker.h"
#include "tests/game/support/game_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// Ticks enough for the fields' first growth (3.6 s at most) to ripen them.
constexpr int kRipenTicks = 30 * 5;
// Ticks enough for a worker to walk across the home bank.
constexpr int kWalkTicks = 30 * 20;
// Ticks of harvest before the interruption: far less than the 4 s harvest.
constexpr int kHarvestTicks = 15;
// How long the field is watched after the worker has gone: a minute.
constexpr int kWatchTicks = 30 * 60;
// Where the skeleton comes up beside the harvester.
constexpr vec2 kBesideWorker{30.0f, 0.0f};

class FieldWorkBar : public test::GameTour {
protected:
    // Level "001" in play, its talk over and its fields ripe. Its bridge stays down,
    // so that only the test's own skeleton comes at the workers.
    void PlayLevel001()
    {
        StartGame();
        EXPECT_EQ(app->LogonPlayer(""), 0);
        screen_ = ShowLevel(1, test::kSceneTicks);
        ASSERT_NE(screen_, nullptr);
        screen_->EndTalk();
        field_ = dynamic_cast<cField*>(screen_->FindObject("field1", -1));
        ASSERT_NE(field_, nullptr);
        Frames(kRipenTicks);
        ASSERT_EQ(field_->GetState(), kStateWorkDone);
    }
    // The window pixel of a world point.
    std::pair<int32_t, int32_t> WindowPixel(const vec2& world) const
    {
        const vec2 onScreen = screen_->WorldToScreen(world);
        return {static_cast<int32_t>(onScreen.x), kWindowHeight - static_cast<int32_t>(onScreen.y)};
    }
    // The harvester scared off by a skeleton come up beside him.
    void ScareOff(cWorker& harvester)
    {
        auto* skeleton = dynamic_cast<cSkeleton*>(screen_->CreateObject(kTypeSkeleton, 0));
        ASSERT_NE(skeleton, nullptr);
        skeleton->SetSprite("skeleton");
        skeleton->SetHome(dynamic_cast<cGameObject*>(screen_->FindObject("skeleton_camp", -1)));
        skeleton->SetPositionV(harvester.GetPosition() + kBesideWorker);
        for (int tick = 0; tick < kWalkTicks && harvester.GetTarget() == field_; ++tick) Frame();
        ASSERT_NE(harvester.GetTarget(), field_) << "the skeleton never scared the harvester";
        screen_->RemoveObject(skeleton);
    }
    // The worker harvesting the field, once a click on it has sent one and he has
    // worked a few ticks; null when none came.
    cWorker* ClickFieldAndHarvest()
    {
        const auto [x, y] = WindowPixel(field_->GetPosition() + vec2{0.0f, -20.0f});
        Click(x, y);
        cWorker* harvester = nullptr;
        for (int tick = 0; tick < kWalkTicks && harvester == nullptr; ++tick) {
            Frame();
            harvester = Harvester();
        }
        if (harvester != nullptr) Frames(kHarvestTicks);
        return harvester;
    }
    cWorker* Harvester() const
    {
        ObjectList workers;
        screen_->FindObjectsOfKind(workers, kTypeWorker, cWorker::kWorkerLayer);
        for (cObject* object : workers) {
            auto* worker = dynamic_cast<cWorker*>(object);
            if (worker != nullptr && worker->GetTarget() == field_ && worker->GetState() == cWorker::kStateAtWork) {
                return worker;
            }
        }
        return nullptr;
    }
    // Whether the field draws its work bar (the game object's overlay draws it while
    // the timer runs).
    bool ShowsBar() const { return field_->GetTimerRemaining() > 0.0f && field_->GetTimerPeriod() > 0.0f; }
    // Watches the field for a minute once no worker has it as his target: true when
    // its bar shows on any tick of it.
    bool BarStaysWithoutWorker()
    {
        bool shown = false;
        for (int tick = 0; tick < kWatchTicks; ++tick) {
            Frame();
            if (field_->GetUsedPlaces() == 0 && ShowsBar()) shown = true;
        }
        return shown;
    }
    // A worker sent back harvests the field to the end: it grows again.
    void ExpectHarvestedWhenSentBack()
    {
        ASSERT_EQ(field_->GetState(), kStateWorkDone) << "the field should be ripe again";
        ASSERT_NE(ClickFieldAndHarvest(), nullptr);
        for (int tick = 0; tick < kWalkTicks && field_->GetState() != cField::kStateGrowing; ++tick) Frame();
        EXPECT_EQ(field_->GetState(), cField::kStateGrowing);
        EXPECT_FALSE(ShowsBar());
    }

    cMagicWidget* screen_ = nullptr;
    cField* field_ = nullptr;
};

TEST_F(FieldWorkBar, HarvesterScaredOff_TheFieldsBarGoesAndTheHarvestCanBeOrderedAgain)
{
    ASSERT_NO_FATAL_FAILURE(PlayLevel001());
    cWorker* harvester = ClickFieldAndHarvest();
    ASSERT_NE(harvester, nullptr) << "no worker came to harvest";
    EXPECT_TRUE(ShowsBar());
    EXPECT_EQ(field_->GetState(), kStateWorking);

    ASSERT_NO_FATAL_FAILURE(ScareOff(*harvester));
    EXPECT_FALSE(BarStaysWithoutWorker()) << "the bar of a harvest no one works stays over the field";
    EXPECT_NO_FATAL_FAILURE(ExpectHarvestedWhenSentBack());
}

TEST_F(FieldWorkBar, HarvesterCalledAwayToATree_TheFieldsBarGoes)
{
    ASSERT_NO_FATAL_FAILURE(PlayLevel001());
    cWorker* harvester = ClickFieldAndHarvest();
    ASSERT_NE(harvester, nullptr) << "no worker came to harvest";
    ASSERT_TRUE(ShowsBar());

    auto* tree = dynamic_cast<cGameObject*>(screen_->FindObject("tree6", -1));
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(screen_->SendWorker(harvester, tree, 0));
    Frame();
    EXPECT_FALSE(BarStaysWithoutWorker()) << "the bar of a harvest no one works stays over the field";
    // The tree's work done, the harvest is his again.
    for (int tick = 0; tick < kWatchTicks && harvester->GetState() != cWorker::kStateIdle; ++tick) Frame();
    EXPECT_NO_FATAL_FAILURE(ExpectHarvestedWhenSentBack());
}

class FieldWorkBarShot : public test::GameShot<FieldWorkBar> {
protected:
    FieldWorkBarShot() : GameShot("field work bar screenshot") {}
};

TEST_F(FieldWorkBarShot, HarvesterScaredOff_NoBarOverTheField)
{
    ASSERT_NO_FATAL_FAILURE(PlayLevel001());
    cWorker* harvester = ClickFieldAndHarvest();
    ASSERT_NE(harvester, nullptr) << "no worker came to harvest";
    ASSERT_NO_FATAL_FAILURE(ScareOff(*harvester));
    Frames(kWatchTicks);
    const auto [x, y] = WindowPixel(field_->GetPosition() + vec2{0.0f, -20.0f});
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "field_left_screenshot.png");
    EXPECT_FALSE(ShowsBar()) << "bar over the field at window " << x << "," << y;
}

}  // namespace
