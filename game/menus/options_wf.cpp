// The options window: showing the settings when it opens and applying each change
// at once.
#include "game/menus/options_wf.h"

#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/slider_ctrl.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/host_services.h"
#include "engine/platform/shell_state.h"
#include "engine/sound/sound.h"
#include "engine/sound/sound_manager.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kSender = "cOptionsWF";
constexpr const char* kWarning = "^5";
constexpr const char* kFeedbackSound = "typing";
constexpr const char* kLocaleWindow = "locale";

cPlayerBase* ActivePlayer()
{
    cGarden* garden = GetGarden();
    return garden != nullptr ? garden->GetActivePlayer() : nullptr;
}

void SetGroupVolume(int32_t group, float volume)
{
    if (vrk::cSoundManager* manager = vrk::GetSoundManager()) manager->SetVolume(group, volume);
}

}  // namespace

cOptionsWF::cOptionsWF() = default;

cOptionsWF::~cOptionsWF() = default;

void cOptionsWF::LookUpControls(vrk::cWindow* window)
{
    sound_ = dynamic_cast<vrk::cSliderCtrl*>(ControlByName(window, "slSound"));
    music_ = dynamic_cast<vrk::cSliderCtrl*>(ControlByName(window, "slMusic"));
    fullScreen_ = dynamic_cast<vrk::cCheckBoxSysCtrl*>(ControlByName(window, "cbWindowed"));
    hints_ = dynamic_cast<vrk::cCheckBoxSysCtrl*>(ControlByName(window, "cbHints"));
    if (!typing_) typing_ = std::make_unique<vrk::cSound>(kFeedbackSound);
}

void cOptionsWF::ShowState()
{
    if (sound_ != nullptr) sound_->SetValue(vrk::GetSoundVolume());
    if (music_ != nullptr) music_->SetValue(vrk::GetMusicVolume());
    if (fullScreen_ != nullptr) fullScreen_->SetChecked(vrk::Shell().fullScreen != 0);
    if (hints_ != nullptr) {
        const cPlayerBase* player = ActivePlayer();
        hints_->SetChecked(player != nullptr && player->hintsEnabled);
    }
}

void cOptionsWF::PlayFeedback()
{
    // A playing feedback goes on untouched, so a quick slide plays it once.
    if (!typing_ || typing_->Play()) return;
    // The sample's other players (every typed character of an edit field) may have
    // taken the kept channel over; a sound that has its sample takes a new one.
    if (typing_->GetBufferIndex() == 0) return;
    typing_ = std::make_unique<vrk::cSound>(kFeedbackSound);
    typing_->Play();
}

void cOptionsWF::OnSlider(vrk::cWindow* window, intptr_t control)
{
    // The event carries the position rounded to a whole number: the volume is read
    // from the slider itself.
    if (sound_ != nullptr && menus::IsControl(window, control, "slSound")) {
        PlayFeedback();
        SetGroupVolume(vrk::kSoundGroup, sound_->GetValue());
    } else if (music_ != nullptr && menus::IsControl(window, control, "slMusic")) {
        SetGroupVolume(vrk::kMusicGroup, music_->GetValue());
    }
}

void cOptionsWF::OnCheckBox(vrk::cWindow* window, intptr_t checked, intptr_t control)
{
    if (fullScreen_ != nullptr && menus::IsControl(window, control, "cbWindowed")) {
        vrk::SetFullScreen(checked != 0 ? 1 : 0);
    } else if (hints_ != nullptr && menus::IsControl(window, control, "cbHints")) {
        cPlayerBase* player = ActivePlayer();
        if (player != nullptr) {
            player->hintsEnabled = checked == 1;
        } else {
            // Nobody to keep the choice for.
            hints_->SetChecked(false);
        }
    }
}

void cOptionsWF::OnButton(vrk::cWindow* window, intptr_t control)
{
    cGarden* garden = GetGarden();
    if (garden == nullptr) return;
    const intptr_t context = garden->GetWindowContext();
    if (menus::IsControl(window, control, "btBack")) {
        if (context == menus::kContextMenu) {
            garden->ShowWindow("menu", menus::kContextMenu);
        } else if (context == menus::kContextLevel) {
            garden->ShowWindow("escape", menus::kContextLevel);
        }
    } else if (menus::IsControl(window, control, "btLang")) {
        // Opening a window closes every other one: without a language window the
        // player would be left with none at all.
        const vrk::cGUI* gui = window->GetGUI();
        if (gui != nullptr && gui->FindWindow(kLocaleWindow) != nullptr) {
            garden->ShowWindow(kLocaleWindow, context);
        } else {
            vrk::LogWrite(kSender, kWarning, "No '%s' window: the language stays",
                          vrk::FormatArg::FromText(kLocaleWindow));
        }
    }
}

int32_t cOptionsWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // The feedback sound goes with the GUI, whatever state the window is in.
    if (code == vrk::kWndDestroying) typing_.reset();
    // Opened again while it fades out, the window stays: it shows the settings anew.
    if (code == vrk::kWndOpened && !IsFailed()) ShowState();
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndFilled:
        LookUpControls(window);
        break;
    case vrk::kWndSliderChanged:
        OnSlider(window, second);
        break;
    case vrk::kWndCheckToggled:
        OnCheckBox(window, first, second);
        break;
    case vrk::kWndClicked:
        if (menus::IsControl(window, second, "btBack") || menus::IsControl(window, second, "btLang")) {
            OnButton(window, second);
            return menus::kConsumed;
        }
        break;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEscape) {
            PostClick(window, "btBack");
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
