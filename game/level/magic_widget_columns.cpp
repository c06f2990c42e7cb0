// cMagicWidget: the enemies' columns along the level's way points. A column's head
// walks to a way point, every other member follows the one before it; a member
// that reaches its target hands the target on to its follower, and one back from a
// chase walks behind the tail, never behind one that follows it.
#include <algorithm>
#include <vector>

#include "framework/objects/man.h"
#include "game/level/magic_widget.h"

namespace {

// Any real distance on a level is shorter.
constexpr float kFarAway = 100000.0f;

// The walkers of exactly this type, on every layer in scene order.
std::vector<cMan*> WalkersOfType(cBaseWidget& screen, int32_t typeId)
{
    ObjectList objects;
    screen.FindObjectsOfKind(objects, typeId, -1);
    std::vector<cMan*> walkers;
    for (cObject* object : objects) {
        auto* walker = dynamic_cast<cMan*>(object);
        if (walker != nullptr && walker->GetTypeId() == typeId) walkers.push_back(walker);
    }
    return walkers;
}

// Whether following `tail` would close a ring: its leaders, one after the other,
// come back to the walker. A ring has no head, so nobody in it walks on.
bool LeadsBackTo(cMan* tail, const cMan* walker, size_t columnSize)
{
    cGameObject* step = tail;
    for (size_t i = 0; i <= columnSize && step != nullptr; ++i) {
        if (step == walker) return true;
        auto* leader = dynamic_cast<cMan*>(step);
        if (leader == nullptr || leader->GetTypeId() != walker->GetTypeId()) return false;
        step = leader->GetTarget();
    }
    return false;
}

}  // namespace

void cMagicWidget::LeadColumn(int32_t typeId)
{
    if (wayPoints_.empty()) return;
    const std::vector<cMan*> walkers = WalkersOfType(*this, typeId);
    for (size_t i = 0; i < walkers.size(); ++i) {
        cGameObject* leader = i == 0 ? wayPoints_.front() : walkers[i - 1];
        SendWorker(walkers[i], leader, 0);
    }
}

void cMagicWidget::PassTargetOn(cMan* walker)
{
    if (walker == nullptr) return;
    for (cMan* follower : WalkersOfType(*this, walker->GetTypeId())) {
        if (follower->GetTarget() != walker) continue;
        SendWorker(follower, walker->GetTarget(), 0);
        return;
    }
}

void cMagicWidget::JoinColumn(cMan* walker)
{
    if (walker == nullptr) return;
    const std::vector<cMan*> walkers = WalkersOfType(*this, walker->GetTypeId());
    for (cMan* tail : walkers) {
        if (tail == walker) continue;
        const bool followed = std::any_of(walkers.begin(), walkers.end(),
                                          [tail](const cMan* other) { return other->GetTarget() == tail; });
        if (followed || LeadsBackTo(tail, walker, walkers.size())) continue;
        SendWorker(walker, tail, 0);
        return;
    }
    cGameObject* nearest = nullptr;
    float nearestDistance = kFarAway;
    for (cGameObject* wayPoint : wayPoints_) {
        const float distance = (wayPoint->GetPosition() - walker->GetPosition()).Length();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = wayPoint;
        }
    }
    if (nearest != nullptr) SendWorker(walker, nearest, 0);
}

cGameObject* cMagicWidget::NextEntryAfter(cGameObject* wayPoint)
{
    const auto found = std::find(wayPoints_.begin(), wayPoints_.end(), wayPoint);
    if (found == wayPoints_.end()) return nullptr;
    const auto next = std::next(found);
    return next != wayPoints_.end() ? *next : wayPoints_.front();
}
