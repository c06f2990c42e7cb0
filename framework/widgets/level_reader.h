// The level reader: the frame of a level stream (version, level name, last object
// id, object count) and its object entries (type id, object id, the object's own
// record). Screens and the level tool read levels through it, each building the
// scene in its own way.
#pragma once
#include <cstdint>
#include <string>

namespace vrk {
class cByteStream;
}

class cObject;

// What the reader builds a scene into.
class LevelSceneBuilder {
public:
    virtual ~LevelSceneBuilder() = default;
    // Gets the level name before any object exists.
    virtual void InitLevel(const std::string& name) = 0;
    virtual void SetLastObjectId(uint32_t id) = 0;
    // Makes the object of the type, puts it into its layer and gives it the id (0: a
    // new one). Null for a type nobody knows.
    virtual cObject* CreateObject(int32_t typeId, uint32_t id) = 0;
};

// Reads from the start of the stream (its cursor is set back to 0); the cursor ends
// after the last entry read, where a screen's own tail may follow. True when every
// entry loaded; false when an unknown type or a refused record stopped the object
// section (the objects made so far stay in the scene). The version read goes to
// *version when given.
bool ReadLevel(vrk::cByteStream& stream, LevelSceneBuilder& scene, uint32_t* version = nullptr);

// Sets the stream's read cursor back to its first byte.
void RewindStream(vrk::cByteStream& stream);
