// Benchmark: the level screen's path requests on a full level grid (the 1024 x 768
// area's 22 x 16 cells, and a level four times as large): object to object with and
// without straightening, and the random walks of the critters.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/objects/app_services.h"
#include "framework/objects/game_object.h"
#include "framework/objects/random_gen.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr uint32_t kSeed = 4242u;
// About one cell in seven is blocked by an object, one in five is rough ground.
constexpr int32_t kBlockedOneIn = 7;
constexpr int32_t kRoughOneIn = 5;

class BenchServices : public cAppServices {
public:
    BenchServices() { SetAppServices(this); }
    ~BenchServices() override { SetAppServices(nullptr); }
    SpriteInfo GetSpriteInfoEx(const std::string& /*name*/) override { return SpriteInfo{}; }
    RandomGen& GetRandomGen() override { return random; }
    int32_t GetResourceCount() override { return 4; }
    void DrawSystemText(const std::string& /*text*/, float /*x*/, float /*y*/) override {}
    vrk::VertexBatch* GetPrimitiveBatch() override { return nullptr; }
    RandomGen random{kSeed};
};

// A level of the given area with scattered objects and rough ground; the two corner
// cells stay free.
void BuildLevel(cLevelWidget& level, float width, float height)
{
    level.SetLevelSize(width, height);
    RandomGen random{kSeed};
    for (int32_t x = 0; x < level.GetGridWidth(); ++x) {
        for (int32_t y = 0; y < level.GetGridHeight(); ++y) {
            if (random.Next(kRoughOneIn - 1) == 0) level.SetCellCost(x, y, 1);
            if (random.Next(kBlockedOneIn - 1) == 0) level.SetCellBlocked(x, y, true);
        }
    }
    level.SetCellBlocked(0, 0, false);
    level.SetCellBlocked(level.GetGridWidth() - 1, level.GetGridHeight() - 1, false);
    level.LinkObjects();
}

void PathAcross(benchmark::State& state)
{
    BenchServices services;
    cLevelWidget level;
    const float scale = static_cast<float>(state.range(0));
    BuildLevel(level, 1024.0f * scale, 768.0f * scale);
    cGameObject from(&level);
    cGameObject to(&level);
    const vec2 a = level.CellToPoint(GridCell{0, 0});
    const vec2 b = level.CellToPoint(GridCell{level.GetGridWidth() - 1, level.GetGridHeight() - 1});
    from.SetPosition(a.x, a.y);
    to.SetPosition(b.x, b.y);
    const bool smooth = state.range(1) != 0;
    std::vector<vec2> points;
    for (auto _ : state) {
        points.clear();
        benchmark::DoNotOptimize(level.FindPath(points, &from, &to, smooth));
    }
    state.counters["points"] = static_cast<double>(points.size());
}
BENCHMARK(PathAcross)->Args({1, 0})->Args({1, 1})->Args({2, 0})->Args({2, 1});

void RandomWalk(benchmark::State& state)
{
    BenchServices services;
    cLevelWidget level;
    BuildLevel(level, 1024.0f, 768.0f);
    cGameObject walker(&level);
    const vec2 centre = level.CellToPoint(GridCell{level.GetGridWidth() / 2, level.GetGridHeight() / 2});
    walker.SetPosition(centre.x, centre.y);
    std::vector<vec2> points;
    for (auto _ : state) {
        points.clear();
        benchmark::DoNotOptimize(level.PickRandomPoint(points, &walker));
    }
}
BENCHMARK(RandomWalk);

}  // namespace
