// cObject's level record: the fields every scene object reads from and writes to
// the level stream (layer, name, sprite set-up, tag, data, position, angle, scale).
#include <algorithm>

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr size_t kInt32Bytes = 4;
constexpr size_t kLengthBytes = 2;
constexpr int kBitsPerByte = 8;

// Reads through the stream and notes when a field was cut off by the end of the
// data: the stream itself answers zeros there without saying so.
class RecordReader {
public:
    explicit RecordReader(vrk::cByteStream& stream) : stream_(stream) {}

    uint32_t Int32()
    {
        Need(kInt32Bytes);
        return stream_.ReadInt32();
    }
    float Float()
    {
        Need(kInt32Bytes);
        float value = 0.0f;
        stream_.ReadFloat(value);
        return value;
    }
    std::string String()
    {
        if (Need(kLengthBytes)) {
            const auto& bytes = stream_.Bytes();
            const size_t at = stream_.Cursor();
            const auto length = static_cast<int16_t>(static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << kBitsPerByte)));
            if (length > 0) Need(kLengthBytes + static_cast<size_t>(length));
        }
        return stream_.ReadString();
    }
    bool Truncated() const { return truncated_; }

private:
    bool Need(size_t count)
    {
        const size_t size = stream_.Bytes().size();
        const size_t cursor = stream_.Cursor();
        const bool available = cursor <= size && size - cursor >= count;
        if (!available) truncated_ = true;
        return available;
    }

    vrk::cByteStream& stream_;
    bool truncated_ = false;
};

}  // namespace

bool cObject::Load(vrk::cByteStream& stream, uint32_t /*version*/)
{
    RecordReader reader(stream);
    const auto layer = static_cast<int32_t>(reader.Int32());
    if (owner_ != nullptr) {
        owner_->SetObjectLayer(this, layer);
    } else {
        layer_ = std::clamp(layer, 0, kDefaultLayer);
    }
    name_ = reader.String();
    const std::string sprite = reader.String();
    text_ = reader.String();
    linkId_ = static_cast<int32_t>(reader.Int32());
    position_.x = reader.Float();
    position_.y = reader.Float();
    angle_ = reader.Float();
    scale_.x = reader.Float();
    scale_.y = reader.Float();
    // Last, so that a class builds its animations knowing every other field.
    SetSprite(sprite);
    // A record cut short by the end of the data is refused, so the level reader
    // reports it instead of keeping an object made of zeros as if it were whole.
    return !reader.Truncated();
}

bool cObject::Save(vrk::cByteStream& stream)
{
    stream.WriteInt32(static_cast<uint32_t>(layer_));
    stream.WriteString(name_);
    stream.WriteString(sprite_);
    stream.WriteString(text_);
    stream.WriteInt32(static_cast<uint32_t>(linkId_));
    stream.WriteFloat(position_.x);
    stream.WriteFloat(position_.y);
    stream.WriteFloat(angle_);
    stream.WriteFloat(scale_.x);
    stream.WriteFloat(scale_.y);
    return true;
}
