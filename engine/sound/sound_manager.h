// The sound manager: the one owner of every loaded sample, tracker module and
// stream (each under a name), of the music instances, and of the audio layer they
// play through. It also sets the two volume groups, sounds (1) and music (2).
//
// The engine core makes it with CreateSoundManager after the renderer and ends it
// with DestroySoundManager; the window's activation handling sets and clears
// `paused` together with Audio().Pause() / Audio().Start().
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "port/audio/audio_system.h"
#include "port/audio/audio_types.h"
#include "port/audio/sound_file_reader.h"

namespace vrk {

class cMusic;
class cSoundManager;

// The manager, or null outside CreateSoundManager .. DestroySoundManager.
cSoundManager* GetSoundManager();

// Volume groups as the game numbers them.
constexpr int32_t kSoundGroup = 1;
constexpr int32_t kMusicGroup = 2;

// Name of the placeholder at index 0 of every table; index 0 means "none".
constexpr const char* kUnnamedSound = "unnamed";

class cSoundManager {
public:
    // The buffer records. Each one is made with `new` and hands itself to its
    // manager's table at construction; the manager deletes it in Free and the
    // record frees its handle. With no manager the record stays with its maker.
    class cSoundBuffer {
    public:
        cSoundBuffer(const std::string& name, port::SampleHandle handle, cSoundManager* owner = GetSoundManager());
        virtual ~cSoundBuffer();
        cSoundBuffer(const cSoundBuffer&) = delete;
        cSoundBuffer& operator=(const cSoundBuffer&) = delete;

        port::SampleHandle handle;
        std::string name;

    private:
        cSoundManager* owner_;
    };

    class cMusicBuffer {
    public:
        cMusicBuffer(const std::string& name, port::ChannelHandle handle, cSoundManager* owner = GetSoundManager());
        virtual ~cMusicBuffer();
        cMusicBuffer(const cMusicBuffer&) = delete;
        cMusicBuffer& operator=(const cMusicBuffer&) = delete;

        port::ChannelHandle handle;
        std::string name;

    private:
        cSoundManager* owner_;
    };

    class cStreamBuffer {
    public:
        // `bytes` are the file the stream decodes from; they live as long as the stream.
        cStreamBuffer(const std::string& name, port::ChannelHandle handle, port::AudioBytes bytes = {},
                      cSoundManager* owner = GetSoundManager());
        virtual ~cStreamBuffer();
        cStreamBuffer(const cStreamBuffer&) = delete;
        cStreamBuffer& operator=(const cStreamBuffer&) = delete;

        port::ChannelHandle handle;
        std::string name;
        port::AudioBytes bytes;

    private:
        cSoundManager* owner_;
    };

    // Made by CreateSoundManager. kNull gives an output that only mixes when
    // Audio().Render is called (tests).
    explicit cSoundManager(port::AudioOutputKind output = port::AudioOutputKind::kDevice);
    virtual ~cSoundManager();
    cSoundManager(const cSoundManager&) = delete;
    cSoundManager& operator=(const cSoundManager&) = delete;

    // Makes the placeholders and opens the audio output. False (with a log line)
    // when the output cannot be had; the manager then works without sound.
    bool Init();
    // Deletes every music instance and buffer and closes the output.
    bool Free();
    // group kSoundGroup or kMusicGroup, volume 0..1; anything else is refused.
    void SetVolume(int32_t group, float volume);

    // Index of the first entry with that name in each table; 0 when none.
    int32_t FindMusic(const std::string& name) const;
    int32_t FindMusicBuffer(const std::string& name) const;
    int32_t FindStreamBuffer(const std::string& name) const;
    int32_t FindSoundBuffer(const std::string& name) const;

    // Null when the index is outside the table.
    cSoundBuffer* GetSoundBuffer(int32_t index) const;
    cMusicBuffer* GetMusicBuffer(int32_t index) const;
    cStreamBuffer* GetStreamBuffer(int32_t index) const;
    cMusic* GetMusic(int32_t index) const;

    port::AudioSystem& Audio() { return audio_; }
    const port::AudioSystem& Audio() const { return audio_; }

    std::vector<std::unique_ptr<cSoundBuffer>> soundBuffers;
    std::vector<std::unique_ptr<cMusicBuffer>> musicBuffers;
    std::vector<std::unique_ptr<cStreamBuffer>> streamBuffers;
    std::vector<std::unique_ptr<cMusic>> music;
    // Set while the application is inactive.
    bool paused = false;
    // Positioning range given to 3-D samples; -1 keeps the layer's values.
    float minDistance = -1.0f;
    float maxDistance = -1.0f;

private:
    port::AudioSystem audio_;
    port::AudioOutputKind output_;
};

// Makes the manager and calls Init. False when one exists already or Init failed
// (the manager is kept then).
bool CreateSoundManager(port::AudioOutputKind output = port::AudioOutputKind::kDevice);
// Deletes the manager. False when there is none.
bool DestroySoundManager();
// Changes with every manager made, so that objects made under one manager can
// tell that the one they knew is gone.
uint32_t GetSoundManagerSerial();

// The group volumes 0..1 (0 without a manager).
float GetSoundVolume();
float GetMusicVolume();

}  // namespace vrk
