// cLoadingWidget: the loading screen. Focusing it runs "{StaticPath}/conf/loading.lua",
// whose calls queue load items; each update then loads items for a slice of the
// frame, measured on the game's frame-time counter, behind the "loading" window's
// progress bar and label, and tells the application once the queue is empty.
#pragma once
#include <cstdint>
#include <list>
#include <memory>

#include "engine/platform/widget.h"
#include "framework/widgets/load_data.h"

namespace vrk {
class cCtrl;
class cProgressBarSysCtrl;
}  // namespace vrk

class cMiddle;

class cLoadingWidget : public vrk::cWidget {
public:
    static constexpr const char* kName = "loading";
    static constexpr const char* kWindowName = "loading";
    static constexpr const char* kWindowScript = "{StaticPath}/gui/game_loading.lua";
    static constexpr const char* kQueueScript = "{StaticPath}/conf/loading.lua";
    static constexpr const char* kProgressCtrl = "progress";
    static constexpr const char* kLabelCtrl = "label";
    // The share of a 60 Hz frame an update spends loading; the rest is left for
    // drawing the screen, so that the frame still makes the display's refresh.
    static constexpr double kWorkSliceSeconds = 0.75 / 60.0;

    // Becomes the loading screen the items queue on, and registers the "loading"
    // window through the application (which may be null in tests).
    explicit cLoadingWidget(cMiddle* application);
    // Frees the items left (with a warning) and the one being loaded.
    ~cLoadingWidget() override;

    // The one loading screen, or null.
    static cLoadingWidget* GetInstance();

    void Draw() override;
    void Tick() override {}
    // Loads the item taken in the previous update (its path has been drawn), then
    // takes and loads more until kWorkSliceSeconds have passed, and takes the next
    // one to be shown (at once while the shell has not measured its counter's rate).
    // With nothing queued or taken, finishes once instead.
    void Update(float dt) override;
    void OnFocus() override;
    void OnUnfocus() override;
    int32_t OnEvent(int32_t /*kind*/, intptr_t /*parameter*/) override { return 0; }
    virtual void Add(std::unique_ptr<cLoadData> item);

    size_t GetQueueCount() const { return queue_.size(); }
    const cLoadData* GetCurrentItem() const { return current_.get(); }
    float GetLoaded() const { return loaded_; }
    float GetTotal() const { return total_; }
    bool IsFinishPending() const { return finishPending_ != 0; }

private:
    // Makes the first queued item the current one and shows its path and the bar.
    void TakeNext();
    // The controls of the "loading" window while they live; null otherwise.
    vrk::cProgressBarSysCtrl* Progress() const;
    vrk::cCtrl* Label() const;

    cMiddle* application_;
    std::list<std::unique_ptr<cLoadData>> queue_;
    std::unique_ptr<cLoadData> current_;
    // Kept as addresses only; looked up among the live controls before each use.
    const void* progress_ = nullptr;
    const void* label_ = nullptr;
    float loaded_ = 0.0f;
    float total_ = 0.0f;
    uint8_t finishPending_ = 1;
};
