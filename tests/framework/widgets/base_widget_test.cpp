// The screen widget: modes, ids and layers, lookups, hover and click, deferred
// removal, posted events, the view, the letterbox and loading without textures.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_file.h"
#include "tests/framework/widgets/widget_fixtures.h"

namespace {

using test::ProbeObject;
using test::TestWidget;

class BaseWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { vrk::GetTextureMap().clear(); }
    void TearDown() override { vrk::GetTextureMap().clear(); }

    TestWidget widget_;
};

TEST_F(BaseWidgetTest, SetMode_SameModeSendsNothing)
{
    widget_.ForceMode(kModePlay);
    EXPECT_EQ(widget_.SetMode(kModePlay), static_cast<uint32_t>(kModePlay));
    EXPECT_TRUE(widget_.playEvents.empty());
}

TEST_F(BaseWidgetTest, SetMode_RefusedLeaveKeepsModeAndSendsNoEntry)
{
    widget_.ForceMode(kModePlay);
    widget_.refuseLeavingPlay = 7;
    EXPECT_EQ(widget_.SetMode(kModeEditor), 7u);
    EXPECT_EQ(widget_.GetMode(), kModePlay);
    EXPECT_TRUE(widget_.editorEvents.empty());
}

TEST_F(BaseWidgetTest, SetMode_EntryGoesToTheNewModesHandler)
{
    widget_.ForceMode(kModePlay);
    widget_.SetMode(kModeEditor);
    EXPECT_EQ(widget_.GetMode(), kModeEditor);
    ASSERT_EQ(widget_.editorEvents.size(), 1u);
    EXPECT_EQ(widget_.editorEvents[0].first, static_cast<uint32_t>(kEventModeEntered));
}

TEST_F(BaseWidgetTest, Loading_WithoutTexturesSwitchesToPlayAndShowsZero)
{
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetMode(), kModeLoading);
    EXPECT_TRUE(widget_.GetNextTextureName().empty());
    vrk::VertexBatch batch;
    widget_.DrawLoading(batch);  // no division by the empty registry
    widget_.Tick();
    EXPECT_EQ(widget_.GetMode(), kModePlay);
}

TEST_F(BaseWidgetTest, Loading_WalksEveryRegisteredTexture)
{
    for (const char* name : {"a", "b", "c"}) vrk::GetTextureMap()[name] = std::make_shared<vrk::cTexture>(name);
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetNextTextureName(), "a");
    widget_.Tick();
    EXPECT_EQ(widget_.GetTexturesDone(), 3);
    EXPECT_TRUE(widget_.GetNextTextureName().empty());
    widget_.Tick();
    EXPECT_EQ(widget_.GetMode(), kModePlay);
}

TEST_F(BaseWidgetTest, AddObject_IdZeroCountsUpExplicitIdLeavesCounter)
{
    EXPECT_EQ(widget_.AddProbe(4)->GetId(), 1);
    EXPECT_EQ(widget_.AddProbe(4)->GetId(), 2);
    auto* fixed = new ProbeObject(&widget_);
    widget_.AddObject(fixed, 50);
    EXPECT_EQ(fixed->GetId(), 50);
    EXPECT_EQ(widget_.GetLastObjectId(), 2u);
    EXPECT_EQ(widget_.AddProbe(4)->GetId(), 3);
}

TEST_F(BaseWidgetTest, SetObjectLayer_ClampsIntoTheTenLayers)
{
    ProbeObject* probe = widget_.AddProbe(4);
    EXPECT_EQ(widget_.SetObjectLayer(probe, 12), 9);
    EXPECT_EQ(probe->GetLayer(), 9);
    EXPECT_EQ(widget_.SetObjectLayer(probe, -3), 0);
    EXPECT_EQ(widget_.GetLayers()[0].size(), 1u);
    EXPECT_TRUE(widget_.GetLayers()[9].empty());
}

TEST_F(BaseWidgetTest, Lookups_LayerTenFindsNothing)
{
    ProbeObject* probe = widget_.AddProbe(4);
    ObjectList found;
    EXPECT_EQ(widget_.FindObjectById(static_cast<uint32_t>(probe->GetId()), 10), nullptr);
    EXPECT_EQ(widget_.FindObjectsOfKind(found, kTypeObject, 10), 0u);
    EXPECT_EQ(widget_.FindObjectById(static_cast<uint32_t>(probe->GetId()), -1), probe);
    EXPECT_EQ(widget_.FindObjectsOfKind(found, kTypeObject, 4), 1u);
    const int32_t kinds[] = {kTypeObject, kTypeObject, 0};
    EXPECT_EQ(widget_.FindObjectsOfKinds(found, kinds, -1), 2u);
}

TEST_F(BaseWidgetTest, BringToFrontAndSendToBack_ReorderTheLayer)
{
    ProbeObject* first = widget_.AddProbe(3);
    ProbeObject* second = widget_.AddProbe(3);
    widget_.BringToFront(first);
    EXPECT_EQ(widget_.GetLayers()[3].back(), first);
    widget_.SendToBack(first);
    EXPECT_EQ(widget_.GetLayers()[3].front(), first);
    EXPECT_EQ(widget_.GetLayers()[3].back(), second);
}

TEST_F(BaseWidgetTest, Hover_HigherLayerWinsThenLaterInList)
{
    widget_.ForceMode(kModePlay);
    ProbeObject* low = widget_.AddProbe(2, 1);
    ProbeObject* high = widget_.AddProbe(6, 1);
    widget_.Tick();
    EXPECT_EQ(widget_.GetHoveredObject(), high);
    ProbeObject* later = widget_.AddProbe(6, 2);
    widget_.Tick();
    EXPECT_EQ(widget_.GetHoveredObject(), later);
    EXPECT_EQ(widget_.GetHoveredPart(), 2);
    EXPECT_EQ(high->messages, (std::vector<uint32_t>{kMessageMouseEnter, kMessageMouseHover, kMessageMouseLeave}));
    EXPECT_TRUE(low->messages.empty());
}

TEST_F(BaseWidgetTest, Hover_NoHoverFlagSkipsHitTests)
{
    widget_.ForceMode(kModePlay);
    widget_.AddProbe(2, 1);
    widget_.ShowLetterbox();
    widget_.Tick();
    EXPECT_EQ(widget_.GetHoveredObject(), nullptr);
}

struct ClickCase {
    float travel;
    bool clicks;
};

class BaseWidgetClick : public BaseWidgetTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(BaseWidgetClick, ReleaseOnHoveredObject_ClicksOnlyWithLittleTravel)
{
    widget_.ForceMode(kModePlay);
    ProbeObject* probe = widget_.AddProbe(5, 1);
    widget_.Tick();
    widget_.mouseScreen = vec2{100.0f, 100.0f};
    widget_.OnEvent(vrk::kWidgetButtonDown, 0);
    widget_.mouseScreen = vec2{100.0f + GetParam().travel, 100.0f};
    widget_.OnEvent(vrk::kWidgetMouseMove, 0);
    widget_.OnEvent(vrk::kWidgetButtonUp, 0);
    EXPECT_EQ(widget_.clicked.size(), GetParam().clicks ? 1u : 0u);
    if (GetParam().clicks) {
        EXPECT_EQ(widget_.clicked[0], probe);
    }
    EXPECT_EQ(widget_.GetInputFlags() & kInputLeftHeld, 0u);
}

INSTANTIATE_TEST_SUITE_P(Travel, BaseWidgetClick,
                         ::testing::Values(ClickCase{0.0f, true}, ClickCase{10.0f, true}, ClickCase{14.9f, true},
                                           ClickCase{15.0f, false}, ClickCase{40.0f, false}));

// An object that answers only inside its square of the world.
class SquareProbe : public ProbeObject {
public:
    SquareProbe(cObjectOwner* owner, const Rect& square) : ProbeObject(owner), square_(square) {}
    int32_t HitTest(const vec2& point) override { return IsPointInRect(square_, point) ? 1 : 0; }

private:
    Rect square_;
};

TEST_F(BaseWidgetTest, Click_GoesToTheObjectUnderTheCursorEvenBeforeATickHovered)
{
    widget_.ForceMode(kModePlay);
    auto* left = new SquareProbe(&widget_, Rect{0.0f, 0.0f, 10.0f, 10.0f});
    auto* right = new SquareProbe(&widget_, Rect{20.0f, 0.0f, 10.0f, 10.0f});
    widget_.AddObject(left, 0);
    widget_.AddObject(right, 0);
    widget_.mouseWorld = vec2{5.0f, 5.0f};
    widget_.Tick();
    ASSERT_EQ(widget_.GetHoveredObject(), left);

    // Onto the other object and a click within the same tick.
    widget_.mouseWorld = vec2{25.0f, 5.0f};
    widget_.OnEvent(vrk::kWidgetButtonDown, 0);
    widget_.OnEvent(vrk::kWidgetButtonUp, 0);
    ASSERT_EQ(widget_.clicked.size(), 1u);
    EXPECT_EQ(widget_.clicked[0], right);
    EXPECT_EQ(widget_.GetHoveredObject(), right);
    EXPECT_EQ(left->messages.back(), kMessageMouseLeave);
    EXPECT_EQ(right->messages, (std::vector<uint32_t>{kMessageMouseEnter, kMessageMouseHover}));

    // Off every object: the click orders nothing.
    widget_.mouseWorld = vec2{15.0f, 5.0f};
    widget_.OnEvent(vrk::kWidgetButtonDown, 0);
    widget_.OnEvent(vrk::kWidgetButtonUp, 0);
    EXPECT_EQ(widget_.clicked.size(), 1u);
    EXPECT_EQ(widget_.GetHoveredObject(), nullptr);
}

TEST_F(BaseWidgetTest, RemoveObject_TwiceQueuesOnceAndTakesOutAtTickEnd)
{
    widget_.ForceMode(kModePlay);
    ProbeObject* probe = widget_.AddProbe(4);
    widget_.RemoveObject(probe);
    widget_.RemoveObject(probe);
    EXPECT_EQ(widget_.GetRemovedObjects().size(), 1u);
    EXPECT_EQ(widget_.GetLayers()[4].size(), 1u);

    vrk::cByteStream before;
    widget_.SaveLevel(before, kLevelFileVersion);
    widget_.Tick();
    EXPECT_TRUE(widget_.GetLayers()[4].empty());
    EXPECT_EQ(probe->GetLayer(), -1);
    EXPECT_EQ(probe->GetState(), kStateRemoved);
    // Still allocated (and readable) until the level is cleared.
    EXPECT_EQ(probe->GetId(), 1);
    vrk::cByteStream after;
    widget_.SaveLevel(after, kLevelFileVersion);
    cLevelFile withQueued;
    cLevelFile withoutRemoved;
    withQueued.Load(before);
    withoutRemoved.Load(after);
    EXPECT_EQ(withQueued.Objects().size(), 1u);
    EXPECT_EQ(withoutRemoved.Objects().size(), 0u);
    widget_.ClearLevel();
    EXPECT_TRUE(widget_.GetRemovedObjects().empty());
}

// Counts how often anything asks for its state.
class StateCountingObject : public cObject {
public:
    using cObject::cObject;
    int32_t GetState() const override
    {
        ++stateReads;
        return cObject::GetState();
    }
    mutable int stateReads = 0;
};

TEST_F(BaseWidgetTest, RemovedObjects_LiveOnUntilClearedButNoLaterTickWalksThem)
{
    widget_.ForceMode(kModePlay);
    constexpr int kRemoved = 50;
    std::vector<StateCountingObject*> gone;
    for (int i = 0; i < kRemoved; ++i) {
        auto* object = new StateCountingObject(&widget_);
        object->SetLayerField(i % cBaseWidget::kLayerCount);
        widget_.AddObject(object, 0);
        gone.push_back(object);
    }
    ProbeObject* stays = widget_.AddProbe(6);
    for (StateCountingObject* object : gone) widget_.RemoveObject(object);
    EXPECT_EQ(widget_.GetPendingRemovals().size(), static_cast<size_t>(kRemoved));
    widget_.Tick();
    for (const ObjectList& list : widget_.GetLayers()) EXPECT_LE(list.size(), 1u);
    EXPECT_EQ(widget_.GetLayers()[6].front(), stays);
    EXPECT_TRUE(widget_.GetPendingRemovals().empty());

    for (StateCountingObject* object : gone) object->stateReads = 0;
    for (int tick = 0; tick < 10; ++tick) widget_.Tick();
    for (StateCountingObject* object : gone) {
        EXPECT_EQ(object->stateReads, 0) << "a taken-out object is not looked at again";
        EXPECT_TRUE(widget_.IsRemovedObject(object));
        EXPECT_EQ(object->GetLayer(), -1);
    }
    // Removing one again queues nothing: the set knows it.
    widget_.RemoveObject(gone.front());
    EXPECT_TRUE(widget_.GetPendingRemovals().empty());
    EXPECT_EQ(widget_.GetRemovedObjects().size(), static_cast<size_t>(kRemoved));
    EXPECT_FALSE(widget_.IsRemovedObject(stays));

    widget_.ClearLevel();
    EXPECT_TRUE(widget_.GetRemovedObjects().empty());
    EXPECT_FALSE(widget_.IsRemovedObject(gone.front()));
}

// Removes another object from inside its update.
class Remover : public cObject {
public:
    using cObject::cObject;
    void Update() override
    {
        if (victim != nullptr) owner->RemoveObject(victim);
    }
    cBaseWidget* owner = nullptr;
    cObject* victim = nullptr;
};

TEST_F(BaseWidgetTest, RemoveObject_FromAnUpdateIsSafe)
{
    widget_.ForceMode(kModePlay);
    ProbeObject* victim = widget_.AddProbe(6);
    auto* remover = new Remover(&widget_);
    remover->owner = &widget_;
    remover->victim = victim;
    remover->SetLayerField(3);
    widget_.AddObject(remover, 0);
    widget_.Tick();
    EXPECT_EQ(victim->GetLayer(), -1);
}

// Counts its updates and runs an action in each.
class CountingObject : public cObject {
public:
    using cObject::cObject;
    void Update() override
    {
        ++updates;
        if (action) action();
    }
    int updates = 0;
    std::function<void()> action;
};

TEST_F(BaseWidgetTest, TickPlay_UpdatesEveryObjectOnceWhateverTheUpdatesMove)
{
    widget_.ForceMode(kModePlay);
    auto add = [this](int32_t layer) {
        auto* object = new CountingObject(&widget_);
        object->SetLayerField(layer);
        widget_.AddObject(object, 0);
        return object;
    };
    CountingObject* toLater = add(2);
    CountingObject* afterLater = add(2);
    CountingObject* toEarlier = add(6);
    CountingObject* afterEarlier = add(6);
    CountingObject* mover = add(4);
    CountingObject* moved = add(4);
    CountingObject* appender = add(7);
    CountingObject* victim = add(8);
    CountingObject* remover = add(3);
    toLater->action = [&] { widget_.SetObjectLayer(toLater, 5); };
    toEarlier->action = [&] { widget_.SetObjectLayer(toEarlier, 1); };
    // Moves the object behind it in its own layer to a later layer.
    mover->action = [&] { widget_.SetObjectLayer(moved, 9); };
    CountingObject* appended = nullptr;
    appender->action = [&] {
        if (appended == nullptr) appended = add(9);
    };
    remover->action = [&] { widget_.RemoveObject(victim); };

    widget_.Tick();
    for (const CountingObject* object :
         {toLater, afterLater, toEarlier, afterEarlier, mover, moved, appender, victim, remover}) {
        EXPECT_EQ(object->updates, 1);
    }
    EXPECT_EQ(toLater->GetLayer(), 5);
    EXPECT_EQ(toEarlier->GetLayer(), 1);
    EXPECT_EQ(moved->GetLayer(), 9);
    // An object added during the walk is in the scene and has its first update in
    // the next tick; a removed one was updated once more and is then taken out.
    ASSERT_NE(appended, nullptr);
    EXPECT_EQ(appended->updates, 0);
    EXPECT_EQ(appended->GetLayer(), 9);
    EXPECT_EQ(victim->GetLayer(), -1);

    widget_.Tick();
    EXPECT_EQ(appended->updates, 1);
    EXPECT_EQ(toLater->updates, 2);
    EXPECT_EQ(afterLater->updates, 2);
    EXPECT_EQ(victim->updates, 1);
}

TEST_F(BaseWidgetTest, TickPlay_StopsTheWalkWhenAnUpdateClearsTheScene)
{
    widget_.ForceMode(kModePlay);
    widget_.mouseWorld = vec2{0.0f, 0.0f};
    ProbeObject* hovered = widget_.AddProbe(1, 1);
    (void)hovered;
    auto* clearer = new CountingObject(&widget_);
    clearer->SetLayerField(2);
    widget_.AddObject(clearer, 0);
    clearer->action = [this] { widget_.ClearLevel(); };
    widget_.AddProbe(3, 1);
    widget_.Tick();
    EXPECT_EQ(widget_.GetHoveredObject(), nullptr);
    for (const auto& layer : widget_.GetLayers()) EXPECT_TRUE(layer.empty());
}

TEST_F(BaseWidgetTest, PostEvent_DeliveredInTheSameTickInOrder)
{
    widget_.ForceMode(kModePlay);
    widget_.PostEvent(9001, 1);
    widget_.PostEvent(9002, 2);
    widget_.Tick();
    ASSERT_EQ(widget_.playEvents.size(), 2u);
    EXPECT_EQ(widget_.playEvents[0].first, 9001u);
    EXPECT_EQ(widget_.playEvents[1].first, 9002u);
}

TEST_F(BaseWidgetTest, PostEvent_ParameterKeepsAFullPointer)
{
    widget_.ForceMode(kModePlay);
    const auto pointer = static_cast<uintptr_t>(0x7FFF12345678ull);
    widget_.PostEvent(9003, pointer);
    widget_.Tick();
    ASSERT_EQ(widget_.playEvents.size(), 1u);
    EXPECT_EQ(widget_.playEvents[0].second, pointer);
}

TEST_F(BaseWidgetTest, ClampView_WideLevelKeepsCentreInsideAndYCentred)
{
    widget_.SetLevelSize(2048.0f, 768.0f);
    widget_.SetViewCenter(0.0f, 900.0f);
    EXPECT_EQ(widget_.GetViewCenter(), vec2(512.0f, 384.0f));
    widget_.SetViewCenter(5000.0f, -50.0f);
    EXPECT_EQ(widget_.GetViewCenter(), vec2(1536.0f, 384.0f));
    widget_.SetViewCenter(1000.4f, 0.0f);
    EXPECT_EQ(widget_.GetViewCenter().x, 1000.0f);
}

TEST_F(BaseWidgetTest, ClampView_SmallLevelZoomsInAndCentres)
{
    widget_.SetLevelSize(800.0f, 600.0f);
    EXPECT_FLOAT_EQ(widget_.GetZoom(), 1.28f);
    EXPECT_EQ(widget_.GetViewCenter(), vec2(400.0f, 300.0f));
    widget_.SetZoom(10.0f);
    EXPECT_FLOAT_EQ(widget_.GetZoom(), 4.0f);
}

TEST_F(BaseWidgetTest, ScreenToWorld_InvertsWorldToScreen)
{
    widget_.SetLevelSize(2048.0f, 1536.0f);
    widget_.SetZoom(2.0f);
    widget_.SetViewCenter(700.0f, 500.0f);
    const vec2 world{640.0f, 480.0f};
    const vec2 back = widget_.ScreenToWorld(widget_.WorldToScreen(world));
    EXPECT_NEAR(back.x, world.x, 1e-3f);
    EXPECT_NEAR(back.y, world.y, 1e-3f);
    EXPECT_EQ(widget_.WorldToScreen(vec2{700.0f, 500.0f}), vec2(512.0f, 384.0f));
}

TEST_F(BaseWidgetTest, WindowToScreen_ZeroBackBufferGivesTheMiddle)
{
    vrk::cRender* render = vrk::CreateRender();
    render->screenRect = vrk::ScreenRect{0, 0, 0, 0};
    EXPECT_EQ(widget_.WindowToScreen(vec2{10.0f, 10.0f}), vec2(512.0f, 384.0f));
    render->screenRect = vrk::ScreenRect{0, 0, 1280, 768};
    // 1024 wide 4:3 picture in the middle of a 1280 pixel window.
    EXPECT_EQ(widget_.WindowToScreen(vec2{128.0f, 768.0f}), vec2(0.0f, 0.0f));
    EXPECT_EQ(widget_.WindowToScreen(vec2{1152.0f, 0.0f}), vec2(1024.0f, 768.0f));
    vrk::DestroyRender();
}

TEST_F(BaseWidgetTest, EdgeScroll_AtTheTopLeftCornerScrollsThenDecays)
{
    vrk::cRender* render = vrk::CreateRender();
    render->screenRect = vrk::ScreenRect{0, 0, 1024, 768};
    widget_.ForceMode(kModePlay);
    widget_.SetLevelSize(4096.0f, 768.0f);
    widget_.SetViewCenter(2048.0f, 384.0f);
    // The cursor stays at the window's top-left pixel: the left and the top edge.
    widget_.EdgeScroll();
    EXPECT_EQ(widget_.GetScrollVelocity().x, -1000.0f);
    EXPECT_EQ(widget_.GetScrollVelocity().y, 1000.0f);
    widget_.Update(0.1f);
    EXPECT_LT(widget_.GetViewCenter().x, 2048.0f);
    EXPECT_GT(widget_.GetScrollVelocity().x, -1000.0f);
    vrk::DestroyRender();
}

TEST_F(BaseWidgetTest, Letterbox_GrowsToNinetySixThenShrinksToZero)
{
    widget_.ForceMode(kModePlay);
    widget_.ShowLetterbox();
    EXPECT_EQ(widget_.GetInputFlags() & 3u, 3u);
    widget_.Tick();
    EXPECT_NEAR(widget_.GetLetterboxHeight(), 200.0f / 30.0f, 1e-3f);
    for (int i = 0; i < 30; ++i) widget_.Tick();
    EXPECT_EQ(widget_.GetLetterboxHeight(), 96.0f);
    widget_.HideLetterbox();
    for (int i = 0; i < 30; ++i) widget_.Tick();
    EXPECT_EQ(widget_.GetLetterboxHeight(), 0.0f);
    EXPECT_EQ(widget_.GetInputFlags() & 3u, 0u);
}

TEST_F(BaseWidgetTest, Captions_WithoutFontGiveNoHandleAndNullReleaseIsSafe)
{
    EXPECT_EQ(widget_.AddCaptionAt("hint", vec2{1.0f, 2.0f}), nullptr);
    widget_.ReleaseCaption(nullptr);
    widget_.SetCaptionText(nullptr, "x");
    widget_.AddEffect("+5", vec2{});
    EXPECT_TRUE(widget_.GetCaptions().empty());
}

TEST_F(BaseWidgetTest, LoadLevel_ReportsStoppedObjectSection)
{
    vrk::cByteStream stream;
    test::WriteFrame(stream, 100, "menu", 4, 2);
    test::WriteEntry(stream, kTypeDecor, 0, 3);
    test::WriteEntry(stream, 555, 0, 3);
    EXPECT_FALSE(widget_.LoadLevel(stream, 0));
    EXPECT_EQ(widget_.GetLevelName(), "menu");
    EXPECT_EQ(widget_.GetLayers()[3].size(), 1u);
    EXPECT_EQ(widget_.GetLastObjectId(), 5u);
}

TEST_F(BaseWidgetTest, LoadLevel_MenuFileOfTheToolLoads)
{
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(KELVARA_SOURCE_DIR "/data/level/menu.lvl"), 0);
    EXPECT_TRUE(widget_.LoadLevel(stream, 0));
    ObjectList backs;
    EXPECT_EQ(widget_.FindObjectsOfKind(backs, kTypeBack, -1), 1u);
    vrk::cByteStream saved;
    widget_.SaveLevel(saved, kLevelFileVersion);
    EXPECT_EQ(saved.Bytes(), stream.Bytes());
}

TEST_F(BaseWidgetTest, LinkObjects_AttachesNodesToTheirTargets)
{
    cObject* house = widget_.CreateObject(kTypeObject, 10);
    cObject* node = widget_.CreateObject(kTypeNode, 0);
    node->SetLinkId(10);
    widget_.LinkObjects();
    ASSERT_EQ(house->GetAttached().size(), 1u);
}

}  // namespace
