// Reading the level frame and its entries; each object reads its own record.
#include "framework/widgets/level_reader.h"

#include <utility>

#include "engine/files/byte_stream.h"
#include "engine/log/log.h"
#include "framework/objects/object.h"

namespace {

constexpr const char* kSender = "cBaseWidget::LoadLevel";
// The frame before the first entry: version, name length, last object id and
// object count, then the name's own bytes.
constexpr size_t kInt32Bytes = 4;
constexpr size_t kStringLengthBytes = 2;
constexpr size_t kFrameFixedBytes = 3 * kInt32Bytes + kStringLengthBytes;

}  // namespace

void RewindStream(vrk::cByteStream& stream)
{
    if (stream.Cursor() == 0) return;
    // The stream keeps its cursor to itself: a copy made by writing starts at 0.
    vrk::cByteStream rewound;
    for (const unsigned char byte : stream.Bytes()) rewound.WriteByte(byte);
    stream = std::move(rewound);
}

bool ReadLevel(vrk::cByteStream& stream, LevelSceneBuilder& scene, uint32_t* version)
{
    RewindStream(stream);
    const uint32_t fileVersion = stream.ReadInt32();
    if (version != nullptr) *version = fileVersion;
    const std::string name = stream.ReadString();
    scene.InitLevel(name);
    scene.SetLastObjectId(stream.ReadInt32());
    // A count larger than the data can hold ends at the first entry cut off by the
    // end of the stream (its type reads as 0, or its record is refused), so a
    // hostile count costs no more than the bytes that are there.
    const uint32_t count = stream.ReadInt32();
    // An empty stream is a level not made yet; one that ends inside its frame was
    // cut, and every entry it held is lost with the count.
    const size_t size = stream.Bytes().size();
    if (size > 0 && size < kFrameFixedBytes + name.size()) {
        vrk::LogWrite(kSender, "^5", "Level ends inside its header, after %i bytes: read in part",
                      vrk::FormatArg::FromInt(static_cast<int32_t>(size)));
        return false;
    }
    for (uint32_t entry = 0; entry < count; ++entry) {
        const auto type = static_cast<int32_t>(stream.ReadInt32());
        const uint32_t id = stream.ReadInt32();
        cObject* object = scene.CreateObject(type, id);
        if (object == nullptr) {
            vrk::LogWrite(kSender, "^5", "Invalid object type: %i", vrk::FormatArg::FromInt(type));
            return false;
        }
        if (!object->Load(stream, fileVersion)) {
            vrk::LogWrite(kSender, "^5", "Can't load object. Object type: %i, version: %i",
                          vrk::FormatArg::FromInt(type), vrk::FormatArg::FromInt(static_cast<int32_t>(fileVersion)));
            return false;
        }
    }
    return true;
}
