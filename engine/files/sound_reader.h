// The readers that load a sound file into the audio layer for the sound manager:
// a whole decoded sample, a tracker module, or a stream that decodes as it plays.
#pragma once
#include <cstdint>

#include "engine/files/path_record.h"
#include "port/audio/audio_types.h"
#include "port/audio/sound_file_reader.h"

namespace vrk {

// Results of the three readers.
enum SoundReadResult : int {
    kSoundReadOk = 0,
    kSoundCannotOpen = 2,   // the file cannot be opened
    kSoundEmpty = 3,        // the file holds no bytes
    kSoundDataRefused = 4,  // the audio layer refused the data (or there is no sound manager)
};

// Playbacks of one sample that may sound at once.
constexpr int32_t kMinSamplePlaybacks = 1;
constexpr int32_t kMaxSamplePlaybacks = 20;

struct SampleRecord {
    port::SampleHandle handle = port::kNoSample;  // out
    int32_t maxPlaybacks = kMinSamplePlaybacks;   // in; clamped to 1..20
};

struct MusicRecord {
    port::ChannelHandle handle = port::kNoChannel;
};

struct StreamRecord {
    port::ChannelHandle handle = port::kNoChannel;
    // The file the stream decodes from; its later owner keeps it as long as the stream.
    port::AudioBytes bytes;
};

int ReadSoundBuffer(SampleRecord& record, const PathRecord& path);
// Only tracker modules are accepted.
int ReadMusicBuffer(MusicRecord& record, const PathRecord& path);
int ReadStreamBuffer(StreamRecord& record, const PathRecord& path);

}  // namespace vrk
