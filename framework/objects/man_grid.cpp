// cMan's tests against the level's path grid: stepping off a cell that got blocked
// under the walker, and asking for a new path when the cell ahead gets blocked.
#include <cmath>

#include "framework/objects/man.h"
#include "framework/objects/object_owner.h"

namespace {
// The look-ahead walks the leg in steps of a tenth of the cell diagonal.
constexpr float kLookAheadDivisor = 10.0f;
// Bounds the look-ahead on a leg of absurd length; real legs cross a few dozen
// cells at most.
constexpr int32_t kMaxLookAheadSteps = 4096;
constexpr GridCell kNoCell{-1, -1};

// Counts a countdown down; true (and back to the start) once it reaches 0.
bool CountDown(int32_t& countdown, int32_t start)
{
    if (--countdown > 0) return false;
    countdown = start;
    return true;
}
}  // namespace

bool cMan::IsCellImpassable(const GridCell& cell) const
{
    return owner_ != nullptr && owner_->GetCellCostAt(cell) < 0;
}

bool cMan::IsCellOnTarget(const GridCell& cell) const
{
    if (target_ == nullptr || owner_ == nullptr) return false;
    GridCell first;
    GridCell last;
    if (!owner_->GetObjectCells(target_, first, last)) return false;
    return first.x <= cell.x && cell.x <= last.x && first.y <= cell.y && cell.y <= last.y;
}

void cMan::LeaveBlockedCell()
{
    if (owner_ == nullptr || escape_ != 0) return;
    // A walker heading into an interactive object crosses its blocked footprint.
    if (GetState() == kStateWalking && target_ != nullptr && target_->IsInteractive()) return;
    if (!CountDown(blockedCountdown_, kCellTestTicks)) return;

    const GridCell cell = owner_->ObjectToCell(this);
    if (!IsCellImpassable(cell)) return;
    if (IsCellOnTarget(cell)) return;
    const GridCell freeCell = owner_->NearestFreeCellOf(this);
    if (freeCell == kNoCell) return;
    std::vector<vec2> points;
    if (!owner_->FindPathToPoint(points, this, freeCell.x, freeCell.y, true)) {
        points = {GetPosition(), owner_->CellToPoint(freeCell)};
    }
    escape_ = 1;
    WalkPath(points, nullptr, 0);
}

void cMan::CheckPathAhead()
{
    if (owner_ == nullptr || escape_ != 0) return;
    if (!CountDown(lookAheadCountdown_, kCellTestTicks)) return;

    const GridCell own = owner_->ObjectToCell(this);
    if (IsCellImpassable(own)) return;  // LeaveBlockedCell deals with it

    const vec2 from = mover_.current;
    const vec2 toTarget = mover_.target - from;
    const float length = toTarget.Length();
    const float step = owner_->GetCellSize().Length() / kLookAheadDivisor;
    if (!(length > 0.0f) || !(step > 0.0f) || !std::isfinite(step)) return;
    const vec2 direction = toTarget / length;

    GridCell ahead = own;
    float advanced = 0.0f;
    for (int32_t i = 0; ahead == own; ++i) {
        advanced += step;
        // The leg ends in this cell.
        if (advanced >= length || i >= kMaxLookAheadSteps) return;
        ahead = owner_->PointToCell(from + direction * advanced);
    }
    if (ahead == kNoCell || !IsCellImpassable(ahead)) return;
    if (target_ == nullptr || IsCellOnTarget(ahead)) return;

    if (!owner_->SendWorker(this, target_, targetKind_)) {
        SetTarget(nullptr, 0);
        SetState(kStateNone);
    }
}
