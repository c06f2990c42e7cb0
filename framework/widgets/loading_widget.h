// cLoadingWidget: the loading screen. Focusing it runs "{StaticPath}/conf/loading.lua",
// whose calls queue load items; its updates then take and load one item at a time
// behind the "loading" window's progress bar and label, and tell the application
// once the queue is empty.
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

    // Becomes the loading screen the items queue on, and registers the "loading"
    // window through the application (which may be null in tests).
    explicit cLoadingWidget(cMiddle* application);
    // Frees the items left (with a warning) and the one being loaded.
    ~cLoadingWidget() override;

    // The one loading screen, or null.
    static cLoadingWidget* GetInstance();

    void Draw() override;
    void Tick() override {}
    // Takes an item, or loads the taken one, or finishes: one of the three per call.
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
