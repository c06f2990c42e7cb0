// Opening and closing the audio layer with its output.
#include "port/audio/audio_system.h"

#include <algorithm>

#include "port/audio/null_audio_output.h"

namespace port {

AudioSystem::~AudioSystem()
{
    if (output_)
        Close();
}

bool AudioSystem::Open(AudioOutputKind kind)
{
    if (output_) {
        SetLastError(AudioError::kAlreadyOpen);
        return false;
    }
    // The mixer is open before the device runs so that its first callback mixes.
    SetOpen(true);
    AudioError error = AudioError::kNone;
    if (kind == AudioOutputKind::kNull)
        output_ = std::make_unique<NullAudioOutput>();
    else
        output_ = OpenDeviceOutput(*this, error);
    if (!output_) {
        SetOpen(false);
        SetLastError(error);
        return false;
    }
    SetLastError(AudioError::kNone);
    return true;
}

bool AudioSystem::Close()
{
    if (!output_) {
        SetLastError(AudioError::kNotOpen);
        return false;
    }
    // The device thread stops before the tables it reads are emptied.
    output_.reset();
    SetOpen(false);
    SetLastError(AudioError::kNone);
    return true;
}

bool AudioSystem::Render(float* out, size_t frames)
{
    if (!output_ || !output_->PulledByOwner()) {
        std::fill(out, out + frames * kMixChannels, 0.0f);
        return false;
    }
    Mix(out, frames);
    return true;
}

}  // namespace port
