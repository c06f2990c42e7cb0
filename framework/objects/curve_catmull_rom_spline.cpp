// curve_CatmullRomSpline<vec2>: extended points and knots, and the point, tangent
// and second derivative of the uniform Catmull-Rom basis.
#include "framework/objects/curve_catmull_rom_spline.h"

#include <algorithm>
#include <cmath>

namespace {

// Remainder and quotient of i by count with the remainder taken non-negative.
void DivideFloor(int32_t i, int32_t count, int32_t& remainder, int32_t& quotient)
{
    remainder = i % count;
    if (remainder < 0) {
        remainder += count;
    }
    quotient = (i - remainder) / count;
}

template <typename T>
T Combine(const std::array<T, 4>& points, const std::array<float, 4>& weights)
{
    return points[0] * weights[0] + points[1] * weights[1] + points[2] * weights[2] +
           points[3] * weights[3];
}

}  // namespace

template <typename T>
void curve_CatmullRomSpline<T>::SetMode(int32_t mode)
{
    mode_ = mode;
    this->changed_ = true;
}

template <typename T>
void curve_CatmullRomSpline<T>::SetClosingSpan(float span)
{
    closingSpan_ = span;
    this->changed_ = true;
}

template <typename T>
float curve_CatmullRomSpline<T>::GetClosingSpan() const
{
    return mode_ == kCurveClosed ? closingSpan_ : 0.0f;
}

template <typename T>
float curve_CatmullRomSpline<T>::Period() const
{
    return this->knots_.back() + closingSpan_;
}

template <typename T>
T curve_CatmullRomSpline<T>::GetControlPointExtended(int32_t i) const
{
    const std::vector<T>& points = this->points_;
    const int32_t count = static_cast<int32_t>(points.size());
    if (count == 0) {
        return T{};
    }
    const int32_t last = count - 1;
    if (i >= 0 && i <= last) {
        return points[i];
    }
    if (mode_ == kCurveClosed) {
        int32_t remainder = 0;
        int32_t quotient = 0;
        DivideFloor(i, count, remainder, quotient);
        return points[remainder];
    }
    // A single point has no span to extend along.
    if (count == 1) {
        return points[0];
    }
    if (i < 0) {
        return points[0] + (points[1] - points[0]) * static_cast<float>(i);
    }
    return points[last] + (points[last] - points[last - 1]) * static_cast<float>(i - last);
}

template <typename T>
float curve_CatmullRomSpline<T>::GetKnotExtended(int32_t i) const
{
    const std::vector<float>& knots = this->knots_;
    const int32_t count = static_cast<int32_t>(knots.size());
    if (count == 0) {
        return 0.0f;
    }
    const int32_t last = count - 1;
    if (i >= 0 && i <= last) {
        return knots[i];
    }
    if (mode_ == kCurveClosed) {
        int32_t remainder = 0;
        int32_t quotient = 0;
        DivideFloor(i, count, remainder, quotient);
        return knots[remainder] + static_cast<float>(quotient) * Period();
    }
    if (count == 1) {
        return knots[0];
    }
    if (i < 0) {
        return knots[0] + static_cast<float>(i) * (knots[1] - knots[0]);
    }
    return knots[last] + static_cast<float>(i - last) * (knots[last] - knots[last - 1]);
}

template <typename T>
typename curve_CatmullRomSpline<T>::Segment curve_CatmullRomSpline<T>::LocateSegment(float t) const
{
    const std::vector<float>& knots = this->knots_;
    if (mode_ == kCurveClamped) {
        t = std::clamp(t, knots.front(), knots.back());
    } else if (mode_ == kCurveClosed) {
        // The extended knots cover one period around the stored ones; a parameter
        // further out is brought back by whole periods so the curve repeats instead
        // of running off along the end segments' cubics.
        const float period = Period();
        if (period > 0.0f && std::isfinite(t) && (t <= knots.back() - period || t > knots.front() + period)) {
            t = knots.front() + std::fmod(t - knots.front(), period);
            if (t < knots.front()) {
                t += period;
            }
        }
    }
    const int32_t index = this->FindSegment(t);
    const float k0 = GetKnotExtended(index - 1);
    const float k1 = GetKnotExtended(index);
    Segment segment;
    segment.span = k1 - k0;
    // Two control points on the same knot leave no span to divide by: the segment
    // collapses to its start point.
    segment.u = segment.span != 0.0f ? (t - k0) / segment.span : 0.0f;
    for (int32_t j = 0; j < 4; ++j) {
        segment.points[j] = GetControlPointExtended(index - 2 + j);
    }
    return segment;
}

template <typename T>
void curve_CatmullRomSpline<T>::Evaluate(T& out, float t) const
{
    const std::vector<T>& points = this->points_;
    if (points.size() < 2) {
        out = points.empty() ? T{} : points[0];
        return;
    }
    const Segment s = LocateSegment(t);
    const float u = s.u;
    out = Combine(s.points, {((2.0f - u) * u - 1.0f) * u / 2.0f,
                             ((3.0f * u - 5.0f) * u * u + 2.0f) / 2.0f,
                             ((4.0f - 3.0f * u) * u + 1.0f) * u / 2.0f,
                             (u - 1.0f) * u * u / 2.0f});
}

template <typename T>
void curve_CatmullRomSpline<T>::GetTangent(T& out, float t) const
{
    if (this->points_.size() < 2) {
        out = T{};
        return;
    }
    const Segment s = LocateSegment(t);
    if (s.span == 0.0f) {
        out = T{};
        return;
    }
    const float u = s.u;
    out = Combine(s.points, {(2.0f - 1.5f * u) * u - 0.5f,
                             (4.5f * u - 5.0f) * u,
                             (4.0f - 4.5f * u) * u + 0.5f,
                             1.5f * u * u - u}) /
          s.span;
}

template <typename T>
void curve_CatmullRomSpline<T>::GetSecondDerivative(T& out, float t) const
{
    if (this->points_.size() < 2) {
        out = T{};
        return;
    }
    const Segment s = LocateSegment(t);
    if (s.span == 0.0f) {
        out = T{};
        return;
    }
    const float u = s.u;
    out = Combine(s.points, {2.0f - 3.0f * u, 9.0f * u - 5.0f, 4.0f - 9.0f * u, 3.0f * u - 1.0f}) /
          (s.span * s.span);
}

template <typename T>
bool curve_CatmullRomSpline<T>::IsEnd(float t) const
{
    return mode_ != kCurveClosed && curve<T>::IsEnd(t);
}

template class curve_CatmullRomSpline<vec2>;
