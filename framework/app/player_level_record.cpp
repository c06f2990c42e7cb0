// PlayerLevelRecord: its stored form.
#include "framework/app/player_level_record.h"

#include <cmath>

#include "engine/files/byte_stream.h"
#include "framework/app/profile_reader.h"

namespace {

constexpr size_t kListEntryBytes = 4;

void WriteList(vrk::cByteStream& stream, const std::vector<uint32_t>& list)
{
    stream.WriteInt32(static_cast<uint32_t>(list.size()));
    for (uint32_t value : list) stream.WriteInt32(value);
}

bool ReadList(ProfileReader& reader, std::vector<uint32_t>& list)
{
    uint32_t count = 0;
    const bool fits = reader.ReadCount(count, kListEntryBytes);
    list.resize(count);
    for (uint32_t& value : list) value = reader.ReadInt32();
    return fits;
}

}  // namespace

float PlayerLevelRecord::ClampTime(float seconds)
{
    if (!std::isfinite(seconds) || seconds < 0.0f) return 0.0f;
    return seconds < kLongestTime ? seconds : kLongestTime;
}

void PlayerLevelRecord::Write(vrk::cByteStream& stream) const
{
    stream.WriteInt32(state);
    stream.WriteInt32(plays);
    stream.WriteFloat(lastTime);
    stream.WriteFloat(bestTime);
    stream.WriteInt32(lastScore);
    stream.WriteInt32(bestScore);
    stream.WriteInt32(totalScore);
    WriteList(stream, firstList);
    WriteList(stream, secondList);
}

bool PlayerLevelRecord::Read(ProfileReader& reader)
{
    state = reader.ReadInt32();
    plays = reader.ReadInt32();
    // The map turns these into whole minutes and seconds on every hover.
    lastTime = ClampTime(reader.ReadFloat());
    bestTime = ClampTime(reader.ReadFloat());
    lastScore = reader.ReadInt32();
    bestScore = reader.ReadInt32();
    totalScore = reader.ReadInt32();
    return ReadList(reader, firstList) && ReadList(reader, secondList);
}
