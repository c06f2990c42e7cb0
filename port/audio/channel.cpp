// Channel playback: looping by rewind, per-frame volume and pan with their slides.
#include "port/audio/channel.h"

#include <algorithm>

namespace port {

namespace {

constexpr int kVolume = static_cast<int>(ChannelAttribute::kVolume);
constexpr int kPan = static_cast<int>(ChannelAttribute::kPan);

float Clamp(ChannelAttribute attribute, float value)
{
    if (attribute == ChannelAttribute::kVolume)
        return std::clamp(value, 0.0f, 1.0f);
    return std::clamp(value, -1.0f, 1.0f);
}

}  // namespace

Channel::Channel(std::unique_ptr<SoundSource> source, AudioGroup group, SampleHandle sample)
    : source_(std::move(source)), group_(group), sample_(sample)
{
}

void Channel::Play(bool restart, uint64_t sequence)
{
    if (playing_ && !restart)
        return;
    if (restart || ended_) {
        source_->Rewind();
        ended_ = false;
    }
    playing_ = true;
    everStarted_ = true;
    startSequence_ = sequence;
}

void Channel::SetLooping(bool looping)
{
    looping_ = looping;
    source_->SetLooping(looping);
}

float Channel::Attribute(ChannelAttribute attribute) const
{
    return values_[static_cast<int>(attribute)];
}

void Channel::SetAttribute(ChannelAttribute attribute, float value)
{
    const int index = static_cast<int>(attribute);
    values_[index] = Clamp(attribute, value);
    slides_[index].active = false;
}

void Channel::Slide(ChannelAttribute attribute, float target, uint64_t frames)
{
    const int index = static_cast<int>(attribute);
    SlideState& slide = slides_[index];
    slide.stopsChannel = attribute == ChannelAttribute::kVolume && target == kVolumeStopsChannel;
    slide.from = values_[index];
    slide.to = slide.stopsChannel ? 0.0f : Clamp(attribute, target);
    slide.length = frames;
    slide.elapsed = 0;
    slide.active = true;
    if (frames == 0)
        AdvanceSlides(0);
}

bool Channel::Sliding(ChannelAttribute attribute) const
{
    return slides_[static_cast<int>(attribute)].active;
}

void Channel::Set3DAttributes(const Channel3DAttributes& attributes)
{
    if (attributes.mode >= 0)
        attributes3D_.mode = attributes.mode;
    if (attributes.minDistance >= 0.0f)
        attributes3D_.minDistance = attributes.minDistance;
    if (attributes.maxDistance >= 0.0f)
        attributes3D_.maxDistance = attributes.maxDistance;
    if (attributes.innerAngle >= 0)
        attributes3D_.innerAngle = attributes.innerAngle;
    if (attributes.outerAngle >= 0)
        attributes3D_.outerAngle = attributes.outerAngle;
    if (attributes.outerVolume >= 0.0f)
        attributes3D_.outerVolume = attributes.outerVolume;
}

size_t Channel::FillFromSource(float* out, size_t frames)
{
    size_t filled = source_->Read(out, frames);
    while (filled < frames && looping_ && !source_->LoopsItself()) {
        if (!source_->Rewind())
            break;
        const size_t got = source_->Read(out + filled * kMixChannels, frames - filled);
        if (got == 0)
            break;  // an empty source would otherwise spin here
        filled += got;
    }
    return filled;
}

void Channel::AdvanceSlides(size_t frames)
{
    for (SlideState& slide : slides_) {
        if (!slide.active)
            continue;
        slide.elapsed = std::min(slide.length, slide.elapsed + frames);
        const int index = static_cast<int>(&slide - slides_);
        if (slide.elapsed >= slide.length) {
            values_[index] = slide.to;
            slide.active = false;
            if (slide.stopsChannel)
                playing_ = false;
        } else {
            const float progress = static_cast<float>(slide.elapsed) / static_cast<float>(slide.length);
            values_[index] = slide.from + (slide.to - slide.from) * progress;
        }
    }
}

bool Channel::StepSlides()
{
    if (slides_[kVolume].active || slides_[kPan].active)
        AdvanceSlides(1);
    return playing_;
}

void Channel::MixInto(float* mix, size_t frames, float groupGain, std::vector<float>& scratch)
{
    if (!playing_) {
        AdvanceSlides(frames);
        return;
    }
    scratch.resize(frames * kMixChannels);
    const size_t got = FillFromSource(scratch.data(), frames);
    for (size_t i = 0; i < got; ++i) {
        const float gain = values_[kVolume] * groupGain;
        const float pan = values_[kPan];
        const float left = gain * (pan > 0.0f ? 1.0f - pan : 1.0f);
        const float right = gain * (pan < 0.0f ? 1.0f + pan : 1.0f);
        mix[i * 2] += scratch[i * 2] * left;
        mix[i * 2 + 1] += scratch[i * 2 + 1] * right;
        if (!StepSlides()) {
            // A fade-out ended here: the rest of the block stays silent.
            AdvanceSlides(frames - i - 1);
            return;
        }
    }
    if (got < frames) {
        playing_ = false;
        ended_ = true;
        AdvanceSlides(frames - got);
    }
}

}  // namespace port
