// The level writer: the frame of a level stream and one entry per object (type id,
// object id, then the object's own record through cObject::Save). Screens and the
// level tool write levels through it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {
class cByteStream;
}

class cObject;

// Empties the stream and writes the level: version, name, last object id, the
// number of objects and their entries in the order given (layer 0 first, list
// order within a layer). Null entries are skipped and not counted.
void WriteLevel(vrk::cByteStream& stream, uint32_t version, const std::string& name, uint32_t lastObjectId,
                const std::vector<cObject*>& objects);
