// Tests of vec2 arithmetic, the strict point-in-rectangle test, the point-in-polygon
// test and normalisation.
#include "framework/objects/small_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(Vec2, Arithmetic_IsComponentWise)
{
    const vec2 a{1.0f, 2.0f};
    const vec2 b{3.0f, -4.0f};
    EXPECT_EQ(a + b, vec2(4.0f, -2.0f));
    EXPECT_EQ(a - b, vec2(-2.0f, 6.0f));
    EXPECT_EQ(a * 2.0f, vec2(2.0f, 4.0f));
    EXPECT_EQ(2.0f * a, vec2(2.0f, 4.0f));
    EXPECT_EQ(b / 2.0f, vec2(1.5f, -2.0f));
    EXPECT_EQ(-a, vec2(-1.0f, -2.0f));
    EXPECT_FLOAT_EQ(b.Length(), 5.0f);
    EXPECT_FLOAT_EQ(a.Dot(b), -5.0f);
    EXPECT_NE(a, b);
}

struct PointInRectCase {
    vec2 point;
    bool inside;
};

class IsPointInRectTest : public ::testing::TestWithParam<PointInRectCase> {};

TEST_P(IsPointInRectTest, IsStrictOnEverySide)
{
    const Rect rect{10.0f, 20.0f, 30.0f, 40.0f};
    EXPECT_EQ(IsPointInRect(rect, GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, IsPointInRectTest,
    ::testing::Values(PointInRectCase{{25.0f, 40.0f}, true}, PointInRectCase{{10.0f, 40.0f}, false},
                      PointInRectCase{{40.0f, 40.0f}, false}, PointInRectCase{{25.0f, 20.0f}, false},
                      PointInRectCase{{25.0f, 60.0f}, false}, PointInRectCase{{10.001f, 20.001f}, true},
                      PointInRectCase{{9.0f, 40.0f}, false}, PointInRectCase{{25.0f, 61.0f}, false}));

TEST(IsPointInRect, EmptyRectangleHoldsNothing)
{
    EXPECT_FALSE(IsPointInRect(Rect{5.0f, 5.0f, 0.0f, 0.0f}, vec2{5.0f, 5.0f}));
}

TEST(Normalize, GivesUnitLength)
{
    vec2 v{3.0f, 4.0f};
    Normalize(v);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
}

TEST(Normalize, VectorAtOrBelowEpsilonBecomesZero)
{
    vec2 tiny{kFloatEpsilon, 0.0f};
    Normalize(tiny);
    EXPECT_EQ(tiny, vec2(0.0f, 0.0f));

    vec2 zero;
    Normalize(zero);
    EXPECT_EQ(zero, vec2(0.0f, 0.0f));

    vec2 justAbove{2.0f * kFloatEpsilon, 0.0f};
    Normalize(justAbove);
    EXPECT_FLOAT_EQ(justAbove.x, 1.0f);
}

TEST(Normalize, NotANumberBecomesZero)
{
    vec2 v{std::numeric_limits<float>::quiet_NaN(), 1.0f};
    Normalize(v);
    EXPECT_EQ(v, vec2(0.0f, 0.0f));
}

}  // namespace

namespace {

// A concave outline (an L), closed by repeating its first point, as hit outlines are
// stored.
const std::vector<vec2> kLOutline{{0.0f, 0.0f}, {20.0f, 0.0f}, {20.0f, 10.0f}, {10.0f, 10.0f},
                                  {10.0f, 30.0f}, {0.0f, 30.0f}, {0.0f, 0.0f}};

TEST(IsPointInPolygon, CountsEdgeCrossingsOfAConcaveOutline)
{
    EXPECT_TRUE(IsPointInPolygon(kLOutline, {5.0f, 5.0f}));
    EXPECT_TRUE(IsPointInPolygon(kLOutline, {15.0f, 5.0f}));
    EXPECT_TRUE(IsPointInPolygon(kLOutline, {5.0f, 25.0f}));
    // The notch of the L and points beyond it.
    EXPECT_FALSE(IsPointInPolygon(kLOutline, {15.0f, 20.0f}));
    EXPECT_FALSE(IsPointInPolygon(kLOutline, {-1.0f, 5.0f}));
    EXPECT_FALSE(IsPointInPolygon(kLOutline, {25.0f, 5.0f}));
    EXPECT_FALSE(IsPointInPolygon(kLOutline, {5.0f, 31.0f}));
    // The same outline without its closing point holds the same points.
    const std::vector<vec2> open(kLOutline.begin(), kLOutline.end() - 1);
    EXPECT_TRUE(IsPointInPolygon(open, {15.0f, 5.0f}));
    EXPECT_FALSE(IsPointInPolygon(open, {15.0f, 20.0f}));
}

TEST(IsPointInPolygon, VerticesFollowTheHalfOpenEdgeRule)
{
    // An edge counts for a.x < p.x <= b.x: a vertex at the low-x corner is outside,
    // one on the high-x side of the bottom edge only is inside (the top edge above
    // it counts, the bottom edge through it does not).
    const std::vector<vec2> square{{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 10.0f}, {0.0f, 0.0f}};
    EXPECT_FALSE(IsPointInPolygon(square, {0.0f, 0.0f}));
    EXPECT_FALSE(IsPointInPolygon(square, {0.0f, 10.0f}));
    EXPECT_TRUE(IsPointInPolygon(square, {10.0f, 0.0f}));
    EXPECT_FALSE(IsPointInPolygon(square, {10.0f, 10.0f}));
}

TEST(IsPointInPolygon, FewerThanThreePointsHoldNothing)
{
    EXPECT_FALSE(IsPointInPolygon({}, {0.0f, 0.0f}));
    EXPECT_FALSE(IsPointInPolygon({{0.0f, 0.0f}}, {0.0f, 0.0f}));
    EXPECT_FALSE(IsPointInPolygon({{0.0f, 0.0f}, {10.0f, 10.0f}}, {5.0f, 5.0f}));
}

}  // namespace
