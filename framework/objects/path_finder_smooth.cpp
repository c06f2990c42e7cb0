// cPathFinder: the cost of straight walks across the grid and the straightening of
// found paths with it.
#include <algorithm>
#include <cstdlib>

#include "framework/objects/path_finder.h"

namespace {

// Half a cell: the second cell tested on each column or row is the one the segment
// lies nearest to.
constexpr float kHalfCell = 0.5f;

}  // namespace

float cPathFinder::FlatLineCost(const GridCell& a, const GridCell& b) const
{
    // |dx| >= |dy|: one step per column.
    const float slope = static_cast<float>(b.y - a.y) / static_cast<float>(b.x - a.x);
    const float intercept = static_cast<float>(a.y) - static_cast<float>(a.x) * slope;
    float sum = 0.0f;
    for (int32_t x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x) {
        const float y = static_cast<float>(x) * slope + intercept;
        const float low = EffectiveCost(x, static_cast<int32_t>(y));
        const float high = EffectiveCost(x, static_cast<int32_t>(y + kHalfCell));
        if (!(low >= 0.0f) || !(high >= 0.0f)) {
            return kOutsideCost;
        }
        sum += std::max(low, high);
    }
    return sum;
}

float cPathFinder::SteepLineCost(const GridCell& a, const GridCell& b) const
{
    // |dy| > |dx| > 0: one step per row, at the column where the segment crosses it.
    const float slope = static_cast<float>(b.y - a.y) / static_cast<float>(b.x - a.x);
    const float intercept = static_cast<float>(a.y) - slope * static_cast<float>(a.x);
    float sum = 0.0f;
    for (int32_t y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y) {
        const float x = (static_cast<float>(y) - intercept) / slope;
        const float low = EffectiveCost(static_cast<int32_t>(x), y);
        const float high = EffectiveCost(static_cast<int32_t>(x + kHalfCell), y);
        if (!(low >= 0.0f) || !(high >= 0.0f)) {
            return kOutsideCost;
        }
        sum += std::max(low, high);
    }
    return sum;
}

float cPathFinder::LineCost(const GridCell& a, const GridCell& b) const
{
    if (!IsPassable(a.x, a.y) || !IsPassable(b.x, b.y)) {
        return kOutsideCost;
    }
    const int32_t dx = b.x - a.x;
    const int32_t dy = b.y - a.y;
    // A diagonal step may not cut a blocked corner.
    if (std::abs(dx) == 1 && std::abs(dy) == 1 && (!IsPassable(b.x, a.y) || !IsPassable(a.x, b.y))) {
        return kOutsideCost;
    }
    if (std::abs(dx) < 2 && std::abs(dy) < 2) {
        return EffectiveCost(a.x, a.y);
    }
    float sum = 0.0f;
    if (dx == 0 || dy == 0) {
        // Every cell of the column or row between the two ends, both included.
        const int32_t stepX = dx == 0 ? 0 : (dx > 0 ? 1 : -1);
        const int32_t stepY = dy == 0 ? 0 : (dy > 0 ? 1 : -1);
        const int32_t steps = std::max(std::abs(dx), std::abs(dy));
        for (int32_t i = 0; i <= steps; ++i) {
            const float cost = EffectiveCost(a.x + i * stepX, a.y + i * stepY);
            if (!(cost >= 0.0f)) {
                return kOutsideCost;
            }
            sum += cost;
        }
    } else {
        sum = std::abs(dx) >= std::abs(dy) ? FlatLineCost(a, b) : SteepLineCost(a, b);
        if (sum < 0.0f) {
            return kOutsideCost;
        }
    }
    // The start cell counts and the end cell does not, so the costs of two walks
    // that meet at a point add up to the walk through it.
    return sum - EffectiveCost(b.x, b.y);
}

void cPathFinder::SmoothPath(std::vector<GridCell>& cells) const
{
    while (cells.size() > 2) {
        const size_t count = cells.size();
        std::vector<size_t> skippable(count - 2, 0);
        for (size_t i = 0; i + 2 < count; ++i) {
            for (size_t j = i + 1; j + 1 < count; ++j) {
                const float direct = LineCost(cells[i], cells[j + 1]);
                const float toMiddle = LineCost(cells[i], cells[j]);
                const float fromMiddle = LineCost(cells[j], cells[j + 1]);
                if (direct < 0.0f || toMiddle < 0.0f || fromMiddle < 0.0f || toMiddle + fromMiddle < direct) {
                    break;
                }
                ++skippable[i];
            }
        }
        // The first of the largest counts wins.
        const auto best = std::max_element(skippable.begin(), skippable.end());
        if (*best == 0) {
            return;
        }
        const size_t first = static_cast<size_t>(best - skippable.begin()) + 1;
        cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(first),
                    cells.begin() + static_cast<std::ptrdiff_t>(first + *best));
    }
}
