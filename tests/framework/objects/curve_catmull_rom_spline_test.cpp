// Tests of the Catmull-Rom spline: the three modes, extended points and knots, and
// the point and its derivatives at ends and joints.
#include "framework/objects/curve_catmull_rom_spline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Spline = curve_CatmullRomSpline<vec2>;

Spline LineOfThree(int32_t mode)
{
    Spline s;
    s.SetMode(mode);
    s.AddPoint({0.0f, 0.0f}, 0.0f);
    s.AddPoint({10.0f, 0.0f}, 1.0f);
    s.AddPoint({20.0f, 0.0f}, 2.0f);
    return s;
}

// A bent, unevenly spaced curve so that no basis weight hides behind symmetry.
Spline Bent(int32_t mode)
{
    Spline s;
    s.SetMode(mode);
    s.AddPoint({0.0f, 0.0f}, 0.0f);
    s.AddPoint({4.0f, 6.0f}, 1.0f);
    s.AddPoint({9.0f, 2.0f}, 2.5f);
    s.AddPoint({12.0f, -3.0f}, 3.0f);
    s.SetClosingSpan(2.0f);
    return s;
}

vec2 At(const Spline& s, float t)
{
    vec2 out;
    s.Evaluate(out, t);
    return out;
}

vec2 TangentAt(const Spline& s, float t)
{
    vec2 out;
    s.GetTangent(out, t);
    return out;
}

void ExpectNear(const vec2& actual, const vec2& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(CatmullRomSpline, Open_InterpolatesAndExtendsLinearly)
{
    const Spline s = LineOfThree(kCurveOpen);
    ExpectNear(At(s, 1.5f), {15.0f, 0.0f});
    EXPECT_EQ(s.GetControlPointExtended(-1), vec2(-10.0f, 0.0f));
    EXPECT_EQ(s.GetControlPointExtended(3), vec2(30.0f, 0.0f));
    EXPECT_FLOAT_EQ(s.GetKnotExtended(-1), -1.0f);
    EXPECT_FLOAT_EQ(s.GetKnotExtended(4), 4.0f);
    ExpectNear(At(s, 3.0f), {30.0f, 0.0f});  // extrapolated
    EXPECT_FALSE(s.IsEnd(1.9f));
    EXPECT_TRUE(s.IsEnd(2.0f));
}

TEST(CatmullRomSpline, Clamped_HoldsParameterInsideTheKnots)
{
    const Spline s = LineOfThree(kCurveClamped);
    ExpectNear(At(s, -1.0f), {0.0f, 0.0f});
    ExpectNear(At(s, 5.0f), {20.0f, 0.0f});
    ExpectNear(At(s, 0.5f), {5.0f, 0.0f});
}

TEST(CatmullRomSpline, Closed_RepeatsPointsAndKnots)
{
    Spline s = LineOfThree(kCurveClosed);
    s.SetClosingSpan(1.0f);
    EXPECT_FLOAT_EQ(s.GetKnotExtended(-1), -1.0f);
    EXPECT_FLOAT_EQ(s.GetKnotExtended(3), 3.0f);
    EXPECT_FLOAT_EQ(s.GetKnotExtended(-4), -4.0f);
    EXPECT_EQ(s.GetControlPointExtended(3), s.GetPoints()[0]);
    EXPECT_EQ(s.GetControlPointExtended(-1), s.GetPoints()[2]);
    EXPECT_EQ(s.GetControlPointExtended(-5), s.GetPoints()[1]);
    EXPECT_FALSE(s.IsEnd(2.0f));
    EXPECT_FALSE(s.IsEnd(100.0f));
    ExpectNear(At(s, 3.0f), {0.0f, 0.0f});  // the closing span ends at the first point
}

TEST(CatmullRomSpline, Closed_RepeatsEveryPeriod)
{
    const Spline s = Bent(kCurveClosed);  // period 3 + 2 = 5
    for (float t : {0.3f, 1.7f, 2.9f, 4.2f}) {
        ExpectNear(At(s, t + 5.0f), At(s, t), 1e-3f);
        ExpectNear(At(s, t - 5.0f), At(s, t), 1e-3f);
        ExpectNear(At(s, t + 50.0f), At(s, t), 1e-3f);
        ExpectNear(TangentAt(s, t + 10.0f), TangentAt(s, t), 1e-3f);
    }
}

TEST(CatmullRomSpline, ClosingSpan_OnlyReportedInClosedMode)
{
    Spline s = Bent(kCurveOpen);
    EXPECT_EQ(s.GetClosingSpan(), 0.0f);
    s.SetMode(kCurveClosed);
    EXPECT_EQ(s.GetClosingSpan(), 2.0f);
    EXPECT_EQ(s.GetMode(), kCurveClosed);
}

TEST(CatmullRomSpline, ModeAndSpanChanges_SetChangedFlag)
{
    Spline s;
    s.SetChanged(false);
    s.SetMode(kCurveClamped);
    EXPECT_TRUE(s.IsChanged());
    s.SetChanged(false);
    s.SetClosingSpan(1.0f);
    EXPECT_TRUE(s.IsChanged());
}

class SplineModeTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(SplineModeTest, PassesThroughEveryControlPointAtItsKnot)
{
    const Spline s = Bent(GetParam());
    for (int32_t i = 0; i < s.GetPointCount(); ++i) {
        ExpectNear(At(s, s.GetKnots()[i]), s.GetPoints()[i]);
    }
}

TEST_P(SplineModeTest, IsContinuousAcrossJoints)
{
    const Spline s = Bent(GetParam());
    constexpr float kDelta = 1e-3f;
    for (int32_t i = 1; i + 1 < s.GetPointCount(); ++i) {
        const float knot = s.GetKnots()[i];
        ExpectNear(At(s, knot - kDelta), At(s, knot + kDelta), 0.05f);
    }
}

TEST_P(SplineModeTest, TangentAndSecondDerivativeMatchFiniteDifferences)
{
    const Spline s = Bent(GetParam());
    constexpr float kDelta = 1e-3f;
    for (float t : {0.4f, 1.2f, 2.0f, 2.8f}) {
        const vec2 slope = (At(s, t + kDelta) - At(s, t - kDelta)) / (2.0f * kDelta);
        ExpectNear(TangentAt(s, t), slope, 0.02f);
        vec2 second;
        s.GetSecondDerivative(second, t);
        const vec2 bend = (TangentAt(s, t + kDelta) - TangentAt(s, t - kDelta)) / (2.0f * kDelta);
        ExpectNear(second, bend, 0.05f);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, SplineModeTest, ::testing::Values(kCurveOpen, kCurveClamped, kCurveClosed));

TEST(CatmullRomSpline, EvenlySpacedLine_HasConstantTangentAndNoBend)
{
    const Spline s = LineOfThree(kCurveOpen);
    for (float t : {0.0f, 0.5f, 1.0f, 1.5f, 2.0f}) {
        ExpectNear(TangentAt(s, t), {10.0f, 0.0f});
        vec2 second;
        s.GetSecondDerivative(second, t);
        ExpectNear(second, {0.0f, 0.0f});
    }
}

TEST(CatmullRomSpline, OnePoint_IsThatPointWithoutDerivatives)
{
    Spline s;
    s.AddPoint({3.0f, 4.0f}, 1.0f);
    EXPECT_EQ(At(s, -7.0f), vec2(3.0f, 4.0f));
    EXPECT_EQ(TangentAt(s, 1.0f), vec2(0.0f, 0.0f));
    EXPECT_EQ(s.GetControlPointExtended(-2), vec2(3.0f, 4.0f));
    vec2 second{1.0f, 1.0f};
    s.GetSecondDerivative(second, 1.0f);
    EXPECT_EQ(second, vec2(0.0f, 0.0f));
}

TEST(CatmullRomSpline, NoPoints_AnswersZero)
{
    Spline s;
    s.SetMode(kCurveClosed);
    EXPECT_EQ(At(s, 1.0f), vec2(0.0f, 0.0f));
    EXPECT_EQ(s.GetControlPointExtended(5), vec2(0.0f, 0.0f));
    EXPECT_EQ(s.GetKnotExtended(5), 0.0f);
}

TEST(CatmullRomSpline, PointsOnTheSameKnot_GiveFiniteValues)
{
    for (int32_t mode : {kCurveOpen, kCurveClamped, kCurveClosed}) {
        Spline s;
        s.SetMode(mode);
        s.AddPoint({0.0f, 0.0f}, 0.0f);
        s.AddPoint({5.0f, 5.0f}, 0.0f);
        for (float t : {-1.0f, 0.0f, 0.5f}) {
            const vec2 point = At(s, t);
            const vec2 tangent = TangentAt(s, t);
            EXPECT_TRUE(std::isfinite(point.x) && std::isfinite(point.y)) << mode << " " << t;
            EXPECT_TRUE(std::isfinite(tangent.x) && std::isfinite(tangent.y)) << mode << " " << t;
        }
    }
}

}  // namespace
