// The shipped game's start-up loading on a display that paces its presents: it must
// last about as long as its work, not as many refreshes as there are items, and the
// bar must still move. Frames run as the main loop runs them, on a test clock where
// every item loaded and every frame drawn costs a fixed time and a paced present
// waits out the refresh period.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/find_control.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/platform/shell_state.h"
#include "framework/widgets/loading_widget.h"
#include "port/gpu/present_pacer.h"
#include "port/window/clock.h"
#include "tests/framework/app/tour_test_support.h"

namespace {

using Nanoseconds = std::chrono::nanoseconds;

// About what the data tree's items and the loading screen's frames cost headless.
constexpr Nanoseconds kItemCost = std::chrono::milliseconds(3);
constexpr Nanoseconds kDrawCost = std::chrono::milliseconds(2);
constexpr int kFrameLimit = 100000;

struct StartUpRun {
    double loadingSeconds = -1.0;  // from "Start loading..." to "Loading complete..."
    std::vector<float> barsDrawn;  // the bar's value at each frame the loading screen drew
};

class LoadingPaceTest : public test::GameTourTest {
protected:
    void SetUp() override
    {
        GameTourTest::SetUp();
        vrk::ShellState& shell = vrk::Shell();
        savedFrequency_ = shell.counterFrequency;
        shell.counterFrequency = 1000000000;
        shell.readCounter = [this] { return static_cast<std::uint64_t>(Now().count()); };
    }
    void TearDown() override
    {
        vrk::ShellState& shell = vrk::Shell();
        shell.readCounter = &port::PerformanceCounter;
        shell.counterFrequency = savedFrequency_;
        GameTourTest::TearDown();
    }

    // The test clock; reading it charges the items loaded since the last reading.
    Nanoseconds Now()
    {
        if (const cLoadingWidget* loading = cLoadingWidget::GetInstance()) {
            const int loaded = static_cast<int>(loading->GetLoaded()) - (loading->GetCurrentItem() ? 1 : 0);
            if (loaded > itemsCharged_) {
                now_ += kItemCost * (loaded - itemsCharged_);
                itemsCharged_ = loaded;
            }
        }
        return now_;
    }

    // Starts the game and runs frames (draw, update, present) until loading is done.
    StartUpRun RunStartUp(bool paced)
    {
        port::PresentPacer pacer([this] { return port::PresentPacer::Clock::time_point(Now()); },
                                 [this](port::PresentPacer::Clock::time_point until) {
                                     now_ = std::chrono::duration_cast<Nanoseconds>(until.time_since_epoch());
                                 });
        pacer.SetRefreshRate(60);
        itemsCharged_ = 0;
        app = std::make_unique<cGarden>();
        EXPECT_EQ(app->Init(), 0);
        StartUpRun run;
        double started = -1.0;
        Nanoseconds last = Now();
        for (int frame = 0; frame < kFrameLimit; ++frame) {
            game->DrawFrame();
            now_ += kDrawCost;
            if (Focused() == cLoadingWidget::kName) run.barsDrawn.push_back(Bar());
            const Nanoseconds now = Now();
            game->UpdateFrame(std::chrono::duration<float>(now - last).count());
            last = now;
            const double seconds = std::chrono::duration<double>(Now()).count();
            if (started < 0.0 && Logged("Start loading...")) started = seconds;
            if (Logged("Loading complete. Finish game initialization...")) {
                run.loadingSeconds = seconds - started;
                break;
            }
            if (paced) pacer.WaitForNextPresent();
        }
        app.reset();
        FreshCore();
        return run;
    }
    // A new engine core and empty registries, as the next start of the game has.
    void FreshCore()
    {
        game.reset();
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        vrk::GetTextureNameList().clear();
        vrk::GetFontMap().clear();
        lines.clear();
        game = std::make_unique<vrk::cGame>(port::AudioOutputKind::kNull);
        vrk::GetLogger()->SetConsole(std::make_unique<test::RecordingConsole>(&lines));
    }
    static float Bar()
    {
        const auto* bar = dynamic_cast<const vrk::cProgressBarSysCtrl*>(vrk::FindControl("loading", "progress"));
        return bar ? bar->GetProgress() : -1.0f;
    }

private:
    Nanoseconds now_{0};
    int itemsCharged_ = 0;
    std::uint64_t savedFrequency_ = 1;
};

TEST_F(LoadingPaceTest, PacedStartUpLoading_TakesAboutItsWorkAndDrawsTheBarEveryTenth)
{
    const StartUpRun unpaced = RunStartUp(false);
    const StartUpRun paced = RunStartUp(true);
    ASSERT_GT(unpaced.loadingSeconds, 0.0);
    ASSERT_GT(paced.loadingSeconds, 0.0);
    EXPECT_LE(paced.loadingSeconds, 1.5 * unpaced.loadingSeconds + 1.0)
        << "unpaced " << unpaced.loadingSeconds << " s, " << unpaced.barsDrawn.size() << " frames; paced "
        << paced.barsDrawn.size() << " frames";

    for (int tenth = 0; tenth < 10; ++tenth) {
        bool drawn = false;
        for (const float bar : paced.barsDrawn) drawn = drawn || (bar >= tenth / 10.0f && bar < (tenth + 1) / 10.0f);
        EXPECT_TRUE(drawn) << "no frame showed the bar between " << tenth * 10 << " and " << (tenth + 1) * 10 << " %";
    }
}

}  // namespace
