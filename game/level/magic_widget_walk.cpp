// cMagicWidget: walks on the level's grid. Planning a walker's walk to a target,
// the cell path between two cells, the point where a walker stops by a target, and
// the marks of what the home can reach.
#include <array>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
#include "framework/objects/small_math.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/source.h"
#include "objects/worker.h"

namespace {

// The kinds whose reach from the home is marked.
constexpr std::array<int32_t, 14> kReachKinds{kTypeBuild,  kTypePlant,   kTypeAltar,  kTypeBarrier, kTypeSource,
                                              kTypeField,  kTypeItem,    kTypeTower,  kTypePrison,  kTypeBonfire,
                                              kTypeTunnelBuild, kTypeGoblin, kTypeSkeleton, kTypeSkeletonWizard};
// Any real distance on a level is shorter.
constexpr float kFarAway = 100000.0f;
constexpr float kTiny = 1.1920929e-7f;

enum ReachMode : int32_t {
    kReachUnmarked = 1,
    kReachMarked = 2,
    kReachAll = 3,
};

// A nugget or a tree is no place to walk on from: it does not stand in the way
// of anything when it goes.
bool IsReachStart(cGameObject* object)
{
    if (!object->IsReachable() || object->IsKindOf(kTypeBarrier)) return false;
    if (const auto* source = dynamic_cast<const cSource*>(object)) {
        if (source->GetKind() == cSource::kKindNugget || source->GetKind() == cSource::kKindTree) return false;
    }
    return true;
}

}  // namespace

bool cMagicWidget::SendWorker(cMan* walker, cGameObject* target, int32_t kind)
{
    if (walker == nullptr || target == nullptr) return false;
    std::vector<vec2> linked;
    target->GetLinkedPoints(linked);
    if (linked.empty()) return false;
    vec2 goal = linked.front();
    if (auto* worker = dynamic_cast<cWorker*>(walker); worker != nullptr && walker->IsKindOf(kTypeWorker)) {
        worker->SetRoute(linked);
        goal = worker->GetRoutePoint();
    }
    std::vector<vec2> points;
    if (!PlanWalk(walker, target, goal, points)) return false;
    walker->WalkPath(points, target, kind);
    return true;
}

bool cMagicWidget::CanWalkTo(cMan* walker, cGameObject* target)
{
    if (walker == nullptr || target == nullptr) return false;
    std::vector<vec2> linked;
    target->GetLinkedPoints(linked);
    if (linked.empty()) return false;
    std::vector<vec2> points;
    return PlanWalk(walker, target, linked.front(), points);
}

bool cMagicWidget::PlanWalk(cMan* walker, cGameObject* target, const vec2& goal, std::vector<vec2>& points)
{
    auto* homeBase = static_cast<cGameObject*>(home);
    GridCell start = ObjectToCell(walker);
    // A walker inside the home comes out at the home's first route point.
    const bool fromHome = homeBase != nullptr && IsCellOnObject(homeBase, start);
    if (fromHome) {
        std::vector<vec2> door;
        homeBase->GetLinkedPoints(door);
        if (!door.empty()) start = PointToCell(door.front());
    }

    std::vector<GridCell> cells;
    if (!FindCellPath(cells, start, PointToCell(goal))) return false;
    points.clear();
    CellsToPoints(cells, points);
    if (points.empty()) return false;
    if (points.size() < 2 || target->GetRadius() <= 0.0f) {
        points.back() = goal;
    } else {
        points.back() = GetStopPoint(target, points[points.size() - 2]);
    }
    if (fromHome) {
        points.insert(points.begin(), walker->GetPosition());
    } else if (target == homeBase) {
        points.push_back(homeBase->GetPosition());
    }
    points.front() = walker->GetPosition();
    return true;
}

bool cMagicWidget::FindCellPath(std::vector<GridCell>& cells, const GridCell& start, const GridCell& goal)
{
    const auto inside = [this](const GridCell& cell) {
        return cell.x >= 0 && cell.y >= 0 && cell.x < GetGridWidth() && cell.y < GetGridHeight();
    };
    if (!inside(start) || !inside(goal)) return false;
    return SearchGrid(start, goal, true, cells);
}

vec2 cMagicWidget::GetStopPoint(cGameObject* target, const vec2& from)
{
    if (target == nullptr) return from;
    const vec2 position = target->GetPosition();
    const float radius = target->GetRadius();
    if (radius <= 0.0f) return position;

    vec2 origin;
    vec2 axisX;
    vec2 axisY;
    GetGridBasis(origin, axisX, axisY);
    const GridCell cell = ObjectToCell(target);
    struct Candidate {
        vec2 point;
        GridCell cell;
    };
    const std::array<Candidate, 4> candidates{{
        {position + axisX * radius, {cell.x + 1, cell.y}},
        {position + axisY * radius, {cell.x, cell.y + 1}},
        {position - axisX * radius, {cell.x - 1, cell.y}},
        {position - axisY * radius, {cell.x, cell.y - 1}},
    }};

    vec2 toward = from - position;
    if (toward.Length() < kTiny) {
        toward = vec2{0.0f, 0.0f};
    } else {
        Normalize(toward);
    }
    const vec2 aim = position + toward * radius;

    vec2 best = position;
    float bestDistance = kFarAway;
    for (const Candidate& candidate : candidates) {
        // Blocked cells answer -2, cells outside the grid or impassable -1.
        if (GetCellCost(candidate.cell.x, candidate.cell.y) < 0) continue;
        const float distance = (candidate.point - aim).Length();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate.point;
        }
    }
    return best;
}

void cMagicWidget::UpdateReachability(int32_t mode)
{
    auto* homeBase = static_cast<cGameObject*>(home);
    if (homeBase == nullptr) return;
    std::vector<cGameObject*> objects;
    for (const ObjectList& layer : layers_) {
        for (cObject* object : layer) {
            if (object == homeBase) continue;
            for (int32_t kind : kReachKinds) {
                if (!object->IsKindOf(kind)) continue;
                if (auto* gameObject = dynamic_cast<cGameObject*>(object)) objects.push_back(gameObject);
                break;
            }
        }
    }
    for (cGameObject* object : objects) {
        if (mode == kReachUnmarked && object->IsReachable()) continue;
        if (mode == kReachMarked && !object->IsReachable()) continue;
        cGameObject* from = homeBase;
        if (mode == kReachUnmarked) {
            // A freed zone opens the way from whatever already reaches it, which is
            // usually nearer than the home.
            float nearest = kFarAway;
            for (cGameObject* other : objects) {
                if (other == object || !IsReachStart(other)) continue;
                const float distance = (other->GetPosition() - object->GetPosition()).Length();
                if (distance < nearest) {
                    nearest = distance;
                    from = other;
                }
            }
        }
        std::vector<vec2> path;
        object->SetReachable(FindPath(path, from, object, false));
    }
}
