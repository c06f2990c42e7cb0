// Handles, error numbers and fixed values shared by every part of the audio layer.
// The engine stores handles as plain 32-bit numbers; 0 always means "none".
#pragma once
#include <cstddef>
#include <cstdint>

namespace port {

// A decoded sample that channels are made from.
using SampleHandle = uint32_t;
// Anything that plays: a playback of a sample, a stream or a tracker module.
using ChannelHandle = uint32_t;

inline constexpr SampleHandle kNoSample = 0;
inline constexpr ChannelHandle kNoChannel = 0;

// The mix runs at one fixed rate and layout; every source is converted to it.
inline constexpr int32_t kMixRate = 44100;
inline constexpr int32_t kMixChannels = 2;
// Frames per device buffer: small enough that a click sounds with the press.
inline constexpr int32_t kDeviceBufferFrames = 512;

// Group volumes run from silent (0) to full (kFullGroupVolume).
inline constexpr int32_t kFullGroupVolume = 10000;

// Numbers the layer reports through AudioSystem::LastError(). They are ours, logged
// as numbers by the engine, so their values never change.
enum class AudioError : int32_t {
    kNone = 0,
    kNoDriver = 1,      // the platform's audio subsystem could not start
    kNoDevice = 2,      // no output device could be opened
    kAlreadyOpen = 3,   // Open while the output is open
    kNotOpen = 4,       // the call needs an open output
    kPaused = 5,        // the output is paused: nothing can be started
    kBadHandle = 6,     // the handle names nothing (or something of another kind)
    kBadData = 7,       // the decoders refused the data
    kBadValue = 8,      // an argument is out of its range
    kNotAvailable = 9,  // the call does not apply to this kind of channel
};

// Volume groups; a channel belongs to the group of what it plays.
enum class AudioGroup : int32_t {
    kSample = 0,  // playbacks of samples (interface and game sounds)
    kStream = 1,  // streams decoded from compressed files
    kMusic = 2,   // tracker modules
};
inline constexpr int32_t kAudioGroupCount = 3;

enum class ChannelState : int32_t {
    kStopped = 0,  // never started, stopped, ended, or the handle is gone
    kPlaying = 1,
};

enum class ChannelAttribute : int32_t {
    kVolume = 0,  // 0..1; a slide to -1 ends at silence and stops the channel
    kPan = 1,     // -1 (left) .. 0 (centre) .. 1 (right)
};
inline constexpr int32_t kChannelAttributeCount = 2;
// The slide target that stops a channel when its volume slide ends.
inline constexpr float kVolumeStopsChannel = -1.0f;

// Positioning data kept for every channel. The mix is plain stereo, so these values
// are only stored and read back. A negative value given to Set3DAttributes keeps
// the value in force.
struct Channel3DAttributes {
    int32_t mode = 0;
    float minDistance = 1.0f;
    float maxDistance = 1000000000.0f;
    int32_t innerAngle = 360;
    int32_t outerAngle = 360;
    float outerVolume = 1.0f;
};

struct SampleInfo {
    int32_t sourceRate = 0;      // rate of the file before conversion to kMixRate
    int32_t sourceChannels = 0;  // channel count of the file
    size_t frames = 0;           // length at kMixRate
    int32_t maxPlaybacks = 1;
    bool is3D = false;           // samples are never loaded for positioned playback
};

struct ModulePosition {
    int32_t order = 0;
    int32_t row = 0;
};

}  // namespace port
