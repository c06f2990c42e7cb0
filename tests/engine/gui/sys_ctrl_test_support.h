// Shared pieces of the list and system control tests: a GUI manager with one window
// whose function records the events the controls report, a small registered font, and
// shorthand for mouse events on the 1024 x 768 screen.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/gui/window_function.h"
#include "engine/render/font.h"
#include "engine/render/texture.h"
#include "tests/engine/render/render_test_support.h"

namespace test {

// One window event as a window function received it.
struct SeenEvent {
    int32_t code;
    intptr_t first;
    intptr_t second;
    bool operator==(const SeenEvent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const SeenEvent& event)
{
    return out << "{" << event.code << ", " << event.first << ", " << event.second << "}";
}

// Records the events controls report (32 and above) and leaves everything to the
// default handler.
class ControlEventRecorder : public vrk::cWindowFunction {
public:
    explicit ControlEventRecorder(std::vector<SeenEvent>* seen) : seen_(seen) {}
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override
    {
        if (code >= vrk::kWndMouseEntered) seen_->push_back({code, first, second});
        return vrk::cWindowFunction::OnEvent(window, code, first, second);
    }

private:
    std::vector<SeenEvent>* seen_;
};

class SysCtrlTest : public ::testing::Test {
protected:
    static constexpr float kStep = 1.0f / 30.0f;

    void SetUp() override
    {
        window = gui.AddWindow("test", std::make_unique<ControlEventRecorder>(&seen));
        auto font = std::make_shared<vrk::cFont>();
        FillTestFont(*font);
        vrk::GetFontMap()["test"] = font;
    }
    void TearDown() override
    {
        vrk::GetFontMap().clear();
        vrk::GetTextureMap().clear();
    }

    // Delivers what the controls queued, then hands over (and forgets) all events seen.
    std::vector<SeenEvent> Deliver()
    {
        gui.Update(kStep);
        std::vector<SeenEvent> events;
        events.swap(seen);
        return events;
    }
    // Events of the codes the controls report by themselves (not 32 / 33).
    std::vector<SeenEvent> Reported()
    {
        std::vector<SeenEvent> events;
        for (const SeenEvent& event : Deliver()) {
            if (event.code != vrk::kWndMouseEntered && event.code != vrk::kWndMouseLeft) events.push_back(event);
        }
        return events;
    }
    // Through the window's handler, as the GUI manager's input walk would.
    int32_t MoveTo(float x, float y)
    {
        return window->GetFunction()->OnEvent(window, vrk::kWndMouseMove, 0,
                                              vrk::PackGuiPoint(static_cast<int32_t>(x), static_cast<int32_t>(y)));
    }
    int32_t Press(float x, float y)
    {
        return window->GetFunction()->OnEvent(window, vrk::kWndLeftDown, 0,
                                              vrk::PackGuiPoint(static_cast<int32_t>(x), static_cast<int32_t>(y)));
    }
    int32_t Release(float x, float y)
    {
        return window->GetFunction()->OnEvent(window, vrk::kWndLeftUp, 0,
                                              vrk::PackGuiPoint(static_cast<int32_t>(x), static_cast<int32_t>(y)));
    }
    // Clicks at the point: move there, press, release.
    void Click(float x, float y)
    {
        MoveTo(x, y);
        Press(x, y);
        Release(x, y);
    }

    LogCapture log;
    std::vector<SeenEvent> seen;
    vrk::cGUI gui{1024.0f, 768.0f};
    vrk::cWindow* window = nullptr;
};

}  // namespace test
