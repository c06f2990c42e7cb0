// FindHintAim: the build icon of a site, else the deepest solid point of a picture,
// found on a sampling grid over the object's frame with a two-pass distance map.
#include "game/level/hint_aim.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "framework/objects/object.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"

namespace {

// The picture is sampled every this many world units: fine enough for the thinnest
// part a hint points at (a walker's body), coarse enough for a hint that follows a
// walker every tick.
constexpr float kSampleStep = 2.0f;
// A frame larger than this many samples a side is sampled more coarsely instead.
constexpr int kMostSamples = 256;
// Steps of the distance map: straight and diagonal neighbours (3 and 4 approximate
// 1 and the square root of 2).
constexpr int kStraightStep = 3;
constexpr int kDiagonalStep = 4;

// A site draws its build icon centred on its place (an upgrade lifts it over the
// picture, but there the building itself is solid to aim at).
bool FindSiteIcon(const cObject& object, vec2& point)
{
    const auto* build = dynamic_cast<const cBuild*>(&object);
    if (build == nullptr || build->GetLevel() != cBuild::kNotBuilt || !build->ShowsBuildIcon()) return false;
    point = object.GetPosition();
    return true;
}

// The samples' distances to the nearest sample off the solid part (the grid's
// outside counts as off it), in kStraightStep units; 0 off the solid part.
class DepthMap {
public:
    DepthMap(int columns, int rows) : columns_(columns), rows_(rows), depth_(static_cast<size_t>(columns * rows), 0) {}

    void SetSolid(int column, int row) { At(column, row) = kFar; }
    int Depth(int column, int row) const { return depth_[Index(column, row)]; }

    void Spread()
    {
        for (int row = 0; row < rows_; ++row) {
            for (int column = 0; column < columns_; ++column) {
                int& depth = At(column, row);
                if (depth == 0) continue;
                depth = std::min({depth, Get(column - 1, row) + kStraightStep, Get(column, row - 1) + kStraightStep,
                                  Get(column - 1, row - 1) + kDiagonalStep, Get(column + 1, row - 1) + kDiagonalStep});
            }
        }
        for (int row = rows_ - 1; row >= 0; --row) {
            for (int column = columns_ - 1; column >= 0; --column) {
                int& depth = At(column, row);
                if (depth == 0) continue;
                depth = std::min({depth, Get(column + 1, row) + kStraightStep, Get(column, row + 1) + kStraightStep,
                                  Get(column + 1, row + 1) + kDiagonalStep, Get(column - 1, row + 1) + kDiagonalStep});
            }
        }
    }

private:
    static constexpr int kFar = std::numeric_limits<int>::max() / 2;

    size_t Index(int column, int row) const { return static_cast<size_t>(row * columns_ + column); }
    int& At(int column, int row) { return depth_[Index(column, row)]; }
    // Outside the grid nothing is solid.
    int Get(int column, int row) const
    {
        if (column < 0 || row < 0 || column >= columns_ || row >= rows_) return 0;
        return depth_[Index(column, row)];
    }

    int columns_;
    int rows_;
    std::vector<int> depth_;
};

}  // namespace

bool FindHintAim(const cObject& object, vec2& point)
{
    if (FindSiteIcon(object, point)) return true;
    Rect frame;
    object.GetFrameRect(frame, -1);
    if (!(frame.width > 0.0f) || !(frame.height > 0.0f)) return false;
    const float step = std::max({kSampleStep, frame.width / kMostSamples, frame.height / kMostSamples});
    const int columns = std::max(static_cast<int>(frame.width / step), 1);
    const int rows = std::max(static_cast<int>(frame.height / step), 1);
    const auto sample = [&](int column, int row) {
        return vec2{frame.x + (static_cast<float>(column) + 0.5f) * step,
                    frame.y + (static_cast<float>(row) + 0.5f) * step};
    };

    DepthMap depths(columns, rows);
    bool anySolid = false;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (object.CoverAt(sample(column, row)) != vrk::kCoverSolid) continue;
            depths.SetSolid(column, row);
            anySolid = true;
        }
    }
    if (!anySolid) return false;
    depths.Spread();

    // The deepest sample; of equally deep ones the nearest the frame's middle.
    const vec2 middle{frame.x + frame.width * 0.5f, frame.y + frame.height * 0.5f};
    int bestDepth = 0;
    float bestDistance = 0.0f;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int depth = depths.Depth(column, row);
            if (depth == 0 || depth < bestDepth) continue;
            const vec2 at = sample(column, row);
            const float distance = (at - middle).Length();
            if (depth > bestDepth || distance < bestDistance) {
                bestDepth = depth;
                bestDistance = distance;
                point = at;
            }
        }
    }
    return true;
}
