// Shared pieces of the sound tests: a manager on the null output with a recording
// log, sound files written into a temporary folder, and mix measurements.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/files/path_record.h"
#include "engine/files/sound_reader.h"
#include "engine/sound/music.h"
#include "engine/sound/sound_manager.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/port/audio/audio_test_data.h"

namespace sound_test {

inline constexpr size_t kOneSecond = port::kMixRate;
inline constexpr size_t kTenthSecond = kOneSecond / 10;

// A log entry as the console shows it: sender, severity code and message.
inline std::string Entry(const std::string& sender, const std::string& code, const std::string& text)
{
    return sender + "^6: " + code + text;
}

inline std::string AsText(const audio_test::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Largest magnitude over frames [from, to) of both sides.
inline float Peak(const std::vector<float>& mix, size_t from, size_t to)
{
    float peak = 0.0f;
    for (size_t i = from * port::kMixChannels; i < to * port::kMixChannels && i < mix.size(); ++i)
        peak = std::max(peak, std::fabs(mix[i]));
    return peak;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vrk::CreateSoundManager(port::AudioOutputKind::kNull)); }
    void TearDown() override
    {
        if (vrk::GetSoundManager())
            vrk::DestroySoundManager();
    }

    vrk::cSoundManager& Manager() { return *vrk::GetSoundManager(); }
    port::AudioSystem& Audio() { return Manager().Audio(); }

    std::vector<float> Render(size_t frames)
    {
        std::vector<float> out(frames * port::kMixChannels);
        EXPECT_TRUE(Audio().Render(out.data(), frames));
        return out;
    }

    std::string WriteFile(const std::string& name, const audio_test::Bytes& bytes)
    {
        return folder_.Write(name, AsText(bytes));
    }

    // Loads a sine sample through the reader and registers it as `name`.
    void AddSample(const std::string& name, int32_t maxPlaybacks = 4, size_t frames = kTenthSecond)
    {
        vrk::SampleRecord record;
        record.maxPlaybacks = maxPlaybacks;
        const std::string path = WriteFile(name + ".wav", audio_test::SineWav(port::kMixRate, 1, frames));
        ASSERT_EQ(vrk::ReadSoundBuffer(record, vrk::PathRecord(path)), vrk::kSoundReadOk);
        new vrk::cSoundManager::cSoundBuffer(name, record.handle);
    }

    // Loads the test module and makes a music `name` over it starting at `startOrder`.
    vrk::cMusic* AddModuleMusic(const std::string& name, uint16_t startOrder = 0)
    {
        vrk::MusicRecord record;
        const std::string path = WriteFile(name + ".mod", audio_test::TinyModule());
        EXPECT_EQ(vrk::ReadMusicBuffer(record, vrk::PathRecord(path)), vrk::kSoundReadOk);
        new vrk::cSoundManager::cMusicBuffer(name, record.handle);
        return new vrk::cMusic(name, name, startOrder, 0);
    }

    // Loads a sine OGG of `frames` frames as a stream music named `name`.
    vrk::cMusic* AddStreamMusic(const std::string& name, size_t frames = kOneSecond)
    {
        vrk::StreamRecord record;
        const std::string path = WriteFile(name + ".ogg", audio_test::SineOgg(port::kMixRate, 1, frames));
        EXPECT_EQ(vrk::ReadStreamBuffer(record, vrk::PathRecord(path)), vrk::kSoundReadOk);
        new vrk::cSoundManager::cStreamBuffer(name, record.handle, record.bytes);
        return new vrk::cMusic(name);
    }

    test::LogRecorder log_;
    test::TempFolder folder_;
};

}  // namespace sound_test
