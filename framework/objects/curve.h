// curve<T>: control points at ascending parameter values (knots) with the lookup of
// the segment a parameter falls in. The base answers a step curve; the splines
// derived from it interpolate. Instantiated for vec2.
#pragma once
#include <cstdint>
#include <vector>

#include "framework/objects/vec2.h"

template <typename T>
class curve {
public:
    curve() = default;
    virtual ~curve() = default;
    curve(const curve&) = default;
    curve& operator=(const curve&) = default;

    // Inserts point at parameter t, keeping the knots ascending; answers its index.
    // A parameter that is not a finite number is refused with -1.
    virtual int32_t AddPoint(const T& point, float t);
    // An index outside the curve changes nothing.
    virtual void RemovePoint(int32_t i);
    virtual void Clear();
    // The control point of the segment of t; beyond the last knot, the last point.
    // An empty curve answers the zero value.
    virtual void Evaluate(T& out, float t) const;
    virtual void GetTangent(T& out, float t) const;
    virtual void GetSecondDerivative(T& out, float t) const;
    virtual bool IsEnd(float t) const;

    // The index of the first knot not below t (knot[i - 1] < t <= knot[i]): 0 at or
    // before the first knot, the knot count beyond the last.
    int32_t FindSegment(float t) const;

    int32_t GetPointCount() const { return static_cast<int32_t>(points_.size()); }
    const std::vector<float>& GetKnots() const { return knots_; }
    const std::vector<T>& GetPoints() const { return points_; }
    // Set by every change of the curve; users clear it once they have caught up.
    bool IsChanged() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }

protected:
    std::vector<float> knots_;
    std::vector<T> points_;
    // The last segment found: parameters usually advance a little per call, so the
    // same or the next segment is tried before a bisection.
    mutable int32_t cachedSegment_ = -1;
    bool changed_ = false;

private:
    bool IsInSegment(int32_t segment, float t) const;
};

// The intermediate spline level; it adds nothing of its own.
template <typename T>
class curve_Spline : public curve<T> {};

extern template class curve<vec2>;
extern template class curve_Spline<vec2>;
