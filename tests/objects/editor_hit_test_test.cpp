// EditorOnlyHitTest: a pick in the editor by the current frame, never in play.
#include "objects/editor_hit_test.h"

#include <gtest/gtest.h>

#include "framework/objects/game_object.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class EditorHitTestTest : public test::CoreTest {
protected:
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::FakeOwner owner;
};

TEST_F(EditorHitTestTest, EditorOnlyHitTest_PicksInsideTheFrameOnlyInTheEditor)
{
    // A 40 x 20 frame with its hot spot at its centre: x in (80, 120), y in (90, 110).
    test::RegisterTestSprite("pond", 1, 0.0f, 40.0f, 20.0f, 20.0f, 10.0f);
    cGameObject object(&owner);
    object.SetPosition(100.0f, 100.0f);
    EXPECT_EQ(EditorOnlyHitTest(object, {100.0f, 100.0f}), 0) << "nothing shown yet";
    object.AddAnimation("show", "pond");
    object.SwitchAnimation("show");

    EXPECT_EQ(EditorOnlyHitTest(object, {100.0f, 100.0f}), 0) << "in play";
    owner.editorMode = true;
    EXPECT_EQ(EditorOnlyHitTest(object, {100.0f, 100.0f}), 1);
    EXPECT_EQ(EditorOnlyHitTest(object, {119.0f, 109.0f}), 1);
    EXPECT_EQ(EditorOnlyHitTest(object, {120.0f, 100.0f}), 0) << "an edge is outside";
    EXPECT_EQ(EditorOnlyHitTest(object, {100.0f, 111.0f}), 0);

    cGameObject loose(nullptr);
    loose.AddAnimation("show", "pond");
    loose.SwitchAnimation("show");
    EXPECT_EQ(EditorOnlyHitTest(loose, {0.0f, 0.0f}), 0) << "no screen";
}

}  // namespace
