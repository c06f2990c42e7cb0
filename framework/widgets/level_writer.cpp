// Writing the level frame and its entries; each object writes its own record.
#include "framework/widgets/level_writer.h"

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"

void WriteLevel(vrk::cByteStream& stream, uint32_t version, const std::string& name, uint32_t lastObjectId,
                const std::vector<cObject*>& objects)
{
    stream = vrk::cByteStream();
    uint32_t count = 0;
    for (const cObject* object : objects) count += object != nullptr ? 1u : 0u;
    stream.WriteInt32(version);
    stream.WriteString(name);
    stream.WriteInt32(lastObjectId);
    stream.WriteInt32(count);
    for (cObject* object : objects) {
        if (object == nullptr) continue;
        stream.WriteInt32(static_cast<uint32_t>(object->GetTypeId()));
        stream.WriteInt32(static_cast<uint32_t>(object->GetId()));
        object->Save(stream);
    }
}
