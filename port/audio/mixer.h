// The audio layer's core: the sample table, the channel table, the group volumes,
// the pause state and the mix itself. It knows no device: an output calls Mix from
// its own thread, and tests call it directly. Every operation takes the one lock.
//
// Calls report success by their result (a handle, or true) and leave the reason
// of a failure in LastError() (a successful call clears it; LastError, IsOpen,
// IsPaused and GroupVolume leave it alone). Everything but the group volumes needs the mixer
// to be open (AudioSystem opens it with an output); closing frees every sample,
// stream, module and channel.
#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

#include "port/audio/audio_types.h"
#include "port/audio/channel.h"
#include "port/audio/handle_table.h"
#include "port/audio/sample_playback.h"
#include "port/audio/stream_source.h"

namespace port {

class Mixer {
public:
    Mixer();
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    AudioError LastError() const;
    bool IsOpen() const;

    // Output pause: the mix is silent and nothing moves; Play fails with kPaused.
    bool Pause();
    bool Start();
    bool IsPaused() const;

    // 0..kFullGroupVolume; works with or without an open output.
    bool SetGroupVolume(AudioGroup group, int32_t volume);
    int32_t GroupVolume(AudioGroup group) const;

    // Decodes a whole sound file (WAV, OGG, FLAC, MP3) held in memory. At most
    // `maxPlaybacks` channels of it exist at once (at least 1).
    SampleHandle LoadSample(const void* data, size_t size, int32_t maxPlaybacks);
    bool FreeSample(SampleHandle sample);
    bool GetSampleInfo(SampleHandle sample, SampleInfo& info) const;
    // A new, stopped channel of the sample. When the sample's playbacks are all in
    // use, one is taken over (its handle dies): first one that ended or was stopped,
    // then one never started, then the playback started longest ago.
    ChannelHandle NewSampleChannel(SampleHandle sample);

    // A stream decoding the bytes as it plays; it keeps the bytes alive.
    ChannelHandle LoadStream(AudioBytes bytes);
    // A tracker module; the data is copied.
    ChannelHandle LoadModule(const void* data, size_t size);
    // Frees any channel: a stream, a module or a sample's playback.
    bool FreeChannel(ChannelHandle channel);

    // Starts a stopped channel where it stopped (from the start when it reached its
    // end); a playing channel goes on untouched unless `restart`.
    bool Play(ChannelHandle channel, bool restart = false);
    // Stops and keeps the position.
    bool Stop(ChannelHandle channel);
    ChannelState State(ChannelHandle channel) const;
    bool SetLooping(ChannelHandle channel, bool looping);
    bool IsLooping(ChannelHandle channel) const;

    // Volume 0..1 and pan -1..1; values outside are clamped, NaN and infinity refused.
    bool SetAttribute(ChannelHandle channel, ChannelAttribute attribute, float value);
    bool GetAttribute(ChannelHandle channel, ChannelAttribute attribute, float& value) const;
    // Moves an attribute over a time of mixed output; a new slide of the same
    // attribute replaces the running one; volume target kVolumeStopsChannel stops
    // the channel at the end.
    bool SlideAttribute(ChannelHandle channel, ChannelAttribute attribute, float target, uint32_t milliseconds);
    bool IsSliding(ChannelHandle channel, ChannelAttribute attribute) const;
    bool Set3DAttributes(ChannelHandle channel, const Channel3DAttributes& attributes);
    bool Get3DAttributes(ChannelHandle channel, Channel3DAttributes& attributes) const;

    // Module channels only (kNotAvailable for the others).
    bool GetModulePosition(ChannelHandle channel, ModulePosition& position) const;
    bool SetModulePosition(ChannelHandle channel, ModulePosition position);

    // Writes `frames` interleaved stereo frames at kMixRate into `out`.
    void Mix(float* out, size_t frames);

protected:
    // Used by the output owner: opening starts output unpaused; closing frees all.
    void SetOpen(bool open);
    void SetLastError(AudioError error);

private:
    struct SampleEntry {
        PcmFrames pcm;
        SampleInfo info;
        std::vector<ChannelHandle> channels;  // in the order they were made
    };

    bool Fail(AudioError error) const;
    // Sample and channel handles alike: 0 is "none" for both.
    uint32_t FailHandle(AudioError error) const;
    bool Succeed() const;
    Channel* FindChannel(ChannelHandle channel) const;
    ChannelHandle AddChannel(std::unique_ptr<Channel> channel);
    void ReleaseOldestPlayback(SampleEntry& entry);

    mutable std::mutex mutex_;
    mutable AudioError error_ = AudioError::kNone;
    bool open_ = false;
    bool paused_ = false;
    int32_t groupVolumes_[kAudioGroupCount];
    uint64_t startSequence_ = 0;
    HandleTable<SampleEntry> samples_;
    HandleTable<Channel> channels_;
    std::vector<float> scratch_;
};

}  // namespace port
