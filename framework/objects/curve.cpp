// curve<vec2>: knot bookkeeping, segment lookup and the step-curve answers.
#include "framework/objects/curve.h"

#include <algorithm>
#include <cmath>

template <typename T>
int32_t curve<T>::AddPoint(const T& point, float t)
{
    // A NaN knot would break the ascending order every lookup relies on.
    if (!std::isfinite(t)) {
        return -1;
    }
    const int32_t index = FindSegment(t);
    knots_.insert(knots_.begin() + index, t);
    points_.insert(points_.begin() + index, point);
    changed_ = true;
    return index;
}

template <typename T>
void curve<T>::RemovePoint(int32_t i)
{
    if (i < 0 || i >= GetPointCount()) {
        return;
    }
    knots_.erase(knots_.begin() + i);
    points_.erase(points_.begin() + i);
    changed_ = true;
}

template <typename T>
void curve<T>::Clear()
{
    knots_.clear();
    points_.clear();
    cachedSegment_ = -1;
    changed_ = true;
}

template <typename T>
void curve<T>::Evaluate(T& out, float t) const
{
    if (points_.empty()) {
        out = T{};
        return;
    }
    const int32_t segment = FindSegment(t);
    out = segment < GetPointCount() ? points_[segment] : points_.back();
}

template <typename T>
void curve<T>::GetTangent(T& out, float) const
{
    out = T{};
}

template <typename T>
void curve<T>::GetSecondDerivative(T& out, float) const
{
    out = T{};
}

template <typename T>
bool curve<T>::IsEnd(float t) const
{
    return knots_.empty() || t >= knots_.back();
}

template <typename T>
bool curve<T>::IsInSegment(int32_t segment, float t) const
{
    const int32_t count = static_cast<int32_t>(knots_.size());
    if (segment == 0) {
        return t <= knots_[0];
    }
    if (segment == count) {
        return t > knots_[count - 1];
    }
    return knots_[segment - 1] < t && t <= knots_[segment];
}

template <typename T>
int32_t curve<T>::FindSegment(float t) const
{
    const int32_t count = static_cast<int32_t>(knots_.size());
    if (count == 0) {
        return 0;
    }
    // The cached segment may be stale after points were removed; only a segment of
    // the present curve is tried.
    const int32_t cached = cachedSegment_;
    if (cached >= 0 && cached <= count) {
        if (IsInSegment(cached, t)) {
            return cached;
        }
        if (cached + 1 <= count && IsInSegment(cached + 1, t)) {
            cachedSegment_ = cached + 1;
            return cachedSegment_;
        }
    }
    const auto found = std::lower_bound(knots_.begin(), knots_.end(), t);
    cachedSegment_ = static_cast<int32_t>(found - knots_.begin());
    return cachedSegment_;
}

template class curve<vec2>;
template class curve_Spline<vec2>;
