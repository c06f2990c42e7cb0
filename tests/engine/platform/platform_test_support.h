// Shared pieces of the shell and engine-core tests: an engine core with a recording log
// and a silent sound output, a widget that records what the core does to it, and a
// recording drawing backend for the device layer.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/platform/device.h"
#include "engine/platform/device_layer.h"
#include "engine/platform/game_core.h"
#include "engine/platform/gpu_library.h"
#include "engine/platform/widget.h"
#include "port/gpu/null_gpu_system.h"
#include "tests/engine/log/log_test_support.h"

namespace test {

// Records Tick, Update, focus changes and events as short lines; answers events with
// `answer`.
class RecordingWidget : public vrk::cWidget {
public:
    RecordingWidget(const std::string& name, std::vector<std::string>* calls)
        : vrk::cWidget(name), calls_(calls)
    {
    }
    void Tick() override { calls_->push_back(GetName() + " tick"); }
    void Update(float) override { calls_->push_back(GetName() + " update"); }
    void OnFocus() override { calls_->push_back(GetName() + " focus"); }
    void OnUnfocus() override { calls_->push_back(GetName() + " unfocus"); }
    int32_t OnEvent(int32_t kind, intptr_t parameter) override
    {
        calls_->push_back(GetName() + " event " + std::to_string(kind) + " " + std::to_string(parameter));
        return answer;
    }

    int32_t answer = 0;

private:
    std::vector<std::string>* calls_;
};

// The recording backend behind the device layer.
class NullGpuLibrary : public vrk::GpuLibrary {
public:
    bool Load() override
    {
        ++loads;
        return loadable;
    }
    void Unload() override { ++unloads; }
    std::unique_ptr<port::GpuSystem> CreateSystem() override
    {
        if (!systemAvailable) return nullptr;
        return std::make_unique<port::NullGpuSystem>(recorder);
    }

    std::shared_ptr<port::NullGpuRecorder> recorder = std::make_shared<port::NullGpuRecorder>();
    bool loadable = true;
    bool systemAvailable = true;
    int loads = 0;
    int unloads = 0;
};

// An engine core for one test: log in a temporary application folder, every log line
// also kept in `lines` ("^7sender^6: text"), sound on the silent output.
class CoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        game = std::make_unique<vrk::cGame>(port::AudioOutputKind::kNull);
        vrk::GetLogger()->SetConsole(std::make_unique<RecordingConsole>(&lines));
    }
    void TearDown() override { game.reset(); }

    bool Logged(const std::string& text) const { return CountLogged(text) > 0; }
    int CountLogged(const std::string& text) const
    {
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
    // Index of the first line holding text at or after `from`; -1 when none.
    int IndexOf(const std::string& text, int from = 0) const
    {
        for (size_t i = static_cast<size_t>(std::max(from, 0)); i < lines.size(); ++i)
            if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
        return -1;
    }

    TempAppPath appPath;
    std::vector<std::string> lines;
    std::unique_ptr<vrk::cGame> game;
};

// A core plus the device layer on the recording backend, with Begin's pause recorded
// instead of slept.
class DeviceTest : public CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        vrk::SetGpuLibrary(&library);
        vrk::Devices().sleep = [this](uint32_t milliseconds) { sleeps.push_back(milliseconds); };
    }
    void TearDown() override
    {
        vrk::DX8ReleaseDevice();
        vrk::DX8Destroy();
        vrk::SetGpuLibrary(nullptr);
        vrk::Devices().sleep = nullptr;
        vrk::Devices().deviceLost = 0;
        vrk::Devices().resetWanted = 0;
        vrk::Devices().retraceRefusalLogged = false;
        CoreTest::TearDown();
    }
    port::NullGpuRecorder& Recorder() { return *library.recorder; }

    NullGpuLibrary library;
    std::vector<uint32_t> sleeps;
};

}  // namespace test
