// The drawn slider: thumb placement on its track, the parts a texture goes to, the
// hovered cells, and dragging through the window.
#include "engine/gui/slider_sys_ctrl.h"

#include <gtest/gtest.h>

#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;

class SliderSysTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        slider = new vrk::cSliderSysCtrl(window, "volume");
        slider->SetFrame(vrk::GuiRect{100.0f, 50.0f, 200.0f, 10.0f}, 2.0f, 2.0f, 0);
        slider->SetRect(vrk::GuiRect{0.0f, 0.0f, 20.0f, 20.0f}, 0);
        slider->SetMinMax(0.0f, 100.0f);
    }
    vrk::cSliderSysCtrl* slider = nullptr;
};

struct ThumbCase {
    float value;
    float thumbX;
};

class SliderSysThumbTest : public SliderSysTest, public ::testing::WithParamInterface<ThumbCase> {};

TEST_P(SliderSysThumbTest, ThumbIsCentredOnTheValueAndKeptOnTheTrack)
{
    slider->SetValue(GetParam().value);
    EXPECT_EQ(slider->GetThumbRect(), (vrk::GuiRect{GetParam().thumbX, 45.0f, 20.0f, 20.0f}));
}

INSTANTIATE_TEST_SUITE_P(Values, SliderSysThumbTest,
                         ::testing::Values(ThumbCase{0.0f, 100.0f}, ThumbCase{100.0f, 280.0f}, ThumbCase{50.0f, 190.0f},
                                           ThumbCase{2.0f, 100.0f}, ThumbCase{250.0f, 280.0f}));

TEST_F(SliderSysTest, Parts_TrackIsTheRectangleAndTheThumbAlsoHits)
{
    EXPECT_EQ(slider->GetRect(), (vrk::GuiRect{100.0f, 50.0f, 200.0f, 10.0f}));
    EXPECT_TRUE(slider->HitTest(195.0f, 62.0f));  // above the track, on the thumb
    EXPECT_FALSE(slider->HitTest(120.0f, 62.0f));
    slider->Move(10.0f, 10.0f);
    EXPECT_EQ(slider->GetTrackRect(), (vrk::GuiRect{110.0f, 60.0f, 200.0f, 10.0f}));
    EXPECT_EQ(slider->GetThumbRect(), (vrk::GuiRect{200.0f, 55.0f, 20.0f, 20.0f}));
    EXPECT_STREQ(slider->GetClassName(), "cSliderSysCtrl");
}

struct TextureCase {
    int32_t mode;
    bool track;
    bool thumb;
};

class SliderSysTextureTest : public SliderSysTest, public ::testing::WithParamInterface<TextureCase> {};

TEST_P(SliderSysTextureTest, ModeBitsPickTheParts)
{
    const auto skin = std::make_shared<vrk::cTexture>("skin");
    vrk::GetTextureMap()["skin"] = skin;
    slider->SetTexture("skin", GetParam().mode);
    EXPECT_EQ(slider->GetTrack().GetTexture() == skin, GetParam().track);
    EXPECT_EQ(slider->GetThumb().GetTexture() == skin, GetParam().thumb);
}

INSTANTIATE_TEST_SUITE_P(Modes, SliderSysTextureTest,
                         ::testing::Values(TextureCase{0, true, true}, TextureCase{6, true, true},
                                           TextureCase{4, true, false}, TextureCase{2, false, true},
                                           TextureCase{1, false, false}));

TEST_F(SliderSysTest, Hovered_MovesTheTrackCellDownOrRightAndTheThumbCellRight)
{
    slider->SetUVFrame(vrk::GuiRect{0.0f, 0.5f, 0.5f, 0.25f}, 0.0f, 0.0f, 0);
    slider->SetUVRect(vrk::GuiRect{0.5f, 0.5f, 0.25f, 0.25f}, 0);
    slider->OnEvent(vrk::kCtrlMouseEntered, 0, 0);
    EXPECT_EQ(slider->CurrentTrackCell(), (vrk::GuiRect{0.0f, 0.25f, 0.5f, 0.25f}));
    EXPECT_EQ(slider->CurrentThumbCell(), (vrk::GuiRect{0.75f, 0.5f, 0.25f, 0.25f}));
    slider->SetVertical(true);
    EXPECT_EQ(slider->CurrentTrackCell(), (vrk::GuiRect{0.5f, 0.5f, 0.5f, 0.25f}));
    slider->OnEvent(vrk::kCtrlMouseLeft, 0, 0);
    EXPECT_EQ(slider->CurrentTrackCell(), (vrk::GuiRect{0.0f, 0.5f, 0.5f, 0.25f}));
    EXPECT_EQ(log.Count("'mouse_in'"), 1);
}

TEST_F(SliderSysTest, Dragging_FollowsThePointerFromTheSecondPressAndReportsTheValue)
{
    Click(150.0f, 55.0f);  // focuses the slider
    MoveTo(250.0f, 55.0f);
    Press(250.0f, 55.0f);
    MoveTo(200.0f, 55.0f);
    Release(200.0f, 55.0f);
    EXPECT_FLOAT_EQ(slider->GetValue(), 50.0f);
    EXPECT_EQ(Reported(), (std::vector<SeenEvent>{{vrk::kWndSliderChanged, 75, slider->GetId()},
                                                  {vrk::kWndSliderChanged, 50, slider->GetId()}}));
}

}  // namespace
