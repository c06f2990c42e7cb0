// FindHintAim: the point of a level object that a tutorial hint's arrow touches, in
// world units. A site waiting to be built shows only a see-through plot and the build
// icon the player clicks, so the arrow goes to the icon; anything else is aimed at
// the point lying deepest inside the solid part of its picture as drawn, where the
// arrow's bobbing tip, a swaying tree or a walker a frame further on still meet it.
#pragma once
#include "framework/objects/vec2.h"

class cObject;

// False when the object's picture has no solid point to aim at (no picture drawn).
bool FindHintAim(const cObject& object, vec2& point);
