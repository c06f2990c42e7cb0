// curve_CatmullRomSpline<T>: a uniform Catmull-Rom spline through the control points
// of a curve, open (extrapolated beyond the ends), clamped (held inside the first
// and last knot) or closed (the points repeat). Instantiated for vec2.
#pragma once
#include <array>
#include <cstdint>

#include "framework/objects/curve.h"

enum CurveMode : int32_t {
    kCurveOpen = 0,
    kCurveClamped = 1,
    kCurveClosed = 2,
};

template <typename T>
class curve_CatmullRomSpline : public curve_Spline<T> {
public:
    // One control point gives that point; none gives the zero value.
    void Evaluate(T& out, float t) const override;
    void GetTangent(T& out, float t) const override;
    void GetSecondDerivative(T& out, float t) const override;
    // A closed spline never ends.
    bool IsEnd(float t) const override;

    virtual void SetMode(int32_t mode);
    virtual int32_t GetMode() const { return mode_; }
    // In closed mode, the parameter distance from the last control point back to
    // the first.
    virtual void SetClosingSpan(float span);
    virtual float GetClosingSpan() const;

    // Control points and knots for any index: the stored ones inside the curve,
    // repeated in closed mode, extended along the first and last span otherwise.
    T GetControlPointExtended(int32_t i) const;
    float GetKnotExtended(int32_t i) const;

private:
    // The four points and the knot span around a parameter.
    struct Segment {
        std::array<T, 4> points{};
        float u = 0.0f;
        float span = 0.0f;
    };

    Segment LocateSegment(float t) const;
    // The period of a closed spline: last knot + closing span.
    float Period() const;

    int32_t mode_ = kCurveOpen;
    float closingSpan_ = 0.0f;
};

extern template class curve_CatmullRomSpline<vec2>;
