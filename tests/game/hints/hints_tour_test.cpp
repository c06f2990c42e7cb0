// The tutorial of level "000" played in the real game on a small tool-built level:
// the player's clicks on the objects each hint points at, clicks on the hint frames
// and a key, until all eleven hints have come and gone in their order.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/objects/resource_vector.h"
#include "framework/widgets/base_wf.h"
#include "game/hints/train000.h"
#include "tests/game/support/hint_tour.h"
#include "tests/game/support/hover_spot.h"

namespace {

constexpr int kMaxTicks = 40000;

class HintsTourTest : public test::HintTour {
protected:
    // A click on the object as the player makes it: the pointer over it (where its
    // picture shows) for a tick, then press and release.
    void ClickObject(const char* name, bool again = false)
    {
        cObject* object = screen->FindObject(name, -1);
        ASSERT_NE(object, nullptr) << name;
        vec2 spot;
        test::HoverSpot(*screen, *object, spot);
        const float x = spot.x;
        const float y = spot.y;
        MoveMouseGui(x, y);
        Frame();
        // A field at work under its worker shows no hover: a second click waits.
        if (again && screen->GetHoveredObject() != object) return;
        ASSERT_EQ(screen->GetHoveredObject(), object) << name;
        PressGui(x, y);
    }
    // A click in the middle of the shown hint's frame.
    void ClickHint()
    {
        const vrk::GuiRect frame = DrawnFrame();
        PressGui(frame.x + frame.width / 2, frame.y + frame.height / 2);
    }
    // What the player does for the shown hint, once.
    void Answer(cTrain* hint)
    {
        if (dynamic_cast<train000::cTakeTree*>(hint)) return ClickObject("tree0");
        if (dynamic_cast<train000::cRepairBridge0*>(hint)) return ClickObject("bridge0");
        if (dynamic_cast<train000::cPanelTask*>(hint)) return Gui()->ShowWindow("level_task");
        if (dynamic_cast<train000::cLevelTime*>(hint)) return ClickHint();
        if (dynamic_cast<train000::cTakeField*>(hint)) return ClickObject("field0");
        if (dynamic_cast<train000::cRepairBridge1*>(hint)) return ClickObject("bridge1");
        if (dynamic_cast<train000::cRemoveBarrier*>(hint)) return ClickObject("barrier0");
        if (dynamic_cast<train000::cUseAltar*>(hint)) return ClickObject("altar0");
        if (dynamic_cast<train000::cBuildHouse*>(hint)) return ClickObject("house0");
        if (dynamic_cast<train000::cTargets*>(hint)) return ClickHint();
        PressKey('a');
    }
};

TEST_F(HintsTourTest, Level000_PlaysThroughItsElevenHints)
{
    PlayLevel(kHintsLevel);
    ASSERT_EQ(screen->GetLevelName(), "000");
    HudControl("frame_task0", {900, 600, 80, 40});
    HudControl("spin", {470, 720, 120, 30});
    // Enough in store for every repair, the altar and the house.
    ResourceVector plenty;
    for (int32_t& amount : plenty.amounts) amount = 400;
    screen->AddResources(plenty);
    lines.clear();

    std::vector<std::string> shown;
    const cTrain* answered = nullptr;
    int ticks = 0;
    for (; ticks < kMaxTicks && screen->GetHint() != nullptr; ++ticks) {
        cTrain* hint = screen->GetHint();
        if (hint->stage == cTrain::kStageShown && hint != answered) {
            shown.push_back(typeid(*hint).name());
            EXPECT_EQ(TrainCtrl("text")->GetRect().width > 0, true);
            answered = hint;
            Answer(hint);
            // The task tooltip opened for the panel hint goes again.
            if (Gui()->IsWindowOpen("level_task") && !dynamic_cast<train000::cPanelTask*>(screen->GetHint()))
                Gui()->CloseWindow("level_task");
        }
        // A field ripens in its own time: click it again until it is harvested.
        if (hint == answered && hint->stage == cTrain::kStageShown && ticks % 300 == 0 &&
            dynamic_cast<train000::cTakeField*>(hint) != nullptr)
            ClickObject("field0", true);
        Frame();
    }
    ASSERT_LT(ticks, kMaxTicks) << "stuck at " << shown.size() << " hints";
    const std::vector<std::string> expected{
        typeid(train000::cTakeTree).name(),     typeid(train000::cRepairBridge0).name(),
        typeid(train000::cPanelTask).name(),    typeid(train000::cLevelTime).name(),
        typeid(train000::cTakeField).name(),    typeid(train000::cRepairBridge1).name(),
        typeid(train000::cRemoveBarrier).name(), typeid(train000::cUseAltar).name(),
        typeid(train000::cBuildHouse).name(),   typeid(train000::cTargets).name(),
        typeid(train000::cRightClick).name()};
    EXPECT_EQ(shown, expected);
    Frames(20);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
    EXPECT_TRUE(Warnings().empty()) << WarningText();
}

TEST_F(HintsTourTest, ShownHint_ComesBackAfterTheEscapeMenuAndTheOptions)
{
    PlayLevel(kHintsLevel);
    cTrain* hint = screen->GetHint();
    ASSERT_NE(hint, nullptr);
    for (int i = 0; i < 60 && hint->stage != cTrain::kStageShown; ++i) Frame();
    ASSERT_EQ(hint->stage, cTrain::kStageShown);
    ASSERT_TRUE(Gui()->IsWindowOpen("train"));

    // The escape menu and the options over it close the hint's window.
    PressKey(27);
    Frames(20);
    ASSERT_TRUE(Gui()->IsWindowOpen("escape"));
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
    PostClick(Gui()->FindWindow("escape"), "btOptions");
    Frames(20);
    ASSERT_TRUE(Gui()->IsWindowOpen("options"));
    PostClick(Gui()->FindWindow("options"), "btBack");
    Frames(20);
    ASSERT_TRUE(Gui()->IsWindowOpen("escape"));
    PostClick(Gui()->FindWindow("escape"), "btResume");
    Frames(20);

    // Back in play the same hint is on screen again.
    ASSERT_FALSE(Gui()->IsWindowOpen("escape"));
    EXPECT_EQ(screen->GetHint(), hint);
    EXPECT_EQ(hint->stage, cTrain::kStageShown);
    EXPECT_TRUE(Gui()->IsWindowOpen("train"));
    EXPECT_EQ(Train()->GetOpacity(), 1.0f);
}

TEST_F(HintsTourTest, StartedGame_HasEveryHintText)
{
    StartGame();
    for (const char* key :
         {"Train000TakeTree", "Train000RepairBridge0", "Train000PanelTask", "Train000LevelTime", "Train000TakeField",
          "Train000RepairBridge1", "Train000RemoveBarrier", "Train000UseAltar", "Train000BuildHouse",
          "Train000Targets", "Train000RightClick", "Train037AddWorker", "Train037AddedWorker", "Train037FreeWorker",
          "Train037FreedWorker", "Train037KillWitch", "Train037KilledWitch", "Train035NightTimer",
          "Train035BonfireInfo", "Train035Bonfire", "Train035BonfireStew0", "Train035BonfireStew1",
          "Train010Achieve0", "Train010Achieve1", "Train009AltarEnemyInfo", "Train009AltarInfo", "Train009BellInfo",
          "Train009UpgradeHouse", "Train011SaveWorker", "Train011AddWorker", "Train011FreeWorker",
          "Train001BuildTower", "Train003GoblinInfo", "Train029GoblinInfo", "Train020TankInfo", "Train020BellInfo",
          "Train032AltarEnemyInfo", "Train036SuccubInfo", "Train036AltarInfo", "Train021LighthouseInfo",
          "Train019TowerEnemyInfo", "Train019AltarInfo", "Train025BanditInfo", "Train025PrisonInfo"}) {
        const std::string text = vrk::FindText(key);
        EXPECT_FALSE(text.empty()) << key;
        EXPECT_NE(text, key) << key;
    }
}

}  // namespace
