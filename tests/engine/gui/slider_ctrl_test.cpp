// The slider base: range and value, thumb placement along a track, and dragging.
#include "engine/gui/slider_ctrl.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/gui/gui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

// A slider with a fixed track and a thumb that only moves where PlaceThumb puts it.
class TrackSlider : public vrk::cSliderCtrl {
public:
    TrackSlider(vrk::cWindow* window, vrk::GuiRect track, vrk::GuiRect thumb)
        : vrk::cSliderCtrl(window, "slider"), track_(track), thumb_(thumb)
    {
    }
    vrk::GuiRect GetTrackRect() const override { return track_; }
    vrk::GuiRect GetThumbRect() const override { return thumb_; }
    void PlaceThumb(const vrk::GuiRect& thumb) override
    {
        ++placements;
        thumb_ = thumb;
    }
    vrk::GuiRect track_;
    vrk::GuiRect thumb_;
    int placements = 0;
};

class SliderCtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        window = Open("w", 0, false, true);
        slider = new TrackSlider(window, {100, 50, 200, 10}, {0, 0, 20, 20});
    }
    void Press(int32_t x, int32_t y) { gui().OnMouseButton(x, ClientY(y), 0, false); }
    void Release(int32_t x, int32_t y) { gui().OnMouseButton(x, ClientY(y), 0, true); }
    void MoveTo(int32_t x, int32_t y) { gui().OnMouseMove(x, ClientY(y)); }
    std::vector<std::string> Posted()
    {
        seen.clear();
        gui().Update(0.0f);
        Lines posted;
        for (const auto& line : seen)
            if (line.rfind("w 51 ", 0) == 0) posted.push_back(line);
        return posted;
    }

    vrk::cWindow* window = nullptr;
    TrackSlider* slider = nullptr;
};

TEST_F(SliderCtrlTest, Defaults_RangeZeroToHundredAtFifty)
{
    vrk::cSliderCtrl plain(nullptr, "plain");
    EXPECT_EQ(plain.GetMin(), 0.0f);
    EXPECT_EQ(plain.GetMax(), 100.0f);
    EXPECT_EQ(plain.GetValue(), 50.0f);
    EXPECT_FALSE(plain.IsVertical());
    EXPECT_EQ(plain.GetRect(), vrk::GuiRect{});
    EXPECT_STREQ(plain.GetClassName(), "cSliderCtrl");
}

struct ThumbCase {
    float value;
    float thumbX;
};

class SliderCtrlThumbTest : public SliderCtrlTest, public testing::WithParamInterface<ThumbCase> {};

TEST_P(SliderCtrlThumbTest, HorizontalThumbStaysOnTheTrackCentredAcrossIt)
{
    slider->SetValue(GetParam().value);
    EXPECT_EQ(slider->thumb_.x, GetParam().thumbX);
    EXPECT_EQ(slider->thumb_.y, 45.0f);
    EXPECT_EQ(slider->thumb_.width, 20.0f);
}

INSTANTIATE_TEST_SUITE_P(Values, SliderCtrlThumbTest,
                         testing::Values(ThumbCase{0, 100}, ThumbCase{100, 280}, ThumbCase{50, 190},
                                         ThumbCase{-30, 100}, ThumbCase{250, 280}, ThumbCase{33.3f, 156}));

TEST_F(SliderCtrlTest, Layout_VerticalRunsAlongYAndPlacesOnlyOnChange)
{
    slider->track_ = {50, 100, 10, 200};
    slider->SetVertical(true);
    slider->SetValue(100);
    EXPECT_EQ(slider->thumb_.y, 280.0f);
    EXPECT_EQ(slider->thumb_.x, 45.0f);
    const int placements = slider->placements;
    slider->SetValue(100);
    EXPECT_EQ(slider->placements, placements);
}

TEST_F(SliderCtrlTest, SetMinMax_RaisesAMaximumBelowTheMinimumAndReclampsTheValue)
{
    slider->SetMinMax(10, 5);
    EXPECT_EQ(slider->GetMin(), 10.0f);
    EXPECT_EQ(slider->GetMax(), 10.0f);
    EXPECT_EQ(slider->GetValue(), 10.0f);
    EXPECT_EQ(slider->thumb_.x, 100.0f);  // an empty range puts the thumb at the start
    slider->SetValue(std::nanf(""));
    EXPECT_EQ(slider->GetValue(), 10.0f);
}

TEST_F(SliderCtrlTest, HitTest_TrackOrThumb)
{
    slider->SetValue(0);
    EXPECT_TRUE(slider->HitTest(200, 55));  // track
    EXPECT_TRUE(slider->HitTest(110, 62));  // thumb above the track
    EXPECT_FALSE(slider->HitTest(200, 62));
    EXPECT_EQ(slider->GetRect(), (vrk::GuiRect{100, 50, 200, 10}));
}

TEST_F(SliderCtrlTest, Drag_FollowsFromTheFirstMoveAfterTheFocusingPress)
{
    MoveTo(150, 55);
    Press(150, 55);  // focuses it; the press itself arrives before the focus
    EXPECT_TRUE(slider->IsFocused());
    EXPECT_TRUE(slider->IsDragging());
    EXPECT_EQ(slider->GetValue(), 50.0f);
    EXPECT_TRUE(Posted().empty());
    MoveTo(250, 55);
    EXPECT_FLOAT_EQ(slider->GetValue(), 75.0f);
    EXPECT_EQ(Posted(), (Lines{"w 51 75 0"}));
    Release(250, 55);
    MoveTo(120, 55);
    EXPECT_FLOAT_EQ(slider->GetValue(), 75.0f);
    Press(160, 55);  // focused already: follows at once
    EXPECT_FLOAT_EQ(slider->GetValue(), 30.0f);
    EXPECT_EQ(Posted(), (Lines{"w 51 30 0"}));
}

TEST_F(SliderCtrlTest, Drag_OutsideTheTrackClampsAndLeftOfTheScreenGivesTheMinimum)
{
    MoveTo(150, 55);
    Press(150, 55);
    MoveTo(900, 700);  // the focused slider still follows
    EXPECT_EQ(slider->GetValue(), 100.0f);
    slider->OnEvent(vrk::kCtrlMouseMove, 0, vrk::PackGuiPoint(-85, 55));
    EXPECT_EQ(slider->GetValue(), 0.0f);
}

TEST_F(SliderCtrlTest, Drag_TrackWithoutLengthIsIgnored)
{
    slider->track_.width = 0;
    slider->OnEvent(vrk::kCtrlFocusGained, 0, 0);
    slider->OnEvent(vrk::kCtrlLeftDown, 0, vrk::PackGuiPoint(100, 55));
    slider->OnEvent(vrk::kCtrlMouseMove, 0, vrk::PackGuiPoint(120, 55));
    EXPECT_EQ(slider->GetValue(), 50.0f);
    EXPECT_TRUE(Posted().empty());
}

}  // namespace
