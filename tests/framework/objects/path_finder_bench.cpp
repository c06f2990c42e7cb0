// Benchmark: A* searches and path straightening on a large level grid. The open list
// is an unsorted vector scanned in full per step, so this shows what a search across
// a whole big level costs.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/objects/path_finder.h"
#include "framework/objects/random_gen.h"

namespace {

constexpr float kGroundCost = 0.7f;
constexpr float kBlocked = -2.0f;
constexpr uint32_t kSeed = 12345u;
// About one cell in six carries an object.
constexpr int32_t kBlockedOneIn = 6;
constexpr int32_t kWallSpacing = 16;
constexpr int32_t kWallColumn = 8;

// A square grid of cost-0.7 ground with scattered blocked cells and walls with gaps,
// so that routes must wind.
void BuildLevel(cPathFinder& finder, int32_t size)
{
    finder.SetSize(size, size);
    RandomGen random;
    random.seed = kSeed;
    for (int32_t y = 0; y < size; ++y) {
        for (int32_t x = 0; x < size; ++x) {
            finder.SetSecondCost(x, y, kGroundCost);
            // Walls on every 16th column with a three-cell gap at a row that moves
            // from wall to wall; the columns beside a wall stay free of objects.
            const int32_t column = x % kWallSpacing;
            const int32_t gapRow = (x * 7) % size;
            const bool wall = column == kWallColumn && (y < gapRow - 1 || y > gapRow + 1);
            const bool nearWall = column >= kWallColumn - 1 && column <= kWallColumn + 1;
            if (wall || (!nearWall && random.Next(kBlockedOneIn - 1) == 0)) {
                finder.GetCell(x, y)->cost = kBlocked;
            }
        }
    }
    finder.GetCell(0, 0)->cost = 0.0f;
    finder.GetCell(size - 1, size - 1)->cost = 0.0f;
}

void BM_FindPathAcrossGrid(benchmark::State& state)
{
    const int32_t size = static_cast<int32_t>(state.range(0));
    cPathFinder finder;
    BuildLevel(finder, size);
    std::vector<GridCell> path;
    for (auto _ : state) {
        const bool found = finder.FindPath(path, {0, 0}, {size - 1, size - 1});
        benchmark::DoNotOptimize(found);
    }
    state.counters["path cells"] = static_cast<double>(path.size());
}
BENCHMARK(BM_FindPathAcrossGrid)->Arg(32)->Arg(64)->Arg(128)->Unit(benchmark::kMillisecond);

void BM_FindAndSmoothPath(benchmark::State& state)
{
    const int32_t size = static_cast<int32_t>(state.range(0));
    cPathFinder finder;
    BuildLevel(finder, size);
    std::vector<GridCell> path;
    for (auto _ : state) {
        if (finder.FindPath(path, {0, 0}, {size - 1, size - 1})) {
            finder.SmoothPath(path);
        }
        benchmark::DoNotOptimize(path.data());
    }
    state.counters["smoothed cells"] = static_cast<double>(path.size());
}
BENCHMARK(BM_FindAndSmoothPath)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
