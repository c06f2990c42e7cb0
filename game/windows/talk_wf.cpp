// The talk window's handler: its own fade-in per line, the delayed close, the
// drawing with the faces on top, and the input that steps through the lines.
#include "game/windows/talk_wf.h"

#include <algorithm>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/app/middle.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr int32_t kKeyEscape = 27;
constexpr int32_t kConsumed = 1;
constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr float kOpaque = 1.0f;
constexpr float kFullAlpha = 255.0f;
constexpr int kAlphaShift = 24;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;

cLevelWidget* FocusedLevel()
{
    cMiddle* middle = GetMiddle();
    return middle != nullptr ? dynamic_cast<cLevelWidget*>(middle->GetFocusedWidget()) : nullptr;
}

void DrawBatch(vrk::VertexBatch& batch, vrk::cRender* render)
{
    if (render != nullptr && batch.UsedVertices() != 0) render->DrawVertexBatch(batch);
    batch.Clear();
}

}  // namespace

void cTalkWF::Update(vrk::cWindow* window, uint32_t milliseconds)
{
    if (closeCountdown_ > 0 && --closeCountdown_ == 0 && window != nullptr && window->GetGUI() != nullptr)
        window->GetGUI()->CloseWindow(window->GetName());
    if (lineOpacity_ < kOpaque) {
        lineOpacity_ += static_cast<float>(milliseconds) / kMillisecondsPerSecond * kFadeInPerSecond;
        lineOpacity_ = std::min(lineOpacity_, kOpaque);
    }
}

void cTalkWF::Draw(vrk::cWindow* window) const
{
    vrk::cGame* game = vrk::GetGame();
    vrk::VertexBatch* batch = game != nullptr ? game->batch.get() : nullptr;
    if (window == nullptr || batch == nullptr) return;
    vrk::cRender* render = vrk::GetRender();
    const bool fading = lineOpacity_ < kOpaque && render != nullptr;
    if (fading) {
        const auto alpha = static_cast<uint32_t>(static_cast<int32_t>(lineOpacity_ * kFullAlpha));
        render->SetTextureFactor((alpha << kAlphaShift) | kWhiteRgb);
    }
    batch->Clear();
    for (int32_t i = 0; i < window->GetCtrlCount(); ++i) {
        vrk::cCtrl* control = window->GetCtrl(i);
        if (control == nullptr || control == leftFace_ || control == rightFace_) continue;
        if (control->HasFlag(vrk::kCtrlShown)) control->Draw();
    }
    DrawBatch(*batch, render);
    if (fading) render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    // The speakers stay solid while their words fade in.
    for (vrk::cCtrl* face : {leftFace_, rightFace_}) {
        if (face != nullptr && face->HasFlag(vrk::kCtrlShown)) face->Draw();
    }
    DrawBatch(*batch, render);
}

bool cTalkWF::OnInput(int32_t code, intptr_t first)
{
    // Input during the close belongs to whatever the talk gave way to.
    if (closeCountdown_ > 0) return false;
    cLevelWidget* level = FocusedLevel();
    if (level == nullptr) return false;
    if (code == vrk::kWndKeyDown && first == kKeyEscape) {
        level->EndTalk();
    } else if (level->IsTalkFinished()) {
        level->EndTalk();
    } else {
        lineOpacity_ = 0.0f;
        level->NextTalk();
    }
    return true;
}

int32_t cTalkWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndFilled:
        leftFace_ = ControlByName(window, "left_face");
        rightFace_ = ControlByName(window, "right_face");
        break;
    case vrk::kWndOpened:
        lineOpacity_ = 0.0f;
        closeCountdown_ = 0;
        break;
    case vrk::kWndUpdate:
        Update(window, static_cast<uint32_t>(first));
        return 0;
    case vrk::kWndCloseRequested:
        closeCountdown_ = kCloseUpdates;
        return 0;
    case vrk::kWndDraw:
        Draw(window);
        return 0;
    case vrk::kWndKeyDown:
    case vrk::kWndLeftDown: {
        const bool acted = OnInput(code, first);
        const int32_t answer = vrk::cWindowFunction::OnEvent(window, code, first, second);
        // The key or press that stepped the talk must not reach the level below: the
        // talk's end has just given the level its input back.
        return acted ? kConsumed : answer;
    }
    default:
        break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}
