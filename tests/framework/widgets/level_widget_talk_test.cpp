// The level's opening dialogue in the window "talk": portraits, lines from both
// sides, the end of the queue, missing controls and the level window fallback.
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "engine/text/text_table.h"
#include "framework/widgets/face_ctrl.h"
#include "framework/widgets/level_widget.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class TalkTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        vrk::TextTable()["Talk000_0"] = "Hello";
        vrk::TextTable()["Talk000_2"] = "Bye";
        AddWindow("level");
        level = new cLevelWidget();  // the engine core owns it
    }
    void AddTalkWindow(bool withFaces = true)
    {
        vrk::cWindow* talk = AddWindow("talk");
        for (const char* side : {"left", "right"}) {
            frames.push_back(new vrk::cFrameCtrl(talk, std::string(side) + "_frame"));
            texts.push_back(new vrk::cLabelCtrl(talk, std::string(side) + "_text"));
            if (withFaces) faces.push_back(new cFaceCtrl(talk, std::string(side) + "_face"));
        }
    }
    bool IsOpen(const std::string& window)
    {
        for (const auto& open : game->gui->OpenWindows()) {
            if (open->GetName() == window) return true;
        }
        return false;
    }

    cLevelWidget* level = nullptr;
    std::vector<vrk::cCtrl*> frames;
    std::vector<vrk::cCtrl*> texts;
    std::vector<cFaceCtrl*> faces;
};

TEST_F(TalkTest, NoLines_ShowGuiOpensTheLevelWindow)
{
    AddTalkWindow();
    level->ShowGui();
    EXPECT_TRUE(IsOpen("level"));
    EXPECT_FALSE(IsOpen("talk"));
}

TEST_F(TalkTest, LeftLeftRight_BothPortraitsFromTheStartThenLineOneOnTheLeft)
{
    AddTalkWindow();
    level->AddTalk(0, "speech_hero", "Talk000_0");
    level->AddTalkFace(0, "speech_hero", "x", "Talk000_1");
    level->AddTalk(1, "speech_wife", "Talk000_2");
    level->ShowGui();
    EXPECT_TRUE(IsOpen("talk"));
    EXPECT_NE(level->GetInputFlags() & kInputCinematic, 0u);
    EXPECT_EQ(level->GetTalkIndex(), 1);
    EXPECT_TRUE(faces[1]->IsMirrored());  // the right portrait was set at the start
    EXPECT_FALSE(faces[0]->IsMirrored());
    EXPECT_TRUE(frames[0]->HasFlag(vrk::kCtrlShown));
    EXPECT_TRUE(texts[0]->HasFlag(vrk::kCtrlShown));
    EXPECT_FALSE(frames[1]->HasFlag(vrk::kCtrlShown));
    EXPECT_FALSE(texts[1]->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(static_cast<vrk::cLabelCtrl*>(texts[0])->GetText(), "Hello");

    level->NextTalk();
    level->NextTalk();
    EXPECT_TRUE(frames[1]->HasFlag(vrk::kCtrlShown));
    EXPECT_FALSE(frames[0]->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(static_cast<vrk::cLabelCtrl*>(texts[1])->GetText(), "Bye");
    EXPECT_TRUE(level->IsTalkFinished());
    level->NextTalk();  // past the end: nothing
    EXPECT_EQ(level->GetTalkIndex(), 3);

    level->EndTalk();
    EXPECT_TRUE(IsOpen("level"));
    EXPECT_EQ(level->GetInputFlags() & kInputCinematic, 0u);
}

TEST_F(TalkTest, AddTalkFace_BuildsTheEyeNameFromTheVariant)
{
    level->AddTalkFace(1, "speech_gravik", "", "k");
    level->AddTalkFace(1, "speech_gravik", "x", "k");
    level->AddTalk(0, "speech_trader", "k");
    const auto& talks = level->GetTalks();
    ASSERT_EQ(talks.size(), 3u);
    EXPECT_EQ(talks[0].face, "speech_gravik_face");
    EXPECT_EQ(talks[0].eye, "speech_gravik_eye");
    EXPECT_EQ(talks[0].mouth, "speech_gravik_mouth");
    EXPECT_EQ(talks[1].eye, "speech_gravik_eye_x");
    EXPECT_EQ(talks[2].face, "speech_trader_face");
    EXPECT_EQ(talks[2].eye, "");
    EXPECT_EQ(talks[2].mouth, "");
}

TEST_F(TalkTest, MissingFaces_ShowGuiFallsBackToTheLevelWindow)
{
    AddTalkWindow(false);
    level->AddTalk(0, "speech_hero", "Talk000_0");
    level->ShowGui();
    EXPECT_TRUE(IsOpen("level"));
    EXPECT_EQ(level->GetTalkIndex(), 0);
    level->NextTalk();  // missing controls: the index stays
    EXPECT_EQ(level->GetTalkIndex(), 0);
}

TEST_F(TalkTest, ResetTalks_EmptiesTheQueueAndHidesTheFrames)
{
    AddTalkWindow();
    level->AddTalk(1, "speech_wife", "Talk000_0");
    level->StartTalk();
    ASSERT_TRUE(frames[1]->HasFlag(vrk::kCtrlShown));
    level->ClearLevel();
    EXPECT_TRUE(level->GetTalks().empty());
    EXPECT_EQ(level->GetTalkIndex(), 0);
    EXPECT_FALSE(frames[1]->HasFlag(vrk::kCtrlShown));
    EXPECT_FALSE(texts[1]->HasFlag(vrk::kCtrlShown));
    EXPECT_TRUE(level->IsTalkFinished());
}

}  // namespace
