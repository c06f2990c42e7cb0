// ShotRecord: the making and the flight of cannonballs and shells.
#include "objects/shot_record.h"

#include "framework/objects/object.h"
#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

ShotRecord MakeShot(const vec2& from, cObject* target)
{
    ShotRecord shot;
    shot.target = target;
    shot.start = from;
    shot.current = from;
    shot.end = target != nullptr ? target->GetPosition() : from;
    const float duration = (shot.end - from).Length() / shot.speed;
    shot.duration = duration < kTimedSnapDuration ? 0.0f : duration;
    return shot;
}

void MoveShots(std::vector<ShotRecord>& shots, const std::function<void(cObject*)>& hit)
{
    for (size_t index = 0; index < shots.size();) {
        ShotRecord& shot = shots[index];
        shot.elapsed += cObject::kTickSeconds;
        if (shot.elapsed < shot.duration) {
            shot.current = shot.start + (shot.end - shot.start) * (shot.elapsed / shot.duration);
            ++index;
            continue;
        }
        shot.current = shot.end;
        cObject* target = shot.target;
        shots.erase(shots.begin() + static_cast<std::ptrdiff_t>(index));
        // The record is gone before the hit, so a hit that fires again cannot touch it.
        if (!cEnemy::HasGone(target)) hit(target);
    }
}
