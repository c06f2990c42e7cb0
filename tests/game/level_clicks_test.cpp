// Clicks on level "001" in the real game go to the figure the player sees under the
// pointer: a skeleton seen through a building plot's tint or a tree's empty corner
// takes the hover and the click (the hero is sent after it), the skeleton the hero
// already fights orders nothing behind it, and a press right after a move (within
// the same tick) reaches the object moved onto. A skeleton the hero has no way to
// (across the brook while the bridge is down) gets no green frame, and its click
// says the path is blocked without the hero's cry; so does a frozen worker on level
// "009" the wife cannot reach, and nothing is spent. Skeletons walking "001" and "003"
// (the bridges mended), pressed on a green frame and let go a few ticks later, send
// the hero every time; one under a HUD panel gets no frame. Everything goes through the
// level screen's own mouse events; also pictures of the pointer on a skeleton
// behind a tree's corner and on one across the brook
// ("click_skeleton_screenshot.png", "click_unreachable_screenshot.png" beside the
// build).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "framework/objects/small_math.h"
#include "game/level/magic_widget.h"
#include "game/level/train.h"
#include "objects/barrier.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/skeleton.h"
#include "objects/wife.h"
#include "objects/worker.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/hover_spot.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

using Pixel = std::pair<int32_t, int32_t>;

// Where the skeletons stand, from the object they stand at (each on a free cell, as
// a walker does): behind a tree's empty left corner, just behind a tower plot's
// right half with its legs over the plot's cell, in front of a tree's trunk.
constexpr vec2 kBehindTreeCorner{-40.0f, 30.0f};
constexpr vec2 kBehindPlot{34.0f, 2.0f};
constexpr vec2 kBeforeTrunk{0.0f, -24.0f};
// A cell on the brook's far bank, which the hero cannot reach while the bridge is
// down.
constexpr GridCell kFarBank{20, 12};
// How long a player's click holds the button: a walker steps and its animation
// turns meanwhile.
constexpr int kHeldTicks = 3;
// The walks watched, and every how many ticks their skeletons are clicked.
constexpr int kWalkTicks = 30 * 150;
constexpr int kClickEvery = 5;
// A point on the first task panel of the HUD (window pixels), which takes presses.
constexpr Pixel kTaskPanel{900, 90};
// Ticks enough for a skeleton's flourish to end and its walk to start.
constexpr int kFlourishTicks = 120;
// The sounds of a hero or his wife sent out.
constexpr std::array<const char*, 5> kHeroSentSounds{"hero_out0", "hero_out1", "worker_out", "wife_out0",
                                                     "wife_out1"};
constexpr const char* kNotFoundLine = "sound buffer not found '";
// World units round a point chosen for a hover a tick later that must meet the same
// test: a skeleton walks a unit a tick and a tree's crown sways.
constexpr float kMargin = 3.0f;
// The hover highlight's green as the picture shows it, and how much of it frames a
// hovered walker.
constexpr test::ShotRgb kHighlightRgb{91, 208, 82};
constexpr int kHighlightNear = 12;
constexpr int kHighlightPixels = 100;

template <class Tour>
class SkeletonClicks : public Tour {
protected:
    // Level "001" in play with its talk over.
    cMagicWidget* PlayLevel001()
    {
        this->StartGame();
        EXPECT_EQ(this->app->LogonPlayer(""), 0);
        screen_ = this->ShowLevel(1, test::kSceneTicks);
        if (screen_ == nullptr) return nullptr;
        screen_->EndTalk();
        this->Frames(2);
        return screen_;
    }
    cGameObject* Object(const char* name) const { return dynamic_cast<cGameObject*>(screen_->FindObject(name, -1)); }

    // A skeleton made as the level's camp makes its walkers, standing at the point,
    // and a tick that sorts it into the scene by depth (it sets out on it). One not
    // fresh from the camp has set out before.
    cSkeleton* Skeleton(const vec2& at, bool freshFromCamp = true)
    {
        auto* skeleton = dynamic_cast<cSkeleton*>(screen_->CreateObject(kTypeSkeleton, 0));
        if (skeleton == nullptr) return nullptr;
        skeleton->SetSprite("skeleton");
        skeleton->SetHome(Object("skeleton_camp"));
        if (!freshFromCamp) skeleton->SetSetOutFlag(0);
        skeleton->SetPositionV(at);
        this->Frame();
        // One that has set out may first stop for its flourish, as the game's random
        // draws fall: the ticks go on till it walks.
        for (int tick = 0; !freshFromCamp && tick < kFlourishTicks && skeleton->GetState() != kStateWalking;
             ++tick) {
            this->Frame();
        }
        return skeleton;
    }

    Pixel WindowPixel(const vec2& world) const
    {
        const vec2 onScreen = screen_->WorldToScreen(world);
        return {static_cast<int32_t>(onScreen.x), test::GameTour::kWindowHeight - static_cast<int32_t>(onScreen.y)};
    }
    vec2 PixelWorld(const Pixel& pixel) const
    {
        return screen_->ScreenToWorld(vec2{static_cast<float>(pixel.first),
                                           static_cast<float>(test::GameTour::kWindowHeight - pixel.second)});
    }
    // A pixel on the skeleton's body, the highest first, where its picture is solid
    // and `wanted` holds, both also `margin` units round it; false when none is.
    bool BodyPixel(const cObject& skeleton, const std::function<bool(const vec2&)>& wanted, Pixel& pixel,
                   float margin = kMargin) const
    {
        Rect frame;
        skeleton.GetFrameRect(frame, -1);
        const std::array<vec2, 5> around{vec2{}, vec2{margin, 0.0f}, vec2{-margin, 0.0f}, vec2{0.0f, margin},
                                         vec2{0.0f, -margin}};
        for (float y = frame.y + frame.height - 1.0f; y > frame.y; y -= 1.0f) {
            for (float x = frame.x + 1.0f; x < frame.x + frame.width; x += 1.0f) {
                pixel = WindowPixel(vec2{x, y});
                const vec2 point = PixelWorld(pixel);
                bool fits = true;
                for (const vec2& step : around) {
                    fits = fits && skeleton.CoverAt(point + step) == vrk::kCoverSolid && wanted(point + step);
                }
                if (fits) return true;
            }
        }
        return false;
    }
    // Whether the first object is drawn before (behind) the second.
    bool DrawnBehind(const cObject* back, const cObject* front) const
    {
        for (const ObjectList& list : screen_->GetLayers()) {
            for (const cObject* object : list) {
                if (object == back) return true;
                if (object == front) return false;
            }
        }
        return false;
    }
    void Press(const Pixel& pixel)
    {
        this->PressMouse(0, pixel.first, pixel.second);
        this->ReleaseMouse(0, pixel.first, pixel.second);
    }

    // The hero's sounds renamed in the sound table, so that each play of one leaves
    // its "not found" line in the log, where HeroSentSounds counts it.
    void CountHeroSentSounds()
    {
        vrk::cSoundManager* sounds = vrk::GetSoundManager();
        ASSERT_NE(sounds, nullptr);
        for (const char* name : kHeroSentSounds) {
            vrk::cSoundManager::cSoundBuffer* buffer = sounds->GetSoundBuffer(sounds->FindSoundBuffer(name));
            ASSERT_NE(buffer, nullptr) << name;
            buffer->name = std::string("counted ") + name;
        }
    }
    int HeroSentSounds() const
    {
        return static_cast<int>(std::count_if(this->lines.begin(), this->lines.end(), [](const std::string& line) {
            for (const char* name : kHeroSentSounds) {
                if (line.find(kNotFoundLine + std::string(name)) != std::string::npos) return true;
            }
            return false;
        }));
    }
    // Whether a pop-up by the object shows the text as one of its lines.
    bool ShowsNotice(const std::string& text) const
    {
        for (const CaptionRecord& caption : screen_->GetCaptions()) {
            if (std::find(caption.lines.begin(), caption.lines.end(), text) != caption.lines.end()) return true;
        }
        return false;
    }

    // A level in play with its talk over and every bridge mended, so its skeletons
    // walk every road.
    cMagicWidget* PlayWithBridgesMended(uint32_t level)
    {
        this->StartGame();
        EXPECT_EQ(this->app->LogonPlayer(""), 0);
        screen_ = this->ShowLevel(level, test::kSceneTicks);
        if (screen_ == nullptr) return nullptr;
        screen_->EndTalk();
        ObjectList barriers;
        screen_->FindObjectsOfKind(barriers, kTypeBarrier, -1);
        for (cObject* barrier : barriers) {
            if (IsBridge(barrier)) barrier->SetState(cBarrier::kStateCleared);
        }
        this->Frames(2);
        return screen_;
    }
    // A window pixel on the skeleton where the scene's pick gives it, inside the
    // window; false when none is.
    bool PickedPixel(cSkeleton& skeleton, Pixel& pixel) const
    {
        int32_t part = 0;
        return BodyPixel(skeleton, [&](const vec2& p) {
            const Pixel at = WindowPixel(p);
            return at.first >= 0 && at.second >= 0 && at.first < test::GameTour::kWindowWidth &&
                   at.second < test::GameTour::kWindowHeight && screen_->PickAt(p, part) == &skeleton;
        }, pixel, 0.0f);
    }
    // Over the walk, every skeleton the pointer frames green is pressed and let go
    // kHeldTicks later; the hero is freed again after each. Counts the green frames
    // and the clicks that sent him.
    void ClickWalkingSkeletons(int& green, int& sent)
    {
        cHero* hero = screen_->hero;
        ASSERT_NE(hero, nullptr);
        const vec2 heroAt = hero->GetPosition();
        for (int tick = 0; tick < kWalkTicks; ++tick) {
            this->Frame();
            if (tick % kClickEvery != 0) continue;
            ObjectList skeletons;
            screen_->FindObjectsOfKind(skeletons, kTypeSkeleton, -1);
            for (cObject* object : skeletons) {
                auto* skeleton = dynamic_cast<cSkeleton*>(object);
                Pixel pixel;
                if (skeleton == nullptr || skeleton->GetState() == kStateRemoved) continue;
                if (!PickedPixel(*skeleton, pixel)) continue;
                this->MoveMouse(pixel.first, pixel.second);
                this->Frame();
                if (screen_->GetHoveredObject() != skeleton || skeleton->GetOrderState() != kOrderAllowed) continue;
                ++green;
                this->PressMouse(0, pixel.first, pixel.second);
                this->Frames(kHeldTicks);
                this->ReleaseMouse(0, pixel.first, pixel.second);
                if (hero->GetTarget() == skeleton) ++sent;
                hero->WalkPath({heroAt}, nullptr, 0);
                hero->SetPositionV(heroAt);
            }
        }
    }

    // The walk of the level's skeletons, clicked: enough green frames to tell, and
    // every one of their clicks sent the hero.
    void ExpectEveryGreenClickSendsTheHero(uint32_t level)
    {
        ASSERT_NE(PlayWithBridgesMended(level), nullptr);
        int green = 0;
        int sent = 0;
        ClickWalkingSkeletons(green, sent);
        EXPECT_GT(green, 100) << "too few skeletons framed for the walk to tell";
        EXPECT_EQ(sent, green);
    }

    cMagicWidget* screen_ = nullptr;
};

using LevelClicksTest = SkeletonClicks<test::GameTour>;

TEST_F(LevelClicksTest, SkeletonsWalkingTheRoadsOf001_EveryClickOnAGreenFrameSendsTheHero)
{
    ExpectEveryGreenClickSendsTheHero(1);
}

TEST_F(LevelClicksTest, SkeletonsWalkingTheRoadsOf003_EveryClickOnAGreenFrameSendsTheHero)
{
    ExpectEveryGreenClickSendsTheHero(3);
}

TEST_F(LevelClicksTest, SkeletonUnderAHudPanel_GetsNoFrame)
{
    ASSERT_NE(PlayLevel001(), nullptr);
    const vec2 under = PixelWorld(kTaskPanel);
    cSkeleton* skeleton = Skeleton(under - vec2{0.0f, 20.0f});
    ASSERT_NE(skeleton, nullptr);
    int32_t part = 0;
    ASSERT_EQ(screen_->PickAt(under, part), skeleton) << "no skeleton under the panel";
    MoveMouse(kTaskPanel.first, kTaskPanel.second);
    Frame();
    EXPECT_EQ(screen_->GetHoveredObject(), nullptr) << "a frame the panel takes the press from";
    Press(kTaskPanel);
    EXPECT_NE(screen_->hero->GetTarget(), skeleton);
}

TEST_F(LevelClicksTest, SkeletonSeenThroughAPlotOrATreeCorner_TakesTheClickAndAFoughtOneOrdersNothing)
{
    ASSERT_NE(PlayLevel001(), nullptr);
    cHero* hero = screen_->hero;
    cGameObject* plot = Object("tower0");
    cGameObject* tree = Object("tree6");
    cGameObject* otherTree = Object("tree2");
    ASSERT_TRUE(hero != nullptr && plot != nullptr && tree != nullptr && otherTree != nullptr);
    ASSERT_EQ(plot->GetState(), kStateNone) << "an empty plot";

    // Just behind the plot: its tint is drawn over the skeleton's legs, and the
    // skeleton is seen through it. The pixel is taken on the scene as it stands, so
    // a press at once (no tick moves the skeleton) hovers and clicks there.
    cSkeleton* skeleton = Skeleton(plot->GetPosition() + kBehindPlot);
    ASSERT_NE(skeleton, nullptr);
    ASSERT_TRUE(DrawnBehind(skeleton, plot));
    Pixel pixel;
    ASSERT_TRUE(BodyPixel(*skeleton, [&](const vec2& p) {
        return screen_->IsPointOnObject(plot, p) && plot->CoverAt(p) == vrk::kCoverFaint;
    }, pixel, 0.0f));
    MoveMouse(pixel.first, pixel.second);
    Press(pixel);
    EXPECT_EQ(screen_->GetHoveredObject(), skeleton) << "not the skeleton seen through the plot's tint";
    EXPECT_EQ(hero->GetTarget(), skeleton);
    EXPECT_TRUE(screen_->Orders().empty());

    // Behind the tree, inside its outline where its picture is empty: a second
    // skeleton takes the hover a tick later and the click sends the hero.
    cSkeleton* behindTree = Skeleton(tree->GetPosition() + kBehindTreeCorner);
    ASSERT_NE(behindTree, nullptr);
    ASSERT_TRUE(DrawnBehind(behindTree, tree));
    ASSERT_TRUE(BodyPixel(*behindTree, [&](const vec2& p) {
        return IsPointInPolygon(tree->HitPolygon(), p - tree->GetPosition()) && tree->CoverAt(p) == vrk::kCoverNone;
    }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    EXPECT_EQ(screen_->GetHoveredObject(), behindTree) << "the tree's empty corner took the pointer";
    Press(pixel);
    EXPECT_EQ(hero->GetTarget(), behindTree);
    EXPECT_TRUE(screen_->Orders().empty());

    // A skeleton before the tree's trunk takes the click; once the hero's target,
    // it takes no order and lets none through to the tree behind it.
    cSkeleton* beforeTree = Skeleton(tree->GetPosition() + kBeforeTrunk);
    ASSERT_NE(beforeTree, nullptr);
    ASSERT_TRUE(DrawnBehind(tree, beforeTree));
    ASSERT_TRUE(BodyPixel(*beforeTree, [&](const vec2& p) { return tree->HitTest(p) == 1; }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    EXPECT_EQ(screen_->GetHoveredObject(), beforeTree);
    Press(pixel);
    ASSERT_EQ(hero->GetTarget(), beforeTree);
    Frame();
    EXPECT_EQ(screen_->GetHoveredObject(), nullptr);
    Press(pixel);
    EXPECT_TRUE(screen_->Orders().empty()) << "the tree behind the fought skeleton was ordered";
    EXPECT_EQ(tree->GetReservations(), 0u);
    EXPECT_EQ(hero->GetTarget(), beforeTree);

    // The pointer rests on the tree, then moves onto a skeleton behind the other
    // tree's corner and presses at once, before a tick: that skeleton has it.
    cSkeleton* third = Skeleton(otherTree->GetPosition() + kBehindTreeCorner);
    ASSERT_NE(third, nullptr);
    vec2 spot;
    ASSERT_TRUE(test::HoverSpot(*screen_, *tree, spot));
    MoveMouse(static_cast<int32_t>(spot.x), kWindowHeight - static_cast<int32_t>(spot.y));
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), tree);
    ASSERT_TRUE(BodyPixel(*third, [&](const vec2& p) {
        return IsPointInPolygon(otherTree->HitPolygon(), p - otherTree->GetPosition()) &&
               otherTree->CoverAt(p) == vrk::kCoverNone;
    }, pixel, 0.0f));
    MoveMouse(pixel.first, pixel.second);
    Press(pixel);
    EXPECT_EQ(hero->GetTarget(), third) << "the press went to the object hovered before the move";
    EXPECT_TRUE(screen_->Orders().empty());
    EXPECT_EQ(screen_->GetHoveredObject(), third);
}

TEST_F(LevelClicksTest, SkeletonTheHeroCannotReach_HasNoGreenFrameAndItsClickSaysSoWithoutTheHerosCry)
{
    ASSERT_NE(PlayLevel001(), nullptr);
    // The far skeleton's flourish lasts long enough for the tutorial's hint to come
    // up over the near one: this play has none.
    screen_->SetHint(nullptr);
    cHero* hero = screen_->hero;
    cGameObject* tree = Object("tree6");
    ASSERT_TRUE(hero != nullptr && tree != nullptr);
    CountHeroSentSounds();
    const std::string blocked = vrk::FindText("PathIsBlocked");
    ASSERT_FALSE(blocked.empty());

    // Across the brook, heading back to its camp with no worker over there to go
    // for (one that never set out would leave the level at once): hovered, but the
    // frame under it is not the green one of an order; the click sends nobody,
    // plays no cry and shows the refusal.
    cSkeleton* across = Skeleton(screen_->CellToPoint(kFarBank), false);
    ASSERT_NE(across, nullptr);
    ASSERT_NE(across->GetState(), kStateRemoved);
    std::vector<vec2> path;
    ASSERT_FALSE(screen_->FindPath(path, hero, across, false)) << "the bridge is down: no way over the brook";
    Pixel pixel;
    int32_t part = 0;
    ASSERT_TRUE(BodyPixel(*across, [&](const vec2& p) { return screen_->PickAt(p, part) == across; }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), across);
    EXPECT_NE(across->GetOrderState(), kOrderAllowed) << "a green frame promises an order the click cannot give";
    Press(pixel);
    EXPECT_NE(hero->GetTarget(), across);
    EXPECT_EQ(HeroSentSounds(), 0) << "the hero's cry for an order not given";
    EXPECT_TRUE(ShowsNotice(blocked)) << "the click dropped without a word";
    EXPECT_TRUE(screen_->Orders().empty());

    // On the home bank the same click sends the hero, with his cry.
    cSkeleton* near = Skeleton(tree->GetPosition() + kBeforeTrunk);
    ASSERT_NE(near, nullptr);
    ASSERT_TRUE(BodyPixel(*near, [&](const vec2& p) { return screen_->PickAt(p, part) == near; }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), near);
    EXPECT_EQ(near->GetOrderState(), kOrderAllowed);
    const int before = HeroSentSounds();
    Press(pixel);
    EXPECT_EQ(hero->GetTarget(), near);
    EXPECT_EQ(HeroSentSounds(), before + 2) << "the cry and the order sound";
}

TEST_F(LevelClicksTest, FrozenWorkerTheWifeCannotReach_HasNoGreenFrameAndItsClickSaysSoAndSpendsNothing)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    screen_ = ShowLevel(9, test::kSceneTicks);
    ASSERT_NE(screen_, nullptr);
    screen_->EndTalk();
    Frames(2);
    cWife* wife = screen_->wife;
    ASSERT_NE(wife, nullptr);
    CountHeroSentSounds();
    const std::string blocked = vrk::FindText("PathIsBlocked");

    // North of the brook, the bridge down and the lake not frozen: out of her reach.
    cGameObject* first = Object("worker0");
    auto* frozen = dynamic_cast<cWorker*>(screen_->CreateObject(kTypeWorker, 0));
    ASSERT_TRUE(first != nullptr && frozen != nullptr);
    frozen->SetSprite(first->GetSprite());
    frozen->SetPositionV(screen_->CellToPoint(GridCell{20, 7}));
    Frame();
    frozen->SetFrozen(true);
    Frame();
    std::vector<vec2> path;
    ASSERT_FALSE(screen_->FindPath(path, wife, frozen, false)) << "the wife has a way over the brook";
    screen_->AddResources(frozen->GetCost());
    const ResourceVector stock = screen_->Stock();
    ASSERT_TRUE(screen_->HasResources(frozen->GetCost()));

    Pixel pixel;
    int32_t part = 0;
    ASSERT_TRUE(BodyPixel(*frozen, [&](const vec2& p) { return screen_->PickAt(p, part) == frozen; }, pixel, 0.0f));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), frozen);
    EXPECT_EQ(frozen->GetOrderState(), kOrderNotInteractive) << "a green frame promises an order the click cannot give";
    Press(pixel);
    EXPECT_NE(wife->GetTarget(), frozen);
    EXPECT_EQ(HeroSentSounds(), 0) << "the wife's cry for an order not given";
    EXPECT_TRUE(ShowsNotice(blocked)) << "the click dropped without a word";
    EXPECT_EQ(screen_->Stock().amounts, stock.amounts) << "spent on an order not given";
}

class ClickShotTest : public test::GameShot<SkeletonClicks<test::GameTour>> {
protected:
    ClickShotTest() : GameShot("click screenshot") {}

    // The pixels of the drawn frame that have the hover's green.
    std::function<bool(int, int)> Framing()
    {
        return [this](int x, int y) { return test::Difference(At(x, y), kHighlightRgb) < kHighlightNear; };
    }
    // The green pixels within the skeleton's place on the screen.
    int GreenPixelsRound(cSkeleton& skeleton)
    {
        Rect zone;
        skeleton.GetZoneRect(zone);
        return test::CountInRect(screen_->WorldToScreenBox(zone), kWidth, kHeight, Framing());
    }
};

TEST_F(ClickShotTest, PointerOnASkeletonBehindATreeCorner_HighlightsTheSkeleton)
{
    ASSERT_NE(PlayLevel001(), nullptr);
    cGameObject* tree = Object("tree6");
    ASSERT_NE(tree, nullptr);
    cSkeleton* skeleton = Skeleton(tree->GetPosition() + kBehindTreeCorner);
    ASSERT_NE(skeleton, nullptr);
    Pixel pixel;
    ASSERT_TRUE(BodyPixel(*skeleton, [&](const vec2& p) {
        return IsPointInPolygon(tree->HitPolygon(), p - tree->GetPosition()) && tree->CoverAt(p) == vrk::kCoverNone;
    }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), skeleton);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "click_skeleton_screenshot.png");

    // The hover's green frame is drawn round the skeleton's place, and nowhere else.
    const int round = GreenPixelsRound(*skeleton);
    EXPECT_GT(round, kHighlightPixels);
    EXPECT_EQ(test::CountInRect(Rect{0.0f, 0.0f, static_cast<float>(kWidth), static_cast<float>(kHeight)}, kWidth,
                                kHeight, Framing()),
              round);
}

TEST_F(ClickShotTest, PointerOnASkeletonTheHeroCannotReach_DrawsNoGreenFrame)
{
    ASSERT_NE(PlayLevel001(), nullptr);
    cSkeleton* across = Skeleton(screen_->CellToPoint(kFarBank), false);
    ASSERT_NE(across, nullptr);
    Pixel pixel;
    int32_t part = 0;
    ASSERT_TRUE(BodyPixel(*across, [&](const vec2& p) { return screen_->PickAt(p, part) == across; }, pixel));
    MoveMouse(pixel.first, pixel.second);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), across);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "click_unreachable_screenshot.png");

    EXPECT_LT(GreenPixelsRound(*across), kHighlightPixels)
        << "the green frame of an order under a skeleton the hero cannot reach";
}

}  // namespace
