// NewLevelObject: the factory of the level classes, type ids 101-130. The level
// screen asks it for what the framework's factory does not make (level objects are
// never registered with RegisterObjectType, so the menu, map and other scene
// screens never make them); the level tool and tests hand it to cLevelFile.
#pragma once
#include <cstdint>
#include <memory>

class cObject;
class cObjectOwner;

// A new level object of the type for the owner; null for 103, 105 and 116 (no level
// file makes them), for ids outside 101-130 and for classes not built yet.
std::unique_ptr<cObject> NewLevelObject(int32_t typeId, cObjectOwner* owner);
