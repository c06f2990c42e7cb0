// cObject: state changes and vetoes, animation messages and timing, the animation
// map, colours and worker places.
#include <gtest/gtest.h>

#include <vector>

#include "framework/objects/object.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

// Records every message and answers state requests with `veto`.
class RecordingObject : public cObject {
public:
    using cObject::cObject;
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        messages.emplace_back(code, data);
        if (code == kMessageStateChange) {
            const auto* change = reinterpret_cast<const StateChange*>(data);
            changes.push_back(*change);
            return veto;
        }
        return 0;
    }
    std::vector<std::pair<uint32_t, uintptr_t>> messages;
    std::vector<StateChange> changes;
    int32_t veto = 0;
};

class ObjectTest : public ::testing::Test {
protected:
    void Tick(cObject& object, int ticks)
    {
        for (int i = 0; i < ticks; ++i) object.Update();
    }
    int CountMessages(const RecordingObject& object, uint32_t code)
    {
        int count = 0;
        for (const auto& [c, data] : object.messages) count += c == code ? 1 : 0;
        return count;
    }

    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

TEST_F(ObjectTest, Construction_HasDefaults)
{
    cObject object(&owner_);
    EXPECT_EQ(object.GetLayer(), 9);
    EXPECT_EQ(object.GetState(), kStateNone);
    EXPECT_EQ(object.GetScale(), vec2(1.0f, 1.0f));
    EXPECT_EQ(object.GetTypeId(), kTypeObject);
    EXPECT_TRUE(object.IsKindOf(kTypeObject));
    EXPECT_FALSE(object.IsKindOf(kTypeNode));
    EXPECT_EQ(object.GetAnimation(), nullptr);
    EXPECT_TRUE(object.IsStopped());
    EXPECT_EQ(object.GetFreePlaces(), 1);
    EXPECT_EQ(object.GetAnimationSpeed(), 1.0f);
}

TEST_F(ObjectTest, SetState_AcceptedChangeSendsPairAndAnswersZero)
{
    RecordingObject object(&owner_);
    EXPECT_EQ(object.SetState(4), 0);
    EXPECT_EQ(object.GetState(), 4);
    ASSERT_EQ(object.changes.size(), 1u);
    EXPECT_EQ(object.changes[0].oldState, -1);
    EXPECT_EQ(object.changes[0].newState, 4);
}

TEST_F(ObjectTest, SetState_SameStateSendsNothingAndAnswersState)
{
    RecordingObject object(&owner_);
    object.SetState(3);
    object.messages.clear();
    EXPECT_EQ(object.SetState(3), 3);
    EXPECT_TRUE(object.messages.empty());
}

TEST_F(ObjectTest, SetState_VetoKeepsOldStateAndAnswersVeto)
{
    RecordingObject object(&owner_);
    object.veto = 7;
    EXPECT_EQ(object.SetState(2), 7);
    EXPECT_EQ(object.GetState(), -1);
}

TEST_F(ObjectTest, AddAnimation_UnknownSpriteFailsAndKeepsMap)
{
    test::RegisterTestSprite("walk", 4, 10.0f);
    cObject object(&owner_);
    EXPECT_TRUE(object.AddAnimation("main", "walk"));
    EXPECT_FALSE(object.AddAnimation("main", "ghost"));
    object.PlayAnimation("main", kPlayLoopForward);
    ASSERT_NE(object.GetAnimation(), nullptr);
    EXPECT_EQ(object.GetFrameCount(), 4);
}

TEST_F(ObjectTest, AddAnimation_WithoutApplicationFails)
{
    test::RegisterTestSprite("walk", 4, 10.0f);
    SetAppServices(nullptr);
    cObject object(&owner_);
    EXPECT_FALSE(object.AddAnimation("main", "walk"));
    SetAppServices(&app_);
}

TEST_F(ObjectTest, AddAnimation_SpriteWithoutFramesIsRefused)
{
    test::RegisterTestSprite("empty", 0, 10.0f);
    cObject object(&owner_);
    EXPECT_FALSE(object.AddAnimation("main", "empty"));
}

TEST_F(ObjectTest, AddAnimation_MarksFileTextureUsed)
{
    test::RegisterTestSprite("walk", 2, 10.0f);
    const vrk::TexturePtr texture = vrk::FindTexture("walk_tex");
    texture->path.Set("/nowhere/walk_tex.png");
    cObject object(&owner_);
    ASSERT_TRUE(object.AddAnimation("main", "walk"));
    EXPECT_TRUE(texture->inUse);
}

TEST_F(ObjectTest, AddAnimation_InEditorLoadsTextureAtOnce)
{
    test::LogCapture log;
    test::RegisterTestSprite("walk", 2, 10.0f);
    vrk::FindTexture("walk_tex")->path.Set("/nowhere/walk_tex.png");
    owner_.editorMode = true;
    cObject object(&owner_);
    ASSERT_TRUE(object.AddAnimation("main", "walk"));
    // The file is missing, so the attempt to load it now is what shows.
    EXPECT_TRUE(log.Contains("walk_tex"));
}

TEST_F(ObjectTest, PlayAnimation_UnknownKeyClearsCurrent)
{
    test::RegisterTestSprite("walk", 4, 10.0f);
    cObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayLoopForward);
    object.PlayAnimation("nothing", kPlayLoopForward);
    EXPECT_EQ(object.GetAnimation(), nullptr);
    EXPECT_EQ(object.GetAnimationKey(), "");
    EXPECT_EQ(object.GetFrameCount(), 0);
    EXPECT_EQ(object.GetPlayMode(), kPlayStopped);
    EXPECT_EQ(object.GetSpriteAnim().play.secondsPerFrame, 1.0f);
}

TEST_F(ObjectTest, Update_OnceForwardEndSendsOneAnimationEnded)
{
    test::RegisterTestSprite("walk", 4, 30.0f);
    RecordingObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayOnceForward);
    Tick(object, 3);
    EXPECT_EQ(object.GetFrame(), 3);
    EXPECT_EQ(CountMessages(object, kMessageAnimationEnded), 0);
    Tick(object, 10);
    EXPECT_EQ(CountMessages(object, kMessageAnimationEnded), 1);
    EXPECT_EQ(object.messages.back(), std::make_pair(uint32_t{kMessageAnimationEnded}, uintptr_t{1}));
    EXPECT_TRUE(object.IsStopped());
    EXPECT_EQ(object.GetFrame(), 3);
}

TEST_F(ObjectTest, Update_LoopNeverSendsAnimationEnded)
{
    test::RegisterTestSprite("walk", 4, 30.0f);
    RecordingObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayLoopForward);
    Tick(object, 50);
    EXPECT_EQ(CountMessages(object, kMessageAnimationEnded), 0);
}

TEST_F(ObjectTest, Update_SingleFrameNeverEnds)
{
    test::RegisterTestSprite("still", 1, 30.0f);
    RecordingObject object(&owner_);
    object.AddAnimation("main", "still");
    object.PlayAnimation("main", kPlayOnceForward);
    Tick(object, 50);
    EXPECT_EQ(CountMessages(object, kMessageAnimationEnded), 0);
}

TEST_F(ObjectTest, Update_StepStartsCrossFadeFromOldFrame)
{
    test::RegisterTestSprite("walk", 4, 15.0f);
    cObject object(&owner_);
    object.SetFadeTime(0.5f);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayLoopForward);
    object.UpdateFade(1.0f);
    EXPECT_EQ(object.GetFadeTimer(), 0.0f);
    object.Update();  // half a frame at 15 fps
    EXPECT_EQ(object.GetFadeTimer(), 0.0f);
    object.Update();
    EXPECT_EQ(object.GetFrame(), 1);
    EXPECT_EQ(object.GetFadeTimer(), 0.5f);
    EXPECT_EQ(object.GetPreviousFrame().source.u, 0.0f);  // frame 0's window
}

// Walkers run their animation faster.
class FastObject : public cObject {
public:
    using cObject::cObject;
    float GetAnimationSpeed() const override { return 2.0f; }
};

TEST_F(ObjectTest, Update_AnimationSpeedScalesTime)
{
    test::RegisterTestSprite("walk", 8, 30.0f);
    FastObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayLoopForward);
    Tick(object, 3);
    EXPECT_EQ(object.GetFrame(), 6);
}

TEST_F(ObjectTest, SwitchAnimation_KeepsModeAndClampsFrame)
{
    test::RegisterTestSprite("walk", 8, 30.0f);
    test::RegisterTestSprite("run", 3, 30.0f);
    cObject object(&owner_);
    object.AddAnimation("walk", "walk");
    object.AddAnimation("run", "run");
    object.PlayAnimation("walk", kPlayLoopForward);
    Tick(object, 5);
    ASSERT_EQ(object.GetFrame(), 5);
    object.SwitchAnimation("run");
    EXPECT_EQ(object.GetAnimationKey(), "run");
    EXPECT_EQ(object.GetFrame(), 2);
    EXPECT_EQ(object.GetPlayMode(), kPlayLoopForward);
    EXPECT_EQ(object.GetFrameCount(), 3);
}

TEST_F(ObjectTest, SetFrame_ClampsAndStops)
{
    test::RegisterTestSprite("walk", 4, 10.0f);
    cObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayLoopForward);
    object.SetFrame(7);
    EXPECT_EQ(object.GetFrame(), 3);
    EXPECT_EQ(object.GetPlayMode(), kPlayStopped);
    object.SetFrame(-4);
    EXPECT_EQ(object.GetFrame(), 0);
}

TEST_F(ObjectTest, SetPlayMode_UnknownModeIsOnlyStored)
{
    test::RegisterTestSprite("walk", 4, 30.0f);
    cObject object(&owner_);
    object.AddAnimation("main", "walk");
    object.PlayAnimation("main", kPlayStopped);
    object.SetPlayMode(7, true);
    EXPECT_EQ(object.GetPlayMode(), 7);
    EXPECT_FALSE(object.IsStopped());
    EXPECT_FALSE(object.IsRepeating());
    Tick(object, 20);
    EXPECT_EQ(object.GetFrame(), 0);
}

TEST_F(ObjectTest, IsRepeating_LoopsAndPingPong)
{
    cObject object(&owner_);
    for (int32_t mode : {kPlayLoopForward, kPlayLoopBackward, kPlayPingPong}) {
        object.SetPlayMode(mode, true);
        EXPECT_TRUE(object.IsRepeating()) << mode;
    }
    for (int32_t mode : {kPlayStopped, kPlayOnceForward, kPlayOnceBackward}) {
        object.SetPlayMode(mode, true);
        EXPECT_FALSE(object.IsRepeating()) << mode;
    }
}

struct ColorCase {
    uint32_t scene;
    uint32_t own;
    uint32_t mask;
    uint32_t expected;
};

class ObjectColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ObjectColorTest, GetColor_MixesOwnerAndOwnByMask)
{
    test::FakeOwner owner;
    owner.sceneColor = GetParam().scene;
    cObject object(&owner);
    object.SetColor(GetParam().own, GetParam().mask);
    EXPECT_EQ(object.GetColor(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Masks, ObjectColorTest,
                         ::testing::Values(ColorCase{0xFFC8C8C8u, 0x80102030u, 0x00000000u, 0xFFC8C8C8u},
                                           ColorCase{0xFFC8C8C8u, 0x80102030u, 0xFF000000u, 0x80C8C8C8u},
                                           ColorCase{0xFFC8C8C8u, 0x80102030u, 0xFFFFFFFFu, 0x80102030u}));

TEST_F(ObjectTest, GetColor_WithoutOwnerUsesWhite)
{
    cObject object(nullptr);
    object.SetColor(0x00000000u, 0xFF000000u);
    EXPECT_EQ(object.GetColor(), 0x00FFFFFFu);
}

TEST_F(ObjectTest, Places_TakeAndReleaseWithinCapacity)
{
    cObject object(&owner_);
    object.SetPlaces(2);
    EXPECT_FALSE(object.ReleasePlace());
    EXPECT_TRUE(object.TakePlace());
    EXPECT_TRUE(object.TakePlace());
    EXPECT_FALSE(object.TakePlace());
    EXPECT_EQ(object.GetFreePlaces(), 0);
    EXPECT_EQ(object.GetUsedPlaces(), 2);
    EXPECT_TRUE(object.ReleasePlace());
    EXPECT_EQ(object.GetUsedPlaces(), 1);
}

TEST_F(ObjectTest, Setters_TwoFloatFormsReachVectorForms)
{
    cObject object(&owner_);
    object.SetPosition(3.0f, 4.0f);
    object.Move(1.0f, -1.0f);
    object.SetScale(2.0f, 0.5f);
    object.SetShapeOffset(5.0f, 6.0f);
    object.SetDrawOffset(0.25f, 0.5f);
    EXPECT_EQ(object.GetPosition(), vec2(4.0f, 3.0f));
    EXPECT_EQ(object.GetScale(), vec2(2.0f, 0.5f));
    EXPECT_EQ(object.GetShapeOffset(), vec2(5.0f, 6.0f));
    EXPECT_EQ(object.GetDrawOffset(), vec2(0.25f, 0.5f));
}

}  // namespace
