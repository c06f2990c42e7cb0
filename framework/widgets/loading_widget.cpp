// cLoadingWidget: the loading queue worked off in a slice of each frame, and the
// screen that shows its progress.
#include "framework/widgets/loading_widget.h"

#include <optional>
#include <string>

#include "engine/files/path_record.h"
#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/gui_handles.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/platform/shell_state.h"
#include "engine/render/render.h"
#include "engine/script/script.h"
#include "framework/app/middle.h"
#include "framework/widgets/loading_wf.h"

namespace {

cLoadingWidget* g_loadingWidget = nullptr;
constexpr const char* kDataRoot = "{StaticPath}";

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game ? game->gui.get() : nullptr;
}

// The item's path as the data tree names it ("texture/gui/task_wood.png"): the folder
// the game was installed to, the player's home among it, is nobody's business on
// the screen. A file from elsewhere shows its name alone.
std::string ShownPath(const vrk::PathRecord& path)
{
    const std::string root = vrk::PathRecord(kDataRoot).path + "/";
    if (root.size() > 1 && path.path.size() > root.size() && path.path.compare(0, root.size(), root) == 0)
        return path.path.substr(root.size());
    return path.extension.empty() ? path.name : path.name + "." + path.extension;
}

// The game's frame-time counter in seconds, once the shell has measured its rate
// (tests give the shell their own counter and rate). Before that there is nothing to
// measure a slice by, and none: an update then works one item, as before a start.
std::optional<double> GameClockSeconds()
{
    const vrk::ShellState& shell = vrk::Shell();
    if (!shell.readCounter || shell.counterFrequency <= 1) return std::nullopt;
    return static_cast<double>(shell.readCounter()) / static_cast<double>(shell.counterFrequency);
}

}  // namespace

cLoadingWidget* cLoadingWidget::GetInstance() { return g_loadingWidget; }

cLoadingWidget::cLoadingWidget(cMiddle* application) : vrk::cWidget(kName), application_(application)
{
    g_loadingWidget = this;
    if (application_)
        application_->FillWindow(kWindowName, kWindowScript, std::make_unique<cLoadingWF>());
}

cLoadingWidget::~cLoadingWidget()
{
    if (!queue_.empty() && vrk::GetGame())
        vrk::LogWrite("cLoadingWidget", "^5", "~cLoadingWidget: not all data was loaded.");
    queue_.clear();
    current_.reset();
    if (g_loadingWidget == this) g_loadingWidget = nullptr;
}

void cLoadingWidget::Add(std::unique_ptr<cLoadData> item)
{
    if (!item) return;
    queue_.push_back(std::move(item));
    // Counting what was taken already keeps the bar below 100 % when items arrive
    // while others are being worked off.
    total_ = loaded_ + static_cast<float>(queue_.size());
}

vrk::cProgressBarSysCtrl* cLoadingWidget::Progress() const
{
    return dynamic_cast<vrk::cProgressBarSysCtrl*>(vrk::FindLiveCtrl(progress_));
}

vrk::cCtrl* cLoadingWidget::Label() const { return vrk::FindLiveCtrl(label_); }

void cLoadingWidget::OnFocus()
{
    progress_ = nullptr;
    label_ = nullptr;
    if (vrk::cGUI* gui = Gui()) {
        gui->ShowWindow(kWindowName);
        if (const vrk::cWindow* window = gui->FindWindow(kWindowName)) {
            progress_ = window->GetCtrl(window->FindCtrl(kProgressCtrl));
            label_ = window->GetCtrl(window->FindCtrl(kLabelCtrl));
        }
    }
    if (vrk::cProgressBarSysCtrl* progress = Progress()) progress->SetProgress(0.0f);
    // Counted from here, so that the items the script queues make up the total.
    loaded_ = 0.0f;
    total_ = static_cast<float>(queue_.size());
    finishPending_ = 1;
    vrk::cScript::RunFile(kQueueScript);
}

void cLoadingWidget::OnUnfocus()
{
    vrk::cGUI* gui = Gui();
    if (!gui) return;
    if (vrk::cWindow* window = gui->FindWindow(kWindowName); window && window->GetFunction())
        window->GetFunction()->OnEvent(window, vrk::kWndCloseRequested, 0, 0);
}

void cLoadingWidget::TakeNext()
{
    current_ = std::move(queue_.front());
    queue_.pop_front();
    if (vrk::cCtrl* label = Label()) label->SetText(ShownPath(current_->GetPath()), 0);
    if (vrk::cProgressBarSysCtrl* progress = Progress())
        progress->SetProgress(total_ > 0.0f ? loaded_ / total_ : 0.0f);
    loaded_ += 1.0f;
}

void cLoadingWidget::Update(float /*dt*/)
{
    if (!current_ && queue_.empty()) {
        if (finishPending_ != 0) {
            finishPending_ = 0;
            if (application_) application_->FinishInit();
        }
        return;
    }
    // A frame waits for the display's refresh, so one item a frame would make the
    // loading last as many refreshes as there are items, whatever the loads cost.
    // Items are worked until the slice is spent; the one taken then is shown by the
    // next frame and loaded first in the next update, so the bar and the label move
    // every frame, and a load that outlasts the slice is followed by a drawn path.
    if (!current_) {
        TakeNext();
        return;
    }
    const std::optional<double> sliceStart = GameClockSeconds();
    while (current_) {
        current_->Load();
        current_.reset();
        if (queue_.empty()) return;
        const std::optional<double> now = GameClockSeconds();
        const bool sliceSpent = !sliceStart || !now || *now - *sliceStart >= kWorkSliceSeconds;
        TakeNext();
        if (sliceSpent) return;
    }
}

void cLoadingWidget::Draw()
{
    if (vrk::cRender* render = vrk::GetRender()) {
        const BackColor color = application_ ? application_->backColor : BackColor{};
        render->SetClearColor(color.r, color.g, color.b, 1.0f);
        render->ClearRenderTarget();
        render->SetMaterialColor(1.0f, 1.0f, 1.0f, 1.0f);
    }
    if (vrk::cGUI* gui = Gui()) gui->Draw();
}
