// The mixer core: tables of samples and channels under one lock, and the mix.
#include "port/audio/mixer.h"

#include <algorithm>
#include <cmath>

#include "port/audio/module_source.h"

namespace port {

namespace {

using Lock = std::lock_guard<std::mutex>;

constexpr uint32_t kMillisecondsPerSecond = 1000;

bool ValidGroup(AudioGroup group)
{
    const auto index = static_cast<int32_t>(group);
    return index >= 0 && index < kAudioGroupCount;
}

bool ValidAttribute(ChannelAttribute attribute)
{
    const auto index = static_cast<int32_t>(attribute);
    return index >= 0 && index < kChannelAttributeCount;
}

// Ranks a playback for take-over: lower is taken first.
int TakeOverRank(const Channel& channel)
{
    if (channel.Playing())
        return 2;
    return channel.EverStarted() ? 0 : 1;
}

}  // namespace

Mixer::Mixer()
{
    std::fill(std::begin(groupVolumes_), std::end(groupVolumes_), kFullGroupVolume);
}

Mixer::~Mixer() = default;

bool Mixer::Fail(AudioError error) const
{
    error_ = error;
    return false;
}

uint32_t Mixer::FailHandle(AudioError error) const
{
    error_ = error;
    return 0;
}

bool Mixer::Succeed() const
{
    error_ = AudioError::kNone;
    return true;
}

AudioError Mixer::LastError() const
{
    Lock lock(mutex_);
    return error_;
}

bool Mixer::IsOpen() const
{
    Lock lock(mutex_);
    return open_;
}

void Mixer::SetOpen(bool open)
{
    Lock lock(mutex_);
    open_ = open;
    paused_ = false;
    if (!open) {
        channels_.Clear();
        samples_.Clear();
    }
}

void Mixer::SetLastError(AudioError error)
{
    Lock lock(mutex_);
    error_ = error;
}

bool Mixer::Pause()
{
    Lock lock(mutex_);
    if (!open_)
        return Fail(AudioError::kNotOpen);
    paused_ = true;
    return Succeed();
}

bool Mixer::Start()
{
    Lock lock(mutex_);
    if (!open_)
        return Fail(AudioError::kNotOpen);
    paused_ = false;
    return Succeed();
}

bool Mixer::IsPaused() const
{
    Lock lock(mutex_);
    return paused_;
}

bool Mixer::SetGroupVolume(AudioGroup group, int32_t volume)
{
    Lock lock(mutex_);
    if (!ValidGroup(group) || volume < 0 || volume > kFullGroupVolume)
        return Fail(AudioError::kBadValue);
    groupVolumes_[static_cast<int32_t>(group)] = volume;
    return Succeed();
}

int32_t Mixer::GroupVolume(AudioGroup group) const
{
    Lock lock(mutex_);
    if (!ValidGroup(group)) {
        Fail(AudioError::kBadValue);
        return 0;
    }
    return groupVolumes_[static_cast<int32_t>(group)];
}

SampleHandle Mixer::LoadSample(const void* data, size_t size, int32_t maxPlaybacks)
{
    {
        Lock lock(mutex_);
        if (!open_)
            return FailHandle(AudioError::kNotOpen);
        if (!data || size == 0 || maxPlaybacks < 1)
            return FailHandle(AudioError::kBadValue);
    }
    // Decoding takes a while; the output keeps mixing meanwhile.
    auto entry = std::make_unique<SampleEntry>();
    const auto* bytes = static_cast<const uint8_t*>(data);
    entry->pcm = DecodeSample(std::make_shared<const std::vector<uint8_t>>(bytes, bytes + size), entry->info);
    entry->info.maxPlaybacks = maxPlaybacks;
    Lock lock(mutex_);
    if (!entry->pcm)
        return FailHandle(AudioError::kBadData);
    if (!open_)
        return FailHandle(AudioError::kNotOpen);
    const SampleHandle handle = samples_.Add(std::move(entry));
    if (handle == kNoSample)
        return FailHandle(AudioError::kNotAvailable);
    Succeed();
    return handle;
}

bool Mixer::FreeSample(SampleHandle sample)
{
    Lock lock(mutex_);
    SampleEntry* entry = samples_.Find(sample);
    if (!entry)
        return Fail(AudioError::kBadHandle);
    for (ChannelHandle channel : entry->channels)
        channels_.Remove(channel);
    samples_.Remove(sample);
    return Succeed();
}

bool Mixer::GetSampleInfo(SampleHandle sample, SampleInfo& info) const
{
    Lock lock(mutex_);
    const SampleEntry* entry = samples_.Find(sample);
    if (!entry)
        return Fail(AudioError::kBadHandle);
    info = entry->info;
    return Succeed();
}

void Mixer::ReleaseOldestPlayback(SampleEntry& entry)
{
    auto victim = entry.channels.end();
    for (auto it = entry.channels.begin(); it != entry.channels.end(); ++it) {
        const Channel& candidate = *channels_.Find(*it);
        if (victim == entry.channels.end())
            victim = it;
        const Channel& current = *channels_.Find(*victim);
        const int rank = TakeOverRank(candidate);
        const int currentRank = TakeOverRank(current);
        if (rank < currentRank || (rank == currentRank && candidate.StartSequence() < current.StartSequence()))
            victim = it;
    }
    if (victim == entry.channels.end())
        return;
    channels_.Remove(*victim);
    entry.channels.erase(victim);
}

ChannelHandle Mixer::NewSampleChannel(SampleHandle sample)
{
    Lock lock(mutex_);
    if (!open_)
        return FailHandle(AudioError::kNotOpen);
    SampleEntry* entry = samples_.Find(sample);
    if (!entry)
        return FailHandle(AudioError::kBadHandle);
    // Playbacks freed one by one no longer count.
    std::erase_if(entry->channels, [this](ChannelHandle channel) { return !channels_.Find(channel); });
    while (entry->channels.size() >= static_cast<size_t>(entry->info.maxPlaybacks))
        ReleaseOldestPlayback(*entry);
    const ChannelHandle handle =
        AddChannel(std::make_unique<Channel>(std::make_unique<SamplePlayback>(entry->pcm), AudioGroup::kSample, sample));
    if (handle != kNoChannel)
        entry->channels.push_back(handle);
    return handle;
}

ChannelHandle Mixer::AddChannel(std::unique_ptr<Channel> channel)
{
    const ChannelHandle handle = channels_.Add(std::move(channel));
    if (handle == kNoChannel)
        return FailHandle(AudioError::kNotAvailable);
    Succeed();
    return handle;
}

ChannelHandle Mixer::LoadStream(AudioBytes bytes)
{
    {
        Lock lock(mutex_);
        if (!open_)
            return FailHandle(AudioError::kNotOpen);
    }
    auto reader = SoundFileReader::Open(std::move(bytes));
    Lock lock(mutex_);
    if (!reader)
        return FailHandle(AudioError::kBadData);
    if (!open_)
        return FailHandle(AudioError::kNotOpen);
    return AddChannel(std::make_unique<Channel>(std::make_unique<StreamSource>(std::move(reader)), AudioGroup::kStream));
}

ChannelHandle Mixer::LoadModule(const void* data, size_t size)
{
    {
        Lock lock(mutex_);
        if (!open_)
            return FailHandle(AudioError::kNotOpen);
    }
    auto module = ModuleSource::Open(data, size);
    Lock lock(mutex_);
    if (!module)
        return FailHandle(AudioError::kBadData);
    if (!open_)
        return FailHandle(AudioError::kNotOpen);
    return AddChannel(std::make_unique<Channel>(std::move(module), AudioGroup::kMusic));
}

bool Mixer::FreeChannel(ChannelHandle channel)
{
    Lock lock(mutex_);
    return channels_.Remove(channel) ? Succeed() : Fail(AudioError::kBadHandle);
}

Channel* Mixer::FindChannel(ChannelHandle channel) const
{
    Channel* found = channels_.Find(channel);
    if (!found)
        Fail(AudioError::kBadHandle);
    return found;
}

bool Mixer::Play(ChannelHandle channel, bool restart)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    if (paused_)
        return Fail(AudioError::kPaused);
    found->Play(restart, ++startSequence_);
    return Succeed();
}

bool Mixer::Stop(ChannelHandle channel)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    found->Stop();
    return Succeed();
}

ChannelState Mixer::State(ChannelHandle channel) const
{
    Lock lock(mutex_);
    const Channel* found = FindChannel(channel);
    if (!found)
        return ChannelState::kStopped;
    Succeed();
    return found->Playing() ? ChannelState::kPlaying : ChannelState::kStopped;
}

bool Mixer::SetLooping(ChannelHandle channel, bool looping)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    found->SetLooping(looping);
    return Succeed();
}

bool Mixer::IsLooping(ChannelHandle channel) const
{
    Lock lock(mutex_);
    const Channel* found = FindChannel(channel);
    if (!found)
        return false;
    Succeed();
    return found->Looping();
}

bool Mixer::SetAttribute(ChannelHandle channel, ChannelAttribute attribute, float value)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    if (!ValidAttribute(attribute) || !std::isfinite(value))
        return Fail(AudioError::kBadValue);
    found->SetAttribute(attribute, value);
    return Succeed();
}

bool Mixer::GetAttribute(ChannelHandle channel, ChannelAttribute attribute, float& value) const
{
    Lock lock(mutex_);
    const Channel* found = FindChannel(channel);
    if (!found)
        return false;
    if (!ValidAttribute(attribute))
        return Fail(AudioError::kBadValue);
    value = found->Attribute(attribute);
    return Succeed();
}

bool Mixer::SlideAttribute(ChannelHandle channel, ChannelAttribute attribute, float target, uint32_t milliseconds)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    if (!ValidAttribute(attribute) || !std::isfinite(target))
        return Fail(AudioError::kBadValue);
    const uint64_t frames = static_cast<uint64_t>(milliseconds) * kMixRate / kMillisecondsPerSecond;
    found->Slide(attribute, target, frames);
    return Succeed();
}

bool Mixer::IsSliding(ChannelHandle channel, ChannelAttribute attribute) const
{
    Lock lock(mutex_);
    const Channel* found = FindChannel(channel);
    if (!found)
        return false;
    if (!ValidAttribute(attribute))
        return Fail(AudioError::kBadValue);
    Succeed();
    return found->Sliding(attribute);
}

bool Mixer::Set3DAttributes(ChannelHandle channel, const Channel3DAttributes& attributes)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    found->Set3DAttributes(attributes);
    return Succeed();
}

bool Mixer::Get3DAttributes(ChannelHandle channel, Channel3DAttributes& attributes) const
{
    Lock lock(mutex_);
    const Channel* found = FindChannel(channel);
    if (!found)
        return false;
    attributes = found->Attributes3D();
    return Succeed();
}

bool Mixer::GetModulePosition(ChannelHandle channel, ModulePosition& position) const
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    auto* module = dynamic_cast<ModuleSource*>(&found->Source());
    if (!module)
        return Fail(AudioError::kNotAvailable);
    position = module->Position();
    return Succeed();
}

bool Mixer::SetModulePosition(ChannelHandle channel, ModulePosition position)
{
    Lock lock(mutex_);
    Channel* found = FindChannel(channel);
    if (!found)
        return false;
    auto* module = dynamic_cast<ModuleSource*>(&found->Source());
    if (!module)
        return Fail(AudioError::kNotAvailable);
    if (!module->SetPosition(position))
        return Fail(AudioError::kBadValue);
    found->ClearEnded();
    return Succeed();
}

void Mixer::Mix(float* out, size_t frames)
{
    Lock lock(mutex_);
    std::fill(out, out + frames * kMixChannels, 0.0f);
    if (!open_ || paused_)
        return;
    channels_.ForEach([&](ChannelHandle, Channel& channel) {
        const float groupGain =
            static_cast<float>(groupVolumes_[static_cast<int32_t>(channel.Group())]) / kFullGroupVolume;
        channel.MixInto(out, frames, groupGain, scratch_);
    });
    for (size_t i = 0; i < frames * kMixChannels; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace port
