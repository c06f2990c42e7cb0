// HoverPick: one object's turn at the point.
#include "framework/widgets/hover_pick.h"

#include <algorithm>

#include "framework/objects/object.h"

void HoverPick::Offer(cObject& candidate, const vec2& point)
{
    const int32_t hit = candidate.HitTest(point);
    if (hit == 0) {
        if (!candidate.HidesPoint(point)) return;
        object_ = nullptr;
        part_ = 0;
        cover_ = vrk::kCoverSolid;
        return;
    }
    // A sub-part (a plant's seat) is an icon drawn over the picture; an object whose
    // hit area reaches past its picture counts there as a tint.
    const vrk::TexelCover cover = hit > 1 ? vrk::kCoverSolid : std::max(candidate.CoverAt(point), vrk::kCoverFaint);
    if (cover == vrk::kCoverFaint && cover_ == vrk::kCoverSolid) return;
    object_ = &candidate;
    part_ = hit;
    cover_ = cover;
}
