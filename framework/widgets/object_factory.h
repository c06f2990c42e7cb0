// The scene-object factory: type id -> a function that makes an object of that class
// for an owner. The framework's scenery classes are known from the start; classes
// that come later (map points, comic frames) register their ids at start-up. Screens
// and the level tool both create objects through it. The level classes (ids 101-130)
// never register here, or every screen (menu, map, achievements) would make them:
// only the level screen makes them, through its own factory, and a cLevelFile
// through its fallback creator.
#pragma once
#include <cstdint>
#include <memory>

class cObject;
class cObjectOwner;

// Makes a new object of one class for the owner (never null).
using ObjectCreator = std::unique_ptr<cObject> (*)(cObjectOwner* owner);

// Adds or replaces the creator of a type id. Register from start-up code, not from a
// static initialiser: a static library may leave such a file out of the program.
void RegisterObjectType(int32_t typeId, ObjectCreator creator);
// Forgets a type id (tests use it to put the table back as it was).
void UnregisterObjectType(int32_t typeId);
bool IsObjectTypeRegistered(int32_t typeId);
// A new object of the type, constructed with the owner and set up as its class
// asks; null for an id nobody registered.
std::unique_ptr<cObject> CreateObjectOfType(int32_t typeId, cObjectOwner* owner);
