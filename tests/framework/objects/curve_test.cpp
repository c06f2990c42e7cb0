// Tests of the base curve: knot insertion, segment lookup and the step-curve answers.
#include "framework/objects/curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

curve<vec2> ThreePoints()
{
    curve<vec2> c;
    c.AddPoint({0.0f, 0.0f}, 0.0f);
    c.AddPoint({10.0f, 1.0f}, 1.0f);
    c.AddPoint({20.0f, 2.0f}, 2.0f);
    return c;
}

TEST(Curve, AddPoint_InsertsInKnotOrder)
{
    curve<vec2> c;
    EXPECT_EQ(c.AddPoint({0.0f, 0.0f}, 0.0f), 0);
    EXPECT_EQ(c.AddPoint({1.0f, 0.0f}, 1.0f), 1);
    EXPECT_EQ(c.AddPoint({5.0f, 5.0f}, 0.5f), 1);
    EXPECT_EQ(c.GetKnots(), (std::vector<float>{0.0f, 0.5f, 1.0f}));
    EXPECT_EQ(c.GetPoints()[1], vec2(5.0f, 5.0f));
    EXPECT_EQ(c.AddPoint({-1.0f, 0.0f}, -3.0f), 0);
    EXPECT_TRUE(std::is_sorted(c.GetKnots().begin(), c.GetKnots().end()));
}

TEST(Curve, AddPoint_RefusesParameterThatIsNotANumber)
{
    curve<vec2> c = ThreePoints();
    c.SetChanged(false);
    EXPECT_EQ(c.AddPoint({1.0f, 1.0f}, std::numeric_limits<float>::quiet_NaN()), -1);
    EXPECT_EQ(c.GetPointCount(), 3);
    EXPECT_FALSE(c.IsChanged());
}

TEST(Curve, EveryChange_SetsChangedFlag)
{
    curve<vec2> c;
    EXPECT_FALSE(c.IsChanged());
    c.AddPoint({0.0f, 0.0f}, 0.0f);
    EXPECT_TRUE(c.IsChanged());
    c.SetChanged(false);
    c.RemovePoint(0);
    EXPECT_TRUE(c.IsChanged());
    c.SetChanged(false);
    c.Clear();
    EXPECT_TRUE(c.IsChanged());
}

TEST(Curve, RemovePoint_OutsideTheCurveChangesNothing)
{
    curve<vec2> c = ThreePoints();
    c.SetChanged(false);
    c.RemovePoint(3);
    c.RemovePoint(-1);
    EXPECT_EQ(c.GetPointCount(), 3);
    EXPECT_FALSE(c.IsChanged());
    c.RemovePoint(1);
    EXPECT_EQ(c.GetKnots(), (std::vector<float>{0.0f, 2.0f}));
    EXPECT_EQ(c.GetPoints()[1], vec2(20.0f, 2.0f));
}

struct SegmentCase {
    float t;
    int32_t segment;
};

class FindSegmentTest : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(FindSegmentTest, FindsFirstKnotNotBelowT)
{
    const curve<vec2> c = ThreePoints();
    EXPECT_EQ(c.FindSegment(GetParam().t), GetParam().segment);
}

INSTANTIATE_TEST_SUITE_P(Knots012, FindSegmentTest,
                         ::testing::Values(SegmentCase{-1.0f, 0}, SegmentCase{0.0f, 0}, SegmentCase{0.5f, 1},
                                           SegmentCase{1.0f, 1}, SegmentCase{1.5f, 2}, SegmentCase{2.0f, 2},
                                           SegmentCase{2.5f, 3}));

TEST(Curve, FindSegment_CacheNeverChangesTheAnswer)
{
    curve<vec2> c;
    for (int i = 0; i < 20; ++i) {
        c.AddPoint({static_cast<float>(i), 0.0f}, static_cast<float>(i) * 0.5f);
    }
    const std::vector<float>& knots = c.GetKnots();
    // Forward sweeps hit the cached and the next segment; jumps need the bisection.
    const float queries[] = {0.1f, 0.2f, 0.6f, 0.9f, 1.2f, 9.7f, 3.0f, -2.0f, 12.0f, 9.5f, 0.0f, 4.25f};
    for (float t : queries) {
        const auto expected = std::lower_bound(knots.begin(), knots.end(), t) - knots.begin();
        EXPECT_EQ(c.FindSegment(t), expected) << t;
    }
}

TEST(Curve, FindSegment_StaleCacheAfterRemovalIsIgnored)
{
    curve<vec2> c = ThreePoints();
    EXPECT_EQ(c.FindSegment(5.0f), 3);
    c.RemovePoint(2);
    c.RemovePoint(1);
    EXPECT_EQ(c.FindSegment(5.0f), 1);
    EXPECT_EQ(c.FindSegment(-5.0f), 0);
}

TEST(Curve, Evaluate_IsStepCurve)
{
    const curve<vec2> c = ThreePoints();
    vec2 out;
    c.Evaluate(out, 0.5f);
    EXPECT_EQ(out, vec2(10.0f, 1.0f));
    c.Evaluate(out, 2.5f);
    EXPECT_EQ(out, vec2(20.0f, 2.0f));
    c.Evaluate(out, -1.0f);
    EXPECT_EQ(out, vec2(0.0f, 0.0f));
    c.GetTangent(out, 0.5f);
    EXPECT_EQ(out, vec2(0.0f, 0.0f));
    c.GetSecondDerivative(out, 0.5f);
    EXPECT_EQ(out, vec2(0.0f, 0.0f));
}

TEST(Curve, EmptyCurve_AnswersZeroAndIsAtItsEnd)
{
    const curve<vec2> c;
    vec2 out{1.0f, 1.0f};
    c.Evaluate(out, 0.0f);
    EXPECT_EQ(out, vec2(0.0f, 0.0f));
    EXPECT_EQ(c.FindSegment(1.0f), 0);
    EXPECT_TRUE(c.IsEnd(0.0f));
}

TEST(Curve, IsEnd_FromTheLastKnotOn)
{
    const curve<vec2> c = ThreePoints();
    EXPECT_FALSE(c.IsEnd(1.99f));
    EXPECT_TRUE(c.IsEnd(2.0f));
    EXPECT_TRUE(c.IsEnd(3.0f));
}

}  // namespace
