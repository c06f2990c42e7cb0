// The "middle.dat" layout of a player's progress.
#include "framework/app/player_progress.h"

#include <type_traits>

#include "engine/files/byte_stream.h"
#include "framework/app/profile_reader.h"

namespace {

constexpr size_t kValueBytes = 4;

void WriteValue(vrk::cByteStream& stream, float value) { stream.WriteFloat(value); }
void WriteValue(vrk::cByteStream& stream, uint32_t value) { stream.WriteInt32(value); }

template <typename T>
T ReadValue(ProfileReader& reader)
{
    if constexpr (std::is_same_v<T, float>)
        return reader.ReadFloat();
    else
        return reader.ReadInt32();
}

template <typename T>
void WriteVector(vrk::cByteStream& stream, const std::vector<T>& values)
{
    stream.WriteInt32(static_cast<uint32_t>(values.size()));
    for (T value : values) WriteValue(stream, value);
}

// The vector keeps its size whatever the file holds.
template <typename T>
bool ReadVector(ProfileReader& reader, std::vector<T>& values)
{
    uint32_t count = 0;
    if (!reader.ReadCount(count, kValueBytes)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const T value = ReadValue<T>(reader);
        if (i < values.size()) values[i] = value;
    }
    return true;
}

bool ReadLevelRecords(ProfileReader& reader, std::vector<PlayerLevelRecord>& records)
{
    uint32_t count = 0;
    if (!reader.ReadCount(count, PlayerLevelRecord::kMinStoredBytes)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        PlayerLevelRecord dropped;
        PlayerLevelRecord& target = i < records.size() ? records[i] : dropped;
        if (!target.Read(reader)) return false;
    }
    return true;
}

}  // namespace

void WritePlayerFile(vrk::cByteStream& stream, const std::string& name, const PlayerProgress& progress)
{
    stream.WriteString(name);
    stream.WriteInt32(progress.spareValue);
    stream.WriteByte(progress.hintsEnabled ? 1 : 0);
    stream.WriteInt32(progress.totalScore);
    WriteVector(stream, progress.achievementProgress);
    WriteVector(stream, progress.nameValues);
    stream.WriteInt32(static_cast<uint32_t>(progress.levelRecords.size()));
    for (const PlayerLevelRecord& record : progress.levelRecords) record.Write(stream);
    stream.WriteInt32(progress.currentLevel);
    WriteVector(stream, progress.achievementNewFlags);
}

bool ReadPlayerFile(ProfileReader& reader, std::string& name, PlayerProgress& progress)
{
    if (!reader.ReadString(name)) return false;
    progress.spareValue = reader.ReadInt32();
    progress.hintsEnabled = reader.ReadByte() != 0;
    progress.totalScore = reader.ReadInt32();
    if (!ReadVector(reader, progress.achievementProgress)) return false;
    if (!ReadVector(reader, progress.nameValues)) return false;
    if (!ReadLevelRecords(reader, progress.levelRecords)) return false;
    progress.currentLevel = reader.ReadInt32();
    return ReadVector(reader, progress.achievementNewFlags);
}
