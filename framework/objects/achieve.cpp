// cAchieve: the tile's pictures, glow, orbiting star trails and hover caption.
#include "framework/objects/achieve.h"

#include <cmath>

#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/text/format_arg.h"
#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/achieve_base_widget.h"

namespace {

constexpr const char* kQuestionSprite = "achieve_question";
constexpr const char* kFrameSprite = "achieve_base";
constexpr const char* kFrameKey = "base";
constexpr uint32_t kValueColor = 0xFFFFFFFFu;

// The achievement definition of an index, or null.
const AchievementDef* FindDefinition(int32_t index)
{
    const cMiddle* middle = GetMiddle();
    if (middle == nullptr || index < 0) return nullptr;
    const auto& list = middle->GetAchievements();
    return static_cast<size_t>(index) < list.size() ? &list[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

cAchieve::cAchieve(cObjectOwner* owner) : cObject(owner) {}

cAchieve::~cAchieve()
{
    ReleaseOwnCaption();
    trail1_.Clear();
    trail2_.Clear();
}

void cAchieve::ReleaseOwnCaption()
{
    if (caption_ == nullptr) return;
    if (owner_ != nullptr) {
        owner_->ReleaseCaption(caption_);
    } else {
        delete caption_;
    }
    caption_ = nullptr;
}

void cAchieve::SetSprite(const std::string& sprite)
{
    cObject::SetSprite(sprite);
    picture_.SetSprite(sprite, kPlayLoopForward, false);
    question_.SetSprite(kQuestionSprite, kPlayLoopForward, false);
    AddAnimation(kFrameKey, kFrameSprite);
    PlayAnimation(kFrameKey, kPlayStopped);
    // The trails are ready but quiet until the screen finds the achievement new.
    vrk::VertexBatch* batch = OwnerBatch();
    for (EffectHolder* trail : {&trail1_, &trail2_}) {
        trail->SetEffect(batch, kTrailEffect);
        trail->SetEmitting(false);
    }
    PlaceTrails();
}

void cAchieve::SetAchievement(int32_t index, bool unlocked)
{
    achievementIndex_ = index;
    unlocked_ = unlocked ? 1 : 0;
}

void cAchieve::PlaceTrails()
{
    const vec2 offset{std::cos(orbitAngle_) * kOrbitRadius, std::sin(orbitAngle_) * kOrbitRadius};
    const vec2 first = position_ + offset;
    const vec2 second = position_ - offset;
    if (trail1_.HasEffect()) trail1_.SetPosition(first.x, first.y);
    if (trail2_.HasEffect()) trail2_.SetPosition(second.x, second.y);
}

void cAchieve::Update()
{
    cObject::Update();
    picture_.Update(kTickSeconds);
    question_.Update(kTickSeconds);
    highlight_ += glowRate_ * kTickSeconds;
    if (highlight_ > kMaxHighlight) {
        highlight_ = kMaxHighlight;
        glowRate_ = 0.0f;
    } else if (highlight_ < 0.0f) {
        highlight_ = 0.0f;
        glowRate_ = 0.0f;
    }
    orbitAngle_ += kTickSeconds;
    if (orbitAngle_ >= kFullTurn) orbitAngle_ = 0.0f;
    PlaceTrails();
    for (EffectHolder* trail : {&trail1_, &trail2_}) {
        if (trail->HasEffect()) trail->Update(kTickSeconds);
    }
}

void cAchieve::Draw()
{
    cObject::Draw();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t color = GetColor();
    (unlocked_ != 0 ? picture_ : question_).Draw(*batch, position_.x, position_.y, color);

    auto* screen = dynamic_cast<cAchieveBaseWidget*>(owner_);
    const AchievementDef* definition = FindDefinition(achievementIndex_);
    if (screen != nullptr && definition != nullptr && screen->GetScreenState() != 0) {
        const std::shared_ptr<vrk::cFont> font = screen->GetValueFont();
        if (font) {
            const std::string text =
                vrk::FormatToString("%i", vrk::FormatArg::FromInt(static_cast<int32_t>(definition->value)));
            const vrk::TextRect size = vrk::cRender::MeasureText(font.get(), text, true);
            const vec2 centre = position_ + screen->GetCaptionOffset();
            vrk::cRender::DrawText(*batch, font.get(), text, centre.x - size.width * 0.5f,
                                   centre.y - size.height * 0.5f, kValueColor);
        }
    }
    if (owner_ != nullptr) {
        for (EffectHolder* trail : {&trail1_, &trail2_}) {
            if (trail->HasEffect()) trail->Draw(owner_->GetViewMatrix());
        }
    }
}

int32_t cAchieve::HitTest(const vec2& point)
{
    Rect rect;
    GetFrameRect(rect, -1);
    return IsPointInRect(rect, point) ? 1 : 0;
}

int32_t cAchieve::OnMessage(uint32_t code, uintptr_t /*data*/)
{
    if (code == kMessageMouseEnter) {
        if (unlocked_ != 0) glowRate_ = kGlowUpRate;
        for (EffectHolder* trail : {&trail1_, &trail2_}) trail->SetEmitting(false);
        // A tile that names no achievement has nothing to say and nothing to mark.
        const AchievementDef* definition = FindDefinition(achievementIndex_);
        if (definition == nullptr) return 0;
        auto* screen = dynamic_cast<cAchieveBaseWidget*>(owner_);
        if (caption_ == nullptr && screen != nullptr) {
            caption_ = screen->AddCaptionAt(vrk::FindText(definition->descriptionKey),
                                            screen->GetCaptionOffset() + position_);
        }
        cMiddle* middle = GetMiddle();
        cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
        const auto index = static_cast<size_t>(achievementIndex_);
        if (player != nullptr && index < player->achievementNewFlags.size()) player->achievementNewFlags[index] = 0;
    } else if (code == kMessageMouseLeave) {
        glowRate_ = kGlowDownRate;
        ReleaseOwnCaption();
    }
    return 0;
}

void cAchieve::ShowNewStars()
{
    for (EffectHolder* trail : {&trail1_, &trail2_}) {
        if (!trail->HasEffect()) continue;
        trail->SetEmitting(true);
        trail->SetPosition(position_.x, position_.y);
    }
}
