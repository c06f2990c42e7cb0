// The speaker portrait: its three parts about the centre, mirroring, the talking
// mouth, and the in-use marks of a portrait's textures.
#include "framework/widgets/face_ctrl.h"

#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class FaceCtrlTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        // 20 x 10 frames with the hot spot (5, 4).
        test::RegisterTestSprite("face", 1, 0.0f, 20.0f, 10.0f, 5.0f, 4.0f);
        test::RegisterTestSprite("eye", 1, 0.0f, 20.0f, 10.0f, 5.0f, 4.0f);
        test::RegisterTestSprite("mouth", 4, 10.0f, 20.0f, 10.0f, 5.0f, 4.0f);
        face = new cFaceCtrl(AddWindow("talk"), "left_face");
        face->SetRect({100.5f, 200.5f, 60.0f, 40.0f}, 0);  // centre (130.5, 220.5)
    }
    cFaceCtrl* face = nullptr;
};

TEST_F(FaceCtrlTest, Draw_FaceEyeMouthFlooredAboutTheCentre)
{
    face->SetFace("face", "eye", "mouth", false);
    face->Draw();
    ASSERT_EQ(batch().UsedVertices(), 18u);
    for (uint32_t part = 0; part < 3; ++part) {
        EXPECT_EQ(QuadBounds(part * 6), (vrk::GuiRect{125.0f, 216.0f, 20.0f, 10.0f})) << part;
    }
    EXPECT_EQ(batch().runs[0].key, vrk::FindTexture("face_tex"));
    EXPECT_EQ(batch().vertices[0].color, 0xFFFFFFFFu);
}

TEST_F(FaceCtrlTest, Mirrored_EachPartFlipsAroundTheCentreLine)
{
    face->SetFace("face", "eye", "mouth", true);
    face->Draw();
    ASSERT_EQ(batch().UsedVertices(), 18u);
    // The left texture edge now lies right of the centre: x = floor(130.5 + 5).
    EXPECT_FLOAT_EQ(batch().vertices[0].x, 135.0f);
    EXPECT_FLOAT_EQ(batch().vertices[1].x, 115.0f);
    EXPECT_EQ(QuadBounds(), (vrk::GuiRect{115.0f, 216.0f, 20.0f, 10.0f}));
}

TEST_F(FaceCtrlTest, Update_AdvancesOnlyTheMouthInALoop)
{
    face->SetFace("face", "eye", "mouth", false);
    EXPECT_EQ(face->GetMouth().play.mode, kPlayLoopForward);
    face->OnEvent(vrk::kCtrlUpdate, 250, 0);  // 2.5 frames at 10 per second
    EXPECT_EQ(face->GetMouth().play.frame, 2);
    face->OnEvent(vrk::kCtrlUpdate, 200, 0);
    EXPECT_EQ(face->GetMouth().play.frame, 0);  // wrapped past the fourth frame
    face->Draw();
    EXPECT_FLOAT_EQ(batch().vertices[12].u, 0.0f);
}

TEST_F(FaceCtrlTest, UnknownParts_DrawNothing)
{
    face->SetFace("", "nobody", "", false);
    face->OnEvent(vrk::kCtrlUpdate, 1000, 0);
    face->Draw();
    EXPECT_EQ(batch().UsedVertices(), 0u);
    EXPECT_STREQ(face->GetClassName(), "cFaceCtrl");
}

TEST_F(FaceCtrlTest, MarkFaceSpritesUsed_MarksOnlyTexturesThatHoldSomething)
{
    vrk::FindTexture("face_tex")->path = vrk::PathRecord("somewhere/face.png");
    MarkFaceSpritesUsed("face", "eye", "missing");
    EXPECT_TRUE(vrk::FindTexture("face_tex")->inUse);
    EXPECT_FALSE(vrk::FindTexture("eye_tex")->inUse);  // no file, no pixels
}

}  // namespace
