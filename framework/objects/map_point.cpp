// cMapPoint: states and pictures, the hover glow and caption, and the hint text.
#include "framework/objects/map_point.h"

#include <cmath>

#include "engine/text/format_arg.h"
#include "engine/text/text_format.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_level_record.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr const char* kStateKeys[] = {"closed", "ready", "bronze", "silver", "gold"};
constexpr int32_t kStateKeyCount = 5;
constexpr const char* kHintReady = "MapHintReady";
constexpr const char* kHintReplay = "MapHintReplay";
constexpr float kSecondsPerMinute = 60.0f;

}  // namespace

cMapPoint::cMapPoint(cObjectOwner* owner) : cObject(owner) {}

cMapPoint::~cMapPoint() { ReleaseOwnCaption(); }

void cMapPoint::ReleaseOwnCaption()
{
    if (caption_ == nullptr) return;
    if (owner_ != nullptr) {
        owner_->ReleaseCaption(caption_);
    } else {
        delete caption_;
    }
    caption_ = nullptr;
}

void cMapPoint::SetSprite(const std::string& sprite)
{
    cObject::SetSprite(sprite);
    AddAnimation("ready", "map_ready");
    AddAnimation("bronze", "map_bronze");
    AddAnimation("silver", "map_silver");
    AddAnimation("gold", "map_gold");
    SwitchAnimation("ready");
    const bool loadNow = owner_ != nullptr && owner_->IsEditorMode();
    selectionMarker_.SetSprite("map_selection", kPlayLoopForward, loadNow);
    shadow_.SetSprite("map_shadow", kPlayLoopForward, loadNow);
}

int32_t cMapPoint::OnMessage(uint32_t code, uintptr_t data)
{
    switch (code) {
    case kMessageStateChange: {
        const auto* change = reinterpret_cast<const StateChange*>(data);
        // "closed" has no animation: switching to it leaves no picture.
        if (change != nullptr && change->newState >= 0 && change->newState < kStateKeyCount)
            SwitchAnimation(kStateKeys[change->newState]);
        return 0;
    }
    case kMessageMouseEnter: {
        highlightSpeed_ = kGlowUpRate;
        if (caption_ != nullptr) return 0;
        const std::string text = GetHintText();
        auto* screen = dynamic_cast<cBaseWidget*>(owner_);
        if (text.empty() || screen == nullptr) return 0;
        // Anchored in the world, so the caption stays right on a scrolled map.
        const vec2 anchor = screen->GetMouseWorldPos() + vec2{kCaptionOffset, kCaptionOffset};
        caption_ = screen->AddCaptionAt(text, anchor);
        return 0;
    }
    case kMessageMouseLeave:
        highlightSpeed_ = kGlowDownRate;
        ReleaseOwnCaption();
        return 0;
    default: return 0;
    }
}

void cMapPoint::Update()
{
    cObject::Update();
    selectionMarker_.Update(kTickSeconds);
    shadow_.Update(kTickSeconds);
    highlight_ += highlightSpeed_ * kTickSeconds;
    if (highlight_ > kMaxHighlight) {
        highlight_ = kMaxHighlight;
        highlightSpeed_ = 0.0f;
    } else if (highlight_ < 0.0f) {
        highlight_ = 0.0f;
        highlightSpeed_ = 0.0f;
    }
}

void cMapPoint::Draw()
{
    vrk::VertexBatch* batch = OwnerBatch();
    const uint32_t color = GetColor();
    if (batch != nullptr && GetAnimation() != nullptr) shadow_.Draw(*batch, position_.x, position_.y, color);
    cObject::Draw();
    // The marker is a ring round the point (its hot-spot is its centre), so it is
    // drawn at the point's own position.
    if (batch != nullptr && selected_ != 0) selectionMarker_.Draw(*batch, position_.x, position_.y, color);
}

void cMapPoint::DrawEditor()
{
    cObject::Draw();
    if (cAppServices* services = GetAppServices()) services->DrawSystemText(name_, position_.x, position_.y);
}

int32_t cMapPoint::HitTest(const vec2& point)
{
    if (GetAnimation() == nullptr) return 0;
    Rect rect;
    GetFrameRect(rect, -1);
    return IsPointInRect(rect, point) ? 1 : 0;
}

void cMapPoint::SetIndex(int32_t index) { SetName(vrk::FormatToString("%i", vrk::FormatArg::FromInt(index))); }

int32_t cMapPoint::GetIndex() const { return vrk::StrToIntOrZero(name_); }

std::string cMapPoint::FormatTime(float given)
{
    // Records are bounded when read; the bound here keeps the conversions below
    // defined for any other caller.
    const float seconds = PlayerLevelRecord::ClampTime(given);
    const float minutes = std::trunc(seconds / kSecondsPerMinute);
    const float rest = std::trunc(seconds - minutes * kSecondsPerMinute);
    return vrk::FormatToString("%i:%02i", vrk::FormatArg::FromInt(static_cast<int32_t>(minutes)),
                               vrk::FormatArg::FromInt(static_cast<int32_t>(rest)));
}

std::string cMapPoint::GetHintText()
{
    // Negative states (not yet linked to a player) count as closed too.
    if (state_ <= static_cast<int32_t>(kLevelClosed)) return {};
    cMiddle* middle = GetMiddle();
    const cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    const int32_t index = GetIndex();
    if (player == nullptr || index < 0 || static_cast<size_t>(index) >= player->levelRecords.size()) return {};
    const PlayerLevelRecord& record = player->levelRecords[static_cast<size_t>(index)];
    const auto number = vrk::FormatArg::FromInt(index + 1);
    if (record.state == kLevelOpen) return vrk::FormatStdString(vrk::FindText(kHintReady), number);
    const std::string lastTime = FormatTime(record.lastTime);
    const std::string bestTime = FormatTime(record.bestTime);
    return vrk::FormatStdString(vrk::FindText(kHintReplay), number,
                                vrk::FormatArg::FromInt(static_cast<int32_t>(record.plays)),
                                vrk::FormatArg::FromString(lastTime),
                                vrk::FormatArg::FromInt(static_cast<int32_t>(record.lastScore)),
                                vrk::FormatArg::FromString(bestTime),
                                vrk::FormatArg::FromInt(static_cast<int32_t>(record.bestScore)));
}
