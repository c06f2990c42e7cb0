// EditorOnlyHitTest: picking an editor-only object by its current frame.
#include "objects/editor_hit_test.h"

#include "framework/objects/object.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"

int32_t EditorOnlyHitTest(const cObject& object, const vec2& point)
{
    const cObjectOwner* owner = object.GetOwner();
    if (owner == nullptr || !owner->IsEditorMode()) return 0;
    if (object.GetAnimation() == nullptr) return 0;
    Rect rect;
    object.GetFrameRect(rect, -1);
    return IsPointInRect(rect, point) ? 1 : 0;
}
