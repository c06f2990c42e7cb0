// The play hover's pick among objects drawn over each other: the nearest picture
// that shows at the point wins, a faint tint lets a solid picture behind it through,
// a sub-part counts as solid, and a figure that takes no order hides what is behind.
#include "framework/widgets/hover_pick.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/framework/widgets/widget_fixtures.h"

namespace {

// What one object answers at the point: its hit part (0 for none) and its cover.
struct Layer {
    int32_t part;
    vrk::TexelCover cover;
    bool hides = false;
};

class Answering : public test::ProbeObject {
public:
    explicit Answering(const Layer& layer) : ProbeObject(nullptr), layer_(layer) {}
    int32_t HitTest(const vec2& /*point*/) override { return layer_.part; }
    vrk::TexelCover CoverAt(const vec2& /*point*/) const override { return layer_.cover; }
    bool HidesPoint(const vec2& /*point*/) override { return layer_.hides; }

private:
    Layer layer_;
};

struct PickCase {
    const char* name;
    std::vector<Layer> backToFront;
    int picked;  // index into backToFront, -1 for none
};

class HoverPickTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(HoverPickTest, PicksWhatThePlayerSeesAtThePoint)
{
    std::vector<std::unique_ptr<Answering>> objects;
    HoverPick pick;
    for (const Layer& layer : GetParam().backToFront) {
        objects.push_back(std::make_unique<Answering>(layer));
        pick.Offer(*objects.back(), vec2{});
    }
    const int picked = GetParam().picked;
    EXPECT_EQ(pick.Object(), picked < 0 ? nullptr : objects[static_cast<size_t>(picked)].get());
    EXPECT_EQ(pick.Part(), picked < 0 ? 0 : GetParam().backToFront[static_cast<size_t>(picked)].part);
}

constexpr Layer kSolid{1, vrk::kCoverSolid};
constexpr Layer kFaint{1, vrk::kCoverFaint};
constexpr Layer kHitAreaOnly{1, vrk::kCoverNone};
constexpr Layer kMiss{0, vrk::kCoverSolid};
constexpr Layer kTakesNoOrder{0, vrk::kCoverSolid, true};
constexpr Layer kSeat{2, vrk::kCoverNone};

INSTANTIATE_TEST_SUITE_P(
    Stacks, HoverPickTest,
    ::testing::Values(PickCase{"NearerSolidWins", {kSolid, kSolid}, 1},
                      PickCase{"TintShowsTheSolidBehind", {kSolid, kFaint}, 0},
                      PickCase{"HitAreaPastThePictureIsATint", {kSolid, kHitAreaOnly}, 0},
                      PickCase{"NearerTintOverTint", {kFaint, kFaint}, 1},
                      PickCase{"TintWithNothingBehind", {kMiss, kFaint}, 1},
                      PickCase{"SolidOverTint", {kFaint, kSolid}, 1},
                      PickCase{"SeatIsSolid", {kSolid, kSeat}, 1},
                      PickCase{"FigureTakingNoOrderHidesWhatIsBehind", {kSolid, kTakesNoOrder}, -1},
                      PickCase{"TintOverAFigureTakingNoOrder", {kTakesNoOrder, kFaint}, -1},
                      PickCase{"SolidOverAFigureTakingNoOrder", {kTakesNoOrder, kSolid}, 1}),
    [](const ::testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

}  // namespace
