// Shared pieces of the renderer, texture and font tests: a logger that records every
// line, and a small font with fixed glyph metrics.
#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/render/font.h"
#include "tests/engine/log/log_test_support.h"

namespace test {

// A logger for the duration of a test; Lines() holds what was logged, "sender: text".
class LogCapture {
public:
    LogCapture() : logger_(std::make_unique<vrk::Logger>())
    {
        logger_->SetConsole(std::make_unique<RecordingConsole>(&lines_));
    }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Contains(const std::string& text) const
    {
        return std::any_of(lines_.begin(), lines_.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
    int Count(const std::string& text) const
    {
        return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
    void Clear() { lines_.clear(); }

private:
    TempAppPath appPath_;
    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_;
};

// Every ASCII letter, digit and "^" gets a glyph 8 wide with advance 10 and bearing 1;
// the space advances 5 and is 0 wide. Line height 16, spacing 0, no texture.
inline void FillTestFont(vrk::cFont& font)
{
    font.lineHeight = 16.0f;
    font.spacing = 0.0f;
    font.name = "test";
    for (int c = '!'; c <= '~'; ++c) {
        font.AddGlyph(std::string(1, static_cast<char>(c)), 0, 0, 0, 0, 1.0f, 10.0f, 8.0f);
    }
    font.AddGlyph(" ", 0, 0, 0, 0, 0.0f, 5.0f, 0.0f);
}

}  // namespace test

#include <gtest/gtest.h>

#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "port/gpu/null_gpu_system.h"

namespace test {

// A renderer over the recording device, with an 800 x 600 back buffer. The registries
// are emptied afterwards.
class NullRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        system_ = std::make_unique<port::NullGpuSystem>();
        port::PresentParameters params;
        params.windowed = 1;
        params.backBufferFormat = port::kFormatA8R8G8B8;
        ASSERT_EQ(system_->CreateDevice(port::kCreateHardwareVertexProcessing, params, device_), port::kGpuOk);
        render_ = vrk::CreateRender();
        render_->CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, 800, 600);
        render_->SetHardwareDefaults();
        Recorder().Clear();
    }
    void TearDown() override
    {
        vrk::GetFontMap().clear();
        vrk::GetTextureMap().clear();
        vrk::DestroyRender();
        device_.reset();
    }
    port::NullGpuRecorder& Recorder() { return system_->Recorder(); }
    bool Recorded(const std::string& line) const
    {
        const auto& calls = system_->Recorder().calls;
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    }
    uint32_t Stage0(port::StageState state) const { return device_->GetTextureStageState(0, state); }

    LogCapture log_;
    std::unique_ptr<port::NullGpuSystem> system_;
    std::unique_ptr<port::GpuDevice> device_;
    vrk::cRender* render_ = nullptr;
};

}  // namespace test
