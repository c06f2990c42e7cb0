// cAchieveBaseWidget: loading the tiles' scene, linking them to the player, the
// centred description captions and the editor's save command.
#include "framework/widgets/achieve_base_widget.h"

#include <algorithm>

#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/objects/achieve.h"

namespace {

constexpr const char* kSaveCommand = "_save";
constexpr intptr_t kWindowContext = 1;
constexpr const char* kSender = "cAchieveBaseWidget";
constexpr const char* kFileName = "achieve.lvl";
constexpr cSceneSave::Notices kSaveNotices{
    "The achievements screen loaded only in part (it holds objects this version does not know). It is not saved.",
    "The achievements file could not be written. The old file is kept."};

}  // namespace

cAchieveBaseWidget::cAchieveBaseWidget(const std::string& name) : cBaseWidget(name), scene_(kSender, kSaveNotices) {}

void cAchieveBaseWidget::OnFocus()
{
    if (cMiddle* middle = GetMiddle()) {
        if (vrk::cByteStream* stream = middle->GetLevelFiles().GetAchieveStream())
            scene_.Load(*this, *stream, middle->GetLimit43());
    }
    LinkObjects();
    SetMode(kModeLoading);
}

void cAchieveBaseWidget::OnUnfocus()
{
    // The scene as left is what the next visit loads.
    if (cMiddle* middle = GetMiddle()) {
        if (vrk::cByteStream* stream = middle->GetLevelFiles().GetAchieveStream())
            scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName);
    }
    cBaseWidget::OnUnfocus();
}

void cAchieveBaseWidget::LinkObjects()
{
    cBaseWidget::LinkObjects();
    cMiddle* middle = GetMiddle();
    const cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    ObjectList tiles;
    FindObjectsOfKind(tiles, kTypeAchieve, -1);
    for (cObject* object : tiles) {
        auto* tile = dynamic_cast<cAchieve*>(object);
        if (tile == nullptr) continue;
        const uint32_t index = middle != nullptr ? middle->FindAchievement(tile->GetSprite()) : 0;
        if (middle == nullptr || index >= middle->GetAchievementCount()) {
            tile->SetAchievement(-1, false);
            continue;
        }
        const bool unlocked = player != nullptr && index < player->achievementProgress.size() &&
                              player->achievementProgress[index] >= 1.0f;
        tile->SetAchievement(static_cast<int32_t>(index), unlocked);
        const bool isNew = player != nullptr && index < player->achievementNewFlags.size() &&
                           player->achievementNewFlags[index] == 1;
        if (unlocked && isNew) tile->ShowNewStars();
    }
}

void cAchieveBaseWidget::DrawCaption(const CaptionRecord& record)
{
    // The base puts the box to the right of its anchor; here it is centred on it.
    const CaptionStyle& style = GetCaptionStyle();
    const float margin = std::max(style.panelRect.width - style.labelRect.width, 2.0f * style.border.x);
    const float zoom = GetZoom() > 0.0f ? GetZoom() : 1.0f;
    CaptionRecord centred = record;
    centred.box.x -= (record.size.x + margin) * 0.5f / zoom;
    cBaseWidget::DrawCaption(centred);
}

uint32_t cAchieveBaseWidget::ShowGui()
{
    if (cMiddle* middle = GetMiddle()) middle->ShowWindow(kWindowName, kWindowContext);
    inputFlags_ = 0;
    hovered_ = nullptr;
    return 0;
}

void cAchieveBaseWidget::EdgeScroll()
{
    const vec2 point = WindowToScreen(GetCursorPixel());
    if (point.x < kNoScrollWidth && point.y < kNoScrollHeight) return;
    cBaseWidget::EdgeScroll();
}

uint32_t cAchieveBaseWidget::OnEditorEvent(uint32_t kind, uintptr_t param)
{
    // Back from the editor the tiles show the player again.
    if (kind == kEventLeaveMode) LinkObjects();
    return cBaseWidget::OnEditorEvent(kind, param);
}

uint32_t cAchieveBaseWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a == 0 && name == kSaveCommand) {
        // Not passed on: the base's click would sound for a save that failed.
        if (cMiddle* middle = GetMiddle()) {
            if (vrk::cByteStream* stream = middle->GetLevelFiles().GetAchieveStream()) {
                scene_.Save(scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName),
                            [middle] { return middle->SaveAchieveFile(); });
            }
        }
        return 0;
    }
    return cBaseWidget::OnGuiEvent(a, name, b);
}
