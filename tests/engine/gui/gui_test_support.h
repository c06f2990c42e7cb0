// Shared pieces of the GUI tests: a window function and a control that record what
// reaches them, and an engine core whose GUI manager has a 1024 x 768 client area.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "tests/engine/platform/platform_test_support.h"

namespace test {

// Records "window code first second" and answers with `answer`; with `forward` set it
// answers with the default handler's result instead.
class RecordingFunction : public vrk::cWindowFunction {
public:
    explicit RecordingFunction(std::vector<std::string>* seen, int32_t answer = 0, bool forward = false)
        : seen_(seen), answer_(answer), forward_(forward)
    {
    }
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override
    {
        seen_->push_back(window->GetName() + " " + std::to_string(code) + " " + std::to_string(first) +
                         " " + std::to_string(second));
        if (forward_) return vrk::cWindowFunction::OnEvent(window, code, first, second);
        return answer_;
    }

private:
    std::vector<std::string>* seen_;
    int32_t answer_;
    bool forward_;
};

// A control with a hit rectangle that records "name code first second" and answers
// every event with `answer` (0 consumed).
class RecordingCtrl : public vrk::cCtrl {
public:
    RecordingCtrl(vrk::cWindow* window, const std::string& name, std::vector<std::string>* seen,
                  vrk::GuiRect rect = {})
        : vrk::cCtrl(window, name), seen_(seen), rect_(rect)
    {
    }
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override
    {
        seen_->push_back(GetName() + " " + std::to_string(code) + " " + std::to_string(first) + " " +
                         std::to_string(second));
        const int32_t base = vrk::cCtrl::OnEvent(code, first, second);
        return useBase ? base : answer;
    }
    void Draw() override { seen_->push_back(GetName() + " draw"); }
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    vrk::GuiRect GetRect() const override { return rect_; }

    int32_t answer = 0;
    bool useBase = false;

private:
    std::vector<std::string>* seen_;
    vrk::GuiRect rect_;
};

// An engine core (recording log, silent sound) whose GUI maps client pixels 1:1.
class GuiCoreTest : public CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        gui().clientRect = vrk::ClientRect{0, 0, 1024, 768};
    }
    vrk::cGUI& gui() { return *game->gui; }

    // A recorded window, active, opened on top; what the opening sent is forgotten.
    vrk::cWindow* Open(const std::string& name, int32_t answer = 0, bool modal = false, bool forward = false)
    {
        vrk::cWindow* window = gui().AddWindow(name, std::make_unique<RecordingFunction>(&seen, answer, forward));
        window->active = true;
        window->modal = modal;
        gui().ShowWindow(name);
        seen.clear();
        return window;
    }
    // Client pixels of a GUI point (y up) for the 1024 x 768 client.
    static int32_t ClientY(int32_t guiY) { return 768 - guiY; }

    std::vector<std::string> seen;
};

}  // namespace test
