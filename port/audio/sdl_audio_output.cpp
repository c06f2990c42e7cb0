// Opening and closing the SDL2 audio device, and its callback into the mixer.
#include "port/audio/sdl_audio_output.h"

#include <SDL.h>

#include "port/audio/mixer.h"

namespace port {

namespace {

void MixCallback(void* user, Uint8* stream, int length)
{
    auto* mixer = static_cast<Mixer*>(user);
    const auto frames = static_cast<size_t>(length) / (sizeof(float) * kMixChannels);
    mixer->Mix(reinterpret_cast<float*>(stream), frames);
}

}  // namespace

std::unique_ptr<AudioOutput> OpenDeviceOutput(Mixer& mixer, AudioError& error)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = AudioError::kNoDriver;
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = MixCallback;
    wanted.userdata = &mixer;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants, so the
    // callback always sees the mix format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        error = AudioError::kNoDevice;
        return nullptr;
    }
    SDL_PauseAudioDevice(device, 0);
    error = AudioError::kNone;
    return std::make_unique<SdlAudioOutput>(device);
}

SdlAudioOutput::~SdlAudioOutput()
{
    // Closing waits for a running callback, so the mixer is no longer touched after.
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace port
