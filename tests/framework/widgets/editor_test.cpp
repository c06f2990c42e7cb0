// The level editor of a scene screen: entering it, picking and selecting, the rubber
// band, dragging, placing the palette's choice, scrolling with the right button, the
// key commands and the editor's tick.
#include <cmath>

#include "framework/objects/node.h"
#include "framework/widgets/editor_keys.h"
#include "tests/framework/widgets/editor_fixtures.h"

namespace {

using test::BoxObject;
using test::EditorTest;
namespace key = editor_key;

constexpr float kTolerance = 1e-4f;

TEST_F(EditorTest, EnteringTheEditor_ResetsChoiceAndFlagsAndAsksForThePalette)
{
    widget->OnGuiEvent(BoxObject::kType, "decor", 4);
    widget->OnGuiEvent(0, "_info", 0);
    ASSERT_EQ(widget->GetEditorFlags(), 0u);
    widget->ForceMode(kModePlay);
    widget->guiEvents.clear();

    widget->SetMode(kModeEditor);

    EXPECT_EQ(widget->GetMode(), kModeEditor);
    EXPECT_EQ(widget->GetEditorFlags(), static_cast<uint32_t>(kEditorInfo));
    EXPECT_EQ(widget->GetPendingType(), 0);
    EXPECT_TRUE(widget->GetPendingSprite().empty());
    ASSERT_EQ(widget->guiEvents.size(), 1u);
    EXPECT_EQ(widget->guiEvents[0].a, 0);
    EXPECT_EQ(widget->guiEvents[0].name, "second");
    EXPECT_EQ(widget->guiEvents[0].b, 0);
}

TEST_F(EditorTest, Tab_ReturnsToPlayAndTheEditorNeverRefusesToLeave)
{
    widget->Key(key::kTab);
    EXPECT_EQ(widget->GetMode(), kModePlay);
}

TEST_F(EditorTest, GuiEvent_InfoTogglesTheInfoBitAndFreezeEmptiesTheSelection)
{
    AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    ASSERT_EQ(widget->GetSelection().size(), 1u);

    widget->Key(key::kD);
    EXPECT_EQ(widget->GetEditorFlags() & kEditorInfo, 0u);
    widget->Key(key::kD);
    EXPECT_EQ(widget->GetEditorFlags() & kEditorInfo, static_cast<uint32_t>(kEditorInfo));

    widget->Key(key::kF);
    EXPECT_TRUE(widget->GetSelection().empty());
    ASSERT_EQ(widget->guiEvents.back().name, "_freeze");
    EXPECT_EQ(widget->guiEvents.back().b, 1);
}

TEST_F(EditorTest, CtrlS_SendsTheSaveCommandWhichTheBaseLeavesToTheScreens)
{
    widget->Key(key::kS);
    EXPECT_TRUE(widget->guiEvents.empty());
    widget->control = true;
    widget->Key(key::kS);
    ASSERT_EQ(widget->guiEvents.size(), 1u);
    EXPECT_EQ(widget->guiEvents[0].name, "_save");
    EXPECT_EQ(widget->guiEvents[0].b, 2);
    EXPECT_EQ(widget->GetEditorFlags(), static_cast<uint32_t>(kEditorInfo));
}

TEST_F(EditorTest, Click_OnOverlappingObjects_SelectsTheOneDrawnFirst)
{
    AddBox(6, {100.0f, 100.0f});
    BoxObject* drawnFirst = AddBox(2, {105.0f, 100.0f});
    AddBox(2, {95.0f, 100.0f});

    widget->ClickAt({100.0f, 100.0f});

    EXPECT_EQ(widget->GetSelection(), ObjectList{drawnFirst});
    EXPECT_EQ(widget->GetEditorFlags() & kEditorDragging, 0u);  // cleared by the release
}

TEST_F(EditorTest, CtrlClick_TogglesEveryObjectUnderThePoint)
{
    BoxObject* a = AddBox(1, {100.0f, 100.0f});
    BoxObject* b = AddBox(4, {104.0f, 100.0f});
    BoxObject* other = AddBox(4, {300.0f, 100.0f});
    widget->ClickAt({300.0f, 100.0f});
    ASSERT_EQ(widget->GetSelection(), ObjectList{other});

    widget->control = true;
    widget->ClickAt({102.0f, 100.0f});
    EXPECT_EQ(widget->GetSelection(), (ObjectList{other, a, b}));
    widget->ClickAt({92.0f, 100.0f});  // only a lies under this point
    EXPECT_EQ(widget->GetSelection(), (ObjectList{other, b}));
}

TEST_F(EditorTest, Picking_SkipsFrozenAndHiddenLayersAndEdges)
{
    AddBox(2, {100.0f, 100.0f});
    BoxObject* visible = AddBox(5, {100.0f, 100.0f});
    AddBox(7, {100.0f, 100.0f});
    widget->SetLayerFrozen(2, true);
    widget->SetLayerHidden(7, true);

    ObjectList picked;
    EXPECT_EQ(widget->PickObjects(picked, {100.0f, 100.0f}), 1u);
    EXPECT_EQ(picked, ObjectList{visible});
    EXPECT_EQ(widget->PickObjects(picked, {110.0f, 100.0f}), 0u);  // on the edge: outside
    EXPECT_TRUE(picked.empty());

    widget->SetLayerFrozen(2, false);
    widget->SetLayerFrozen(42, true);  // no such layer: ignored
    EXPECT_EQ(widget->PickObjects(picked, {100.0f, 100.0f}), 2u);
}

TEST_F(EditorTest, RubberBand_DraggedUpLeft_SelectsTheObjectsOverlappingTheNormalisedRectangle)
{
    BoxObject* inside = AddBox(3, {75.0f, 90.0f});
    BoxObject* overlapping = AddBox(3, {45.0f, 75.0f});   // frame 35..55 x 65..85
    AddBox(3, {40.0f, 90.0f});                           // frame ends at x = 50: touches only
    AddBox(3, {200.0f, 200.0f});

    widget->mouseWorld = {100.0f, 100.0f};
    widget->Press();
    EXPECT_NE(widget->GetEditorFlags() & kEditorRubberBand, 0u);
    widget->MoveTo({50.0f, 80.0f});
    EXPECT_NEAR(widget->GetRubberBand().width, -50.0f, kTolerance);
    EXPECT_NEAR(widget->GetRubberBand().height, -20.0f, kTolerance);
    widget->Release();

    EXPECT_EQ(widget->GetSelection(), (ObjectList{inside, overlapping}));
    EXPECT_EQ(widget->GetEditorFlags() & (kEditorRubberBand | kEditorDragging), 0u);
    EXPECT_EQ(widget->GetRubberBand().width, 0.0f);
}

TEST_F(EditorTest, Drag_OnTheSelection_MovesEverySelectedObjectByTheMouseTravel)
{
    BoxObject* a = AddBox(3, {100.0f, 100.0f});
    BoxObject* b = AddBox(3, {300.0f, 100.0f});
    AddBox(3, {500.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->control = true;
    widget->ClickAt({300.0f, 100.0f});
    widget->control = false;

    widget->mouseWorld = {302.0f, 98.0f};
    widget->Press();
    EXPECT_NE(widget->GetEditorFlags() & kEditorDragging, 0u);
    widget->MoveTo({312.0f, 108.0f});
    widget->MoveTo({332.0f, 88.0f});
    widget->Release();
    widget->MoveTo({400.0f, 400.0f});  // released: nothing follows

    EXPECT_EQ(a->GetPosition(), (vec2{130.0f, 90.0f}));
    EXPECT_EQ(b->GetPosition(), (vec2{330.0f, 90.0f}));
}

TEST_F(EditorTest, PressWithAPendingType_PlacesANewObjectThatFollowsTheMouse)
{
    widget->OnGuiEvent(BoxObject::kType, "simple=stone", 2);
    widget->mouseWorld = {250.0f, 150.0f};
    widget->Press();

    ASSERT_EQ(widget->GetSelection().size(), 1u);
    cObject* placed = widget->GetSelection()[0];
    EXPECT_EQ(placed->GetTypeId(), BoxObject::kType);
    EXPECT_EQ(placed->GetSprite(), "simple=stone");
    EXPECT_EQ(placed->GetId(), 1);
    widget->MoveTo({260.0f, 140.0f});
    widget->Release();
    EXPECT_EQ(placed->GetPosition(), (vec2{260.0f, 140.0f}));
    EXPECT_EQ(widget->GetPendingType(), BoxObject::kType);  // the choice stays for more
}

TEST_F(EditorTest, PressWithAnUnknownPendingType_PlacesNothingAndEmptiesTheSelection)
{
    AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->OnGuiEvent(999, "nothing", 0);
    widget->ClickAt({250.0f, 150.0f});
    EXPECT_TRUE(widget->GetSelection().empty());
    EXPECT_EQ(widget->GetLayers()[9].size(), 0u);
}

TEST_F(EditorTest, RightPress_DropsTheChoiceAndSelectionAndRightDragThrowsTheView)
{
    AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->OnGuiEvent(BoxObject::kType, "x", 1);
    widget->SetScrollVelocity({5.0f, 5.0f});

    widget->mouseScreen = {500.0f, 400.0f};
    widget->Press(2);
    EXPECT_EQ(widget->GetPendingType(), 0);
    EXPECT_TRUE(widget->GetSelection().empty());
    EXPECT_EQ(widget->GetScrollVelocity(), (vec2{0.0f, 0.0f}));

    widget->secondaryDown = true;
    widget->mouseScreen = {490.0f, 400.0f};
    widget->OnEvent(vrk::kWidgetMouseMove, 0);
    EXPECT_EQ(widget->GetScrollVelocity(), (vec2{500.0f, 0.0f}));
    EXPECT_NEAR(widget->GetDragLength(), 10.0f, kTolerance);
}

struct MoveKeyCase {
    uint32_t key;
    bool control;
    vec2 expected;
};

class EditorMoveKeyTest : public EditorTest, public ::testing::WithParamInterface<MoveKeyCase> {};

TEST_P(EditorMoveKeyTest, ArrowKeysPressedFiveTimes_MoveEverySelectedObject)
{
    BoxObject* a = AddBox(3, {100.0f, 100.0f});
    BoxObject* b = AddBox(3, {300.0f, 100.0f});
    widget->control = true;
    widget->ClickAt({100.0f, 100.0f});
    widget->ClickAt({300.0f, 100.0f});
    widget->control = GetParam().control;

    for (int i = 0; i < 5; ++i) widget->Key(GetParam().key);

    EXPECT_EQ(a->GetPosition(), (vec2{100.0f, 100.0f} + GetParam().expected));
    EXPECT_EQ(b->GetPosition(), (vec2{300.0f, 100.0f} + GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Keys, EditorMoveKeyTest,
                         ::testing::Values(MoveKeyCase{key::kLeft, false, {-5.0f, 0.0f}},
                                           MoveKeyCase{key::kLeft, true, {-50.0f, 0.0f}},
                                           MoveKeyCase{key::kRight, false, {5.0f, 0.0f}},
                                           MoveKeyCase{key::kUp, false, {0.0f, 5.0f}},
                                           MoveKeyCase{key::kDown, true, {0.0f, -50.0f}}));

TEST_F(EditorTest, CommaAndPeriod_TurnBy15DegreesOr90WithCtrl)
{
    BoxObject* box = AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->Key(key::kPeriod);
    widget->Key(key::kPeriod);
    EXPECT_NEAR(box->GetAngle(), 2.0f * 0.2617994f, kTolerance);
    widget->control = true;
    widget->Key(key::kComma);
    EXPECT_NEAR(box->GetAngle(), 2.0f * 0.2617994f - 1.5707964f, kTolerance);
}

TEST_F(EditorTest, M_CyclesTheScaleSignsAndThreePressesLeaveOneMinusOne)
{
    BoxObject* box = AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    const vec2 expected[] = {{-1.0f, 1.0f}, {-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}};
    for (const vec2& scale : expected) {
        widget->Key(key::kM);
        EXPECT_EQ(box->GetScale(), scale);
    }
}

TEST_F(EditorTest, Backspace_EmptiesTheSelectionAtOnceAndRemovesAtTheEndOfTheTick)
{
    BoxObject* box = AddBox(3, {100.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->Key(key::kBackspace);

    EXPECT_TRUE(widget->GetSelection().empty());
    EXPECT_EQ(widget->GetLayers()[3].size(), 1u);
    widget->Tick();
    EXPECT_TRUE(widget->GetLayers()[3].empty());
    EXPECT_EQ(box->GetLayer(), -1);
    EXPECT_EQ(box->GetState(), kStateRemoved);
}

TEST_F(EditorTest, DigitKeys_MoveTheSelectionToThatLayerLastSelectedFirst)
{
    BoxObject* a = AddBox(1, {100.0f, 100.0f});
    BoxObject* b = AddBox(2, {200.0f, 100.0f});
    BoxObject* c = AddBox(3, {300.0f, 100.0f});
    BoxObject* resident = AddBox(8, {500.0f, 100.0f});
    widget->control = true;
    widget->ClickAt({200.0f, 100.0f});
    widget->ClickAt({100.0f, 100.0f});
    widget->ClickAt({300.0f, 100.0f});
    widget->control = false;

    widget->Key(key::kDigit0 + 8);

    EXPECT_EQ(widget->GetLayers()[8], (ObjectList{resident, c, a, b}));
    EXPECT_TRUE(widget->GetLayers()[1].empty());
    EXPECT_EQ(a->GetLayer(), 8);
}

TEST_F(EditorTest, MinusAndPlus_SendTheSelectionToTheBackOrBringItToTheFront)
{
    BoxObject* a = AddBox(4, {100.0f, 100.0f});
    BoxObject* b = AddBox(4, {200.0f, 100.0f});
    BoxObject* c = AddBox(4, {300.0f, 100.0f});
    BoxObject* d = AddBox(4, {400.0f, 100.0f});
    widget->control = true;
    widget->ClickAt({300.0f, 100.0f});
    widget->ClickAt({400.0f, 100.0f});
    widget->control = false;

    widget->Key(key::kMinus);
    EXPECT_EQ(widget->GetLayers()[4], (ObjectList{d, c, a, b}));
    // Last selected first, so the first selected ends up drawn last.
    widget->Key(key::kPlus);
    EXPECT_EQ(widget->GetLayers()[4], (ObjectList{a, b, d, c}));
}

class LinkEditorTest : public EditorTest {
protected:
    cNode* AddNode(const vec2& position)
    {
        cObject* node = widget->CreateObject(kTypeNode, 0);
        node->SetPositionV(position);
        return static_cast<cNode*>(node);
    }
};

TEST_F(LinkEditorTest, N_AttachesTheSelectedNodesToTheFirstOtherObject)
{
    BoxObject* holder = AddBox(3, {100.0f, 100.0f});
    cNode* first = AddNode({200.0f, 100.0f});
    cNode* second = AddNode({300.0f, 100.0f});
    widget->control = true;
    for (const vec2 point : {vec2{200.0f, 100.0f}, vec2{100.0f, 100.0f}, vec2{300.0f, 100.0f}}) {
        widget->ClickAt(point);
    }
    widget->control = false;
    ASSERT_EQ(widget->GetSelection().size(), 3u);

    widget->Key(key::kN);
    EXPECT_EQ(holder->GetAttached(), (std::vector<cNode*>{first, second}));
    EXPECT_EQ(first->GetLinkId(), holder->GetId());

    widget->ClickAt({700.0f, 700.0f});  // empty space: the selection goes
    widget->ClickAt({100.0f, 100.0f});
    ASSERT_EQ(widget->GetSelection(), ObjectList{holder});
    widget->Key(key::kN);
    EXPECT_TRUE(holder->GetAttached().empty());
}

TEST_F(EditorTest, TickEditor_HoversTheLastObjectUnderTheMouseInEveryLayerAndScrollsAtTheEdges)
{
    AddBox(2, {100.0f, 100.0f});
    BoxObject* top = AddBox(7, {100.0f, 100.0f});
    widget->SetLayerFrozen(7, true);
    widget->SetLayerHidden(7, true);
    widget->mouseWorld = {100.0f, 100.0f};
    widget->cursorScreen = {1.0f, 767.0f};

    widget->Tick();

    EXPECT_EQ(widget->GetHovered(), top);
    EXPECT_EQ(widget->GetScrollVelocity(), (vec2{-1000.0f, 1000.0f}));

    widget->mouseWorld = {600.0f, 600.0f};
    widget->Tick();
    EXPECT_EQ(widget->GetHovered(), nullptr);
}

}  // namespace
