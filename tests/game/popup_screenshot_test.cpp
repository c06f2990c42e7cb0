// Hover pop-ups drawn by the real game on the real data into a hidden OpenGL window:
// a tree of level "000", a point of the level map, the object nearest the top of
// level "005", whose pop-up would reach under the HUD's bar, the object nearest
// the task rows of level "035", whose pop-up would reach under those, the apple tree
// by the right edge of "035", whose pop-up goes to the left of the pointer, and the
// notice of a click on a bridge of level "000" that the stock cannot pay. Each picture
// is written beside the build ("popup_*_screenshot.png"); each pop-up must show its
// cream panel on the view and clear of the HUD, its letters without a box behind
// them and every text row inside the panel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/text/text_table.h"
#include "framework/app/player_base.h"
#include "framework/objects/game_object.h"
#include "framework/objects/object.h"
#include "game/level/magic_widget.h"
#include "game/screens/map_widget.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/hover_spot.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// The text colour of the "hint" window's "text" control (0.2, 0.14, 0.08).
constexpr test::ShotRgb kTextRgb{51, 36, 20};
constexpr int kTextNear = 30;
// A summed RGB under this is a black box, darker than anything the panel holds.
constexpr int kBlack = 45;
// A summed RGB over this is the panel's paper.
constexpr int kPaper = 450;
// A pop-up fades in over ten ticks.
constexpr int kFadeTicks = 15;
// The band above a panel where a lifted first line would stand.
constexpr float kAboveBand = 40.0f;

class PopupScreenshotTest : public test::GameShot<test::GameTour> {
protected:
    PopupScreenshotTest() : GameShot("popup screenshot") {}

    // The level of that slot in play with its opening talk over.
    cMagicWidget* PlayLevel(uint32_t index)
    {
        StartGame();
        EXPECT_EQ(app->LogonPlayer(""), 0);
        cMagicWidget* screen = ShowLevel(index, test::kSceneTicks);
        if (screen == nullptr) return nullptr;
        screen->EndTalk();
        Frames(2);
        return screen;
    }

    // The cursor on a point of the virtual screen (y up), then the pop-up's fade.
    void HoverScreenPoint(const vec2& point)
    {
        MoveMouse(static_cast<int32_t>(point.x), kHeight - static_cast<int32_t>(point.y));
        Frames(kFadeTicks);
    }
    // The cursor on the object's picture: its frame's middle, or the spot nearest it
    // that the hover pick gives the object (a site's frame reaches above its plot,
    // so the frame's middle may lie on the plot's far edge).
    void HoverObject(cBaseWidget& screen, cObject& object)
    {
        vec2 spot;
        test::HoverSpot(screen, object, spot);
        HoverScreenPoint(spot);
    }

    // The objects with a pop-up, each with its picture's middle on the screen.
    static std::vector<std::pair<cObject*, vec2>> PopupHolders(cMagicWidget& screen)
    {
        std::vector<std::pair<cObject*, vec2>> holders;
        ObjectList objects;
        screen.FindObjectsOfKind(objects, kTypeGameObject, -1);
        for (cObject* object : objects) {
            auto* gameObject = dynamic_cast<cGameObject*>(object);
            if (gameObject == nullptr || gameObject->GetHintText().empty()) continue;
            Rect frame;
            object->GetFrameRect(frame, -1);
            holders.emplace_back(
                object, screen.WorldToScreen(vec2{frame.x + frame.width / 2.0f, frame.y + frame.height / 2.0f}));
        }
        return holders;
    }

    // Hovers the object, draws the frame with its one pop-up into the named shot and
    // gives the pop-up's panel.
    Rect ShowPopupOf(cMagicWidget& screen, cObject& object, const std::string& shotName)
    {
        HoverObject(screen, object);
        EXPECT_EQ(screen.GetHoveredObject(), &object);
        EXPECT_EQ(screen.GetCaptions().size(), 1u);
        if (screen.GetCaptions().empty()) return Rect{};
        DrawGame();
        test::SaveShotPng(image_, kWidth, kHeight, shotName);
        return screen.GetCaptionPanel(screen.GetCaptions().front());
    }

    // The HUD's bar as the GUI put it (GUI units are pixels here).
    Rect HudBar() const
    {
        vrk::cWindow* hud = game->gui->FindWindow("level");
        vrk::cCtrl* bar = hud != nullptr ? hud->GetCtrl(hud->FindCtrl("top_bar")) : nullptr;
        if (bar == nullptr) return Rect{};
        const vrk::GuiRect rect = vrk::NormalisedRect(bar->GetRect());
        return Rect{rect.x, rect.y, rect.width, rect.height};
    }

    // The task rows the HUD shows, as the GUI put them.
    std::vector<Rect> TaskRows() const
    {
        std::vector<Rect> rows;
        vrk::cWindow* hud = game->gui->FindWindow("level");
        for (int row = 0; hud != nullptr && row < 3; ++row) {
            vrk::cCtrl* frame = hud->GetCtrl(hud->FindCtrl("frame_task" + std::to_string(row)));
            if (frame == nullptr || !frame->HasFlag(vrk::kCtrlShown)) continue;
            const vrk::GuiRect rect = vrk::NormalisedRect(frame->GetRect());
            rows.push_back(Rect{rect.x, rect.y, rect.width, rect.height});
        }
        return rows;
    }
    static bool Overlap(const Rect& a, const Rect& b)
    {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    }

    int Count(const Rect& area, bool (*test)(const test::ShotRgb&)) const
    {
        return test::CountInRect(area, kWidth, kHeight, [&](int x, int y) { return test(At(x, y)); });
    }

    // The frame just drawn again with every pop-up see-through (no tick runs between
    // the two pictures), into `bare`; image_ keeps the picture with the pop-ups.
    void DrawWithoutPopups(cBaseWidget& screen, port::BackBufferImage& bare)
    {
        const port::BackBufferImage shown = image_;
        std::vector<float> alphas;
        for (const CaptionRecord& record : screen.GetCaptions()) {
            alphas.push_back(record.alpha);
            const_cast<CaptionRecord&>(record).alpha = 0.0f;
        }
        DrawGame();
        bare = image_;
        image_ = shown;
        size_t next = 0;
        for (const CaptionRecord& record : screen.GetCaptions())
            const_cast<CaptionRecord&>(record).alpha = alphas[next++];
    }

    // The drawn pop-up: its panel on the view below the ceiling, paper inside, no
    // black box anywhere on it, its text rows inside and none just above it (text
    // the scene itself shows there, a dark trunk, is no row of the pop-up's).
    void CheckPopup(cBaseWidget& screen, const Rect& panel, float ceiling)
    {
        EXPECT_GE(panel.x, 0.0f);
        EXPECT_GE(panel.y, 0.0f);
        EXPECT_LE(panel.x + panel.width, static_cast<float>(kWidth));
        EXPECT_LE(panel.y + panel.height, ceiling);
        const Rect inner{panel.x + 4.0f, panel.y + 4.0f, panel.width - 8.0f, panel.height - 8.0f};
        const int paper = Count(inner, [](const test::ShotRgb& p) { return p.r + p.g + p.b > kPaper; });
        EXPECT_GT(paper, static_cast<int>(inner.width * inner.height) / 2) << "no panel";
        EXPECT_EQ(Count(panel, [](const test::ShotRgb& p) { return p.r + p.g + p.b < kBlack; }), 0)
            << "black boxes behind the letters";
        const auto text = [](const test::ShotRgb& p) { return test::Difference(p, kTextRgb) < kTextNear; };
        EXPECT_GT(Count(inner, text), 20) << "no text inside the panel";
        const Rect above{panel.x, panel.y + panel.height, panel.width, kAboveBand};
        port::BackBufferImage bare;
        DrawWithoutPopups(screen, bare);
        const int lifted = test::CountInRect(above, kWidth, kHeight, [&](int x, int y) {
            return text(At(x, y)) && !text(test::PixelAt(bare, kHeight, x, y));
        });
        EXPECT_LT(lifted, 4) << "a text row stands above the panel";
    }
};

TEST_F(PopupScreenshotTest, HoveredTreeOfLevel000_ShowsItsTextInsideAReadablePanel)
{
    cMagicWidget* screen = PlayLevel(0);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "000");
    ObjectList trees;
    screen->FindObjectsByName(trees, "tree5", -1);
    ASSERT_FALSE(trees.empty());
    HoverObject(*screen, *trees.front());
    ASSERT_EQ(screen->GetHoveredObject(), trees.front());
    ASSERT_EQ(screen->GetCaptions().size(), 1u);
    const CaptionRecord& caption = screen->GetCaptions().front();
    ASSERT_EQ(caption.alpha, 1.0f);
    EXPECT_GE(caption.lines.size(), 3u);

    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "popup_tree_screenshot.png");
    CheckPopup(*screen, screen->GetCaptionPanel(caption), HudBar().y);
}

TEST_F(PopupScreenshotTest, HoveredMapPoint_ShowsItsTextInsideAReadablePanelOnTheView)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    app->ShowComics("map", "menu");
    Frames(test::kSceneTicks);
    auto* map = Screen<cMapWidget>("map");
    ASSERT_NE(map, nullptr);
    ObjectList points;
    map->FindObjectsByName(points, "0", -1);
    ASSERT_FALSE(points.empty());
    // The map reads the cursor through its own window mapping: the cursor is set
    // where the map itself finds the point's middle.
    Rect frame;
    points.front()->GetFrameRect(frame, -1);
    const vec2 middle{frame.x + frame.width / 2.0f, frame.y + frame.height / 2.0f};
    vec2 cursor = map->WorldToScreen(middle);
    HoverScreenPoint(cursor);
    const vec2 miss = middle - map->GetMouseWorldPos();
    cursor = cursor + miss * map->GetZoom();
    HoverScreenPoint(cursor);
    ASSERT_EQ(map->GetHoveredObject(), points.front());
    ASSERT_EQ(map->GetCaptions().size(), 1u);
    const CaptionRecord& caption = map->GetCaptions().front();

    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "popup_map_screenshot.png");
    CheckPopup(*map, map->GetCaptionPanel(caption), static_cast<float>(kHeight));
}

TEST_F(PopupScreenshotTest, PopupOfTheTopmostObjectOfLevel005_StaysBelowTheHudBar)
{
    cMagicWidget* screen = PlayLevel(5);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "005");
    const Rect bar = HudBar();
    ASSERT_GT(bar.height, 0.0f);
    // The object with a pop-up whose picture reaches highest under the bar.
    cObject* topmost = nullptr;
    float highest = 0.0f;
    for (const auto& [object, middle] : PopupHolders(*screen)) {
        if (middle.x < bar.x || middle.x > bar.x + bar.width || middle.y > bar.y) continue;
        if (middle.y > highest) {
            highest = middle.y;
            topmost = object;
        }
    }
    ASSERT_NE(topmost, nullptr);
    CheckPopup(*screen, ShowPopupOf(*screen, *topmost, "popup_top_screenshot.png"), bar.y);
}

TEST_F(PopupScreenshotTest, PopupNearTheTaskRowsOfLevel035_StaysClearOfThem)
{
    cMagicWidget* screen = PlayLevel(35);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "035");
    const std::vector<Rect> rows = TaskRows();
    ASSERT_FALSE(rows.empty());
    Rect panelArea = rows.front();
    for (const Rect& row : rows) {
        const float top = std::max(panelArea.y + panelArea.height, row.y + row.height);
        panelArea.x = std::min(panelArea.x, row.x);
        panelArea.y = std::min(panelArea.y, row.y);
        panelArea.height = top - panelArea.y;
    }
    // The object with a pop-up, its picture's middle beside the rows, nearest them.
    cObject* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (const auto& [object, middle] : PopupHolders(*screen)) {
        if (middle.x < 0.0f || middle.y < 0.0f || middle.x > kWidth || middle.y > kHeight) continue;
        if (IsPointInRect(Rect{panelArea.x - 1, panelArea.y - 1, panelArea.width + 2, panelArea.height + 2}, middle))
            continue;
        const float dx = std::max({panelArea.x - middle.x, 0.0f, middle.x - panelArea.x - panelArea.width});
        const float dy = std::max({panelArea.y - middle.y, 0.0f, middle.y - panelArea.y - panelArea.height});
        const float distance = std::hypot(dx, dy);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = object;
            nearestDistance = distance;
        }
    }
    ASSERT_NE(nearest, nullptr);
    SCOPED_TRACE(nearest->GetName());
    const Rect panel = ShowPopupOf(*screen, *nearest, "popup_task_screenshot.png");
    ASSERT_FALSE(HasFailure());
    for (const Rect& row : rows) EXPECT_FALSE(Overlap(panel, row)) << nearest->GetName();
    EXPECT_FALSE(Overlap(panel, HudBar())) << nearest->GetName();
    CheckPopup(*screen, panel, static_cast<float>(kHeight));
}

TEST_F(PopupScreenshotTest, PopupAtTheRightEdgeOfLevel035_GoesLeftOfThePointerAndTheTree)
{
    cMagicWidget* screen = PlayLevel(35);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "035");
    // The tutorial's frame would hold the hover off the scene.
    app->GetActivePlayer()->hintsEnabled = false;
    Frames(20);
    // The holder with its picture's middle nearest the right edge: an apple tree of
    // the grove, below the task rows.
    cObject* tree = nullptr;
    vec2 pointer;
    for (const auto& [object, middle] : PopupHolders(*screen)) {
        if (middle.x < 0.0f || middle.y < 0.0f || middle.x > kWidth || middle.y > kHeight) continue;
        if (tree == nullptr || middle.x > pointer.x) {
            tree = object;
            pointer = middle;
        }
    }
    ASSERT_NE(tree, nullptr);
    const Rect panel = ShowPopupOf(*screen, *tree, "popup_edge_screenshot.png");
    ASSERT_FALSE(HasFailure());
    Rect frame;
    tree->GetFrameRect(frame, -1);
    const Rect drawn = screen->WorldToScreenBox(frame);
    // No room on the right: the pop-up stands on the pointer's left, beside the tree.
    EXPECT_GT(drawn.x + drawn.width + panel.width, static_cast<float>(kWidth)) << tree->GetName();
    EXPECT_LE(panel.x + panel.width, pointer.x) << tree->GetName() << " at " << pointer.x << ", " << pointer.y;
    EXPECT_FALSE(Overlap(panel, drawn)) << tree->GetName();
    CheckPopup(*screen, panel, static_cast<float>(kHeight));
}

TEST_F(PopupScreenshotTest, RefusedClickOnABridgeOfLevel000_ShowsItsNoticeItsFullTimeThenTheHoverAgain)
{
    cMagicWidget* screen = PlayLevel(0);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "000");
    // The tutorial's frame would hold the hover off the bridge.
    app->GetActivePlayer()->hintsEnabled = false;
    Frames(20);
    // A bridge whose mending costs more wood than the stock holds.
    ObjectList objects;
    screen->FindObjectsOfKind(objects, kTypeGameObject, -1);
    cGameObject* bridge = nullptr;
    for (cObject* object : objects) {
        auto* site = dynamic_cast<cGameObject*>(object);
        if (site == nullptr || object->GetName().rfind("bridge", 0) != 0) continue;
        if (site->GetOrderState() == kOrderCannotPay) bridge = site;
    }
    ASSERT_NE(bridge, nullptr);
    HoverObject(*screen, *bridge);
    ASSERT_EQ(screen->GetHoveredObject(), bridge);
    const std::string need = vrk::FindText("NeedMore");
    const auto shownCaption = [&]() -> const CaptionRecord* {
        for (const CaptionRecord& record : screen->GetCaptions()) {
            if (record.rate > 0.0f) return &record;
        }
        return nullptr;
    };
    const auto isNotice = [&](const CaptionRecord* record) {
        return record != nullptr && !record->lines.empty() && record->lines.front().rfind(need, 0) == 0;
    };

    // Clicked at every phase of the hint's half-second refresh, the pointer resting.
    Rect frame;
    bridge->GetFrameRect(frame, -1);
    const vec2 middle = screen->WorldToScreen(vec2{frame.x + frame.width / 2.0f, frame.y + frame.height / 2.0f});
    const auto x = static_cast<int32_t>(middle.x);
    const auto y = kHeight - static_cast<int32_t>(middle.y);
    // A round runs the refresh 16 ticks beside the notice: each clicks one tick later
    // in the refresh's cycle than the one before.
    for (int phase = 0; phase < cGameObject::kHintRefreshTicks; ++phase) {
        Frames(phase > 0 ? 2 : 0);
        Click(x, y);
        Frames(30);
        const CaptionRecord* notice = shownCaption();
        ASSERT_TRUE(isNotice(notice)) << "phase " << phase;
        EXPECT_EQ(notice->alpha, 1.0f) << "phase " << phase;
        if (phase == 0) {
            DrawGame();
            test::SaveShotPng(image_, kWidth, kHeight, "popup_notice_screenshot.png");
            CheckPopup(*screen, screen->GetCaptionPanel(*notice), static_cast<float>(kHeight));
        }
        // Still there to its last tick, then the hover's text is back, fully shown.
        Frames(cGameObject::kNoticeTicks - 30 - 1);
        EXPECT_TRUE(isNotice(shownCaption())) << "phase " << phase;
        Frames(kFadeTicks);
        const CaptionRecord* hover = shownCaption();
        ASSERT_NE(hover, nullptr);
        EXPECT_FALSE(isNotice(hover)) << "phase " << phase;
        EXPECT_EQ(hover->alpha, 1.0f);
        EXPECT_EQ(screen->GetHoveredObject(), bridge);
    }
}

}  // namespace
