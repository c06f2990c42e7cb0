// cLevelWF: the window function of the head-up display "level" over a level in
// play: the stock counters, the time bar, the day and night dial, the three task rows
// with their tooltip "level_task", and the menu button. It only reads the current
// level screen; without one its display stays as it is.
#pragma once
#include <array>
#include <cstdint>

#include "framework/widgets/base_wf.h"

namespace vrk {
class cCtrl;
class cProgressBarSysCtrl;
}  // namespace vrk

class cLevelWF : public cBaseWF {
public:
    // The stock counters follow the stock at most this often.
    static constexpr float kRefreshSeconds = 0.1f;
    static constexpr size_t kTaskRows = 3;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    float GetRefreshElapsed() const { return refreshElapsed_; }

private:
    struct TaskRow {
        vrk::cCtrl* count = nullptr;
        vrk::cCtrl* remain = nullptr;
        vrk::cCtrl* image = nullptr;
        // The row's panel; a script may leave it out.
        vrk::cCtrl* frame = nullptr;
    };

    // False (and the handler failed) when a control other than the task rows is missing.
    bool Build(vrk::cWindow* window);
    void Update(uint32_t milliseconds);
    void RefreshStock();
    void RefreshTime();
    void RefreshDayNight();
    void RefreshTaskRows();
    void ShowTaskTooltip(vrk::cWindow* window, int32_t code, intptr_t controlIndex);

    vrk::cCtrl* food_ = nullptr;
    vrk::cCtrl* wood_ = nullptr;
    vrk::cCtrl* money_ = nullptr;
    vrk::cCtrl* mana_ = nullptr;
    vrk::cProgressBarSysCtrl* time_ = nullptr;
    vrk::cProgressBarSysCtrl* dayNight_ = nullptr;
    vrk::cCtrl* day_ = nullptr;
    vrk::cCtrl* night_ = nullptr;
    vrk::cCtrl* noNight_ = nullptr;
    std::array<TaskRow, kTaskRows> rows_{};
    float refreshElapsed_ = 0.0f;
};
