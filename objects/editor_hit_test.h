// EditorOnlyHitTest: the hit test of level objects that can be picked only in the
// level editor (a lake, an enemy camp): in play they never catch a click.
#pragma once
#include <cstdint>

#include "framework/objects/vec2.h"

class cObject;

// 1 when the object's screen is in editor mode, an animation is shown and the point
// lies strictly inside the current frame's rectangle; 0 otherwise (also without a
// screen).
int32_t EditorOnlyHitTest(const cObject& object, const vec2& point);
