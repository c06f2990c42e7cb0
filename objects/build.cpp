// cBuild: the set-up by type name, the levels and prices, the order verdict, the
// hint text and the drawing (shadow, building, flag, smoke and the bobbing build
// icon).
#include "objects/build.h"

#include <algorithm>
#include <cmath>

#include "engine/log/log.h"
#include "engine/text/text_format.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kSender = "cBuild::SetSprite";
constexpr const char* kHouse = "house00";
constexpr const char* kHomeBase = "base00";
constexpr const char* kNoneAnimation = "none";
constexpr const char* kShadowSuffix = "_sh";
constexpr const char* kUpgradeSuffix = "_up";
constexpr const char* kBuildIcon = "icon_build";
constexpr const char* kFlagSprite = "base00_flag";
constexpr const char* kSmokeEffect = "build_smoke=%i";
constexpr const char* kLevelSeparator = ";";
constexpr vec2 kBarOffset{0.0f, -50.0f};
constexpr vec2 kHouseMarksOffset{-40.0f, 10.0f};
constexpr vec2 kFlagOffset{-4.0f, 104.0f};
constexpr int32_t kHomePlaces = 1000;
// A building has pictures up to level 2: its type name, "_up1" and "_up2"; a
// level above them would show nothing.
constexpr int32_t kTopPictureLevel = 2;
constexpr float kFadeSeconds = 1.0f;
// The smoke spreads over a fifth of the picture's width.
constexpr float kSmokeShare = 0.2f;
// The icon of an upgrade sits a third of the picture's height higher.
constexpr float kIconLift = 1.0f / 3.0f;
constexpr float kBobX = 7.0f;
constexpr float kBobY = 3.0f;
// Icon frames: 0 the stock lacks the price, 1 it holds it.
constexpr int32_t kIconAffordable = 1;
constexpr int32_t kIconTooDear = 0;

// The house: building costs 40 wood over 7 s, each upgrade 40 wood and 40 money
// over 5 s (wood, food, money, mana).
constexpr int32_t kHouseMaxLevel = 2;
constexpr int32_t kBuildPrice[4] = {40, 0, 0, 0};
constexpr int32_t kUpgradePrice[4] = {40, 0, 40, 0};
constexpr float kBuildSeconds = 7.0f;
constexpr float kUpgradeSeconds = 5.0f;

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

}  // namespace

cBuild::cBuild(cObjectOwner* owner) : cGameObject(owner) { layer_ = kBuildLayer; }

cBuild::~cBuild()
{
    smoke_.Clear();
    price_.Clear();
}

int32_t cBuild::GetTypeId() const { return kTypeBuild; }

bool cBuild::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBuild, id); }

bool cBuild::IsHomeBase() const { return sprite_ == kHomeBase; }

void cBuild::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    barOffset_ = kBarOffset;
    if (!IsHomeBase()) shadowSprite_.SetSprite(sprite + kShadowSuffix, kPlayLoopForward, LoadNow(owner_));
    buildIcon_.SetSprite(kBuildIcon, kPlayStopped, LoadNow(owner_));

    if (sprite == kHouse) {
        AddAnimation(kNoneAnimation, "zone3x2");
        AddAnimation("0", kHouse);
        AddAnimation("1", "house00_up1");
        AddAnimation("2", "house00_up2");
        marksOffset_ = kHouseMarksOffset;
        SetZoneSize(3, 2);
    } else if (IsHomeBase()) {
        AddAnimation("0", kHomeBase);
        flagSprite_.SetSprite(kFlagSprite, kPlayLoopForward, LoadNow(owner_));
        SetZoneSize(3, 3);
        SetState(kStateWorkDone);
        PlayAnimation("0", kPlayStopped);
        if (LevelScreen* screen = CurrentLevelScreen()) screen->home = this;
        SetPlaces(kHomePlaces);
        level_ = 0;
        maxLevel_ = 0;
        return;
    }

    PlayAnimation(kNoneAnimation, kPlayStopped);
    SetFadeTime(kFadeSeconds);
    ReadLevelText();
    SetupLevel();
    SetUpSmoke();
}

void cBuild::ReadLevelText()
{
    if (text_.empty()) return;
    // A non-number reads as 0; what is left to guard against is a maximum below 0
    // or above the pictures, and a starting level that no animation has.
    const auto [maxText, levelText] = vrk::SplitPair(text_, kLevelSeparator);
    const bool startsBuilt = text_.find(kLevelSeparator) != std::string::npos;
    const int32_t maxLevel = std::clamp(vrk::StrToIntOrZero(maxText), 0, kTopPictureLevel);
    bool fixed = maxLevel != vrk::StrToIntOrZero(maxText);
    SetMaxLevel(maxLevel);
    if (startsBuilt) {
        const int32_t wanted = vrk::StrToIntOrZero(levelText);
        level_ = std::clamp(wanted, 0, maxLevel_);
        fixed = fixed || level_ != wanted;
        PlayAnimation(std::to_string(level_), kPlayStopped);
        if (GetFrameCount() > 0) SetFrame(GetFrameCount() - 1);
        // SetFrame's cross-fade shows work rising frame by frame; a building the level
        // starts with stands finished from the first frame instead of fading in from
        // its foundation.
        fadeTimer_ = 0.0f;
        SetState(kStateWorkDone);
    }
    if (fixed) {
        vrk::LogWrite(kSender, "^5", "Building %i: levels '%s' out of range, kept within 0 and the maximum",
                      vrk::FormatArg::FromInt(id_), vrk::FormatArg::FromString(text_));
    }
}

void cBuild::SetUpSmoke()
{
    Rect frame;
    GetFrameRect(frame, -1);
    const auto spread = static_cast<int32_t>(frame.width * kSmokeShare);
    smoke_.SetEffect(OwnerBatch(), vrk::FormatToString(kSmokeEffect, vrk::FormatArg::FromInt(spread)));
    // A building without a picture smokes at its position, not at the world's origin.
    const vec2 centre = frame.width > 0.0f || frame.height > 0.0f
                            ? vec2{frame.x + frame.width * 0.5f, frame.y + frame.height * 0.5f}
                            : GetPosition();
    smoke_.SetPosition(centre.x, centre.y);
    smoke_.SetEmitting(false);
}

void cBuild::SetMaxLevel(int32_t maxLevel) { maxLevel_ = maxLevel; }

void cBuild::SetupLevel()
{
    if (sprite_ != kHouse) return;
    if (level_ == kNotBuilt) {
        price_ = ResourceVector(kBuildPrice, std::size(kBuildPrice));
        SetTimerPeriod(kBuildSeconds);
    } else if (level_ >= 0 && level_ < kHouseMaxLevel) {
        price_ = ResourceVector(kUpgradePrice, std::size(kUpgradePrice));
        SetTimerPeriod(kUpgradeSeconds);
    }
}

int32_t cBuild::HitTest(const vec2& point)
{
    // While a worker is inside the building takes no click (HidesPoint keeps its
    // picture from passing the click on).
    if (GetUsedPlaces() != 0) return 0;
    return HitsPicture(point) ? 1 : 0;
}

bool cBuild::HidesPoint(const vec2& point) { return CoverAt(point) == vrk::kCoverSolid; }

bool cBuild::HitsPicture(const vec2& point) const
{
    // The player clicks what he sees: the solid picture (a roof, a tower, a lamp)
    // is the building wherever it reaches; a faint edge or a plot's tint only over
    // the building's own cells.
    const vrk::TexelCover cover = CoverAt(point);
    if (cover == vrk::kCoverSolid) return true;
    return cover != vrk::kCoverNone && HitsFootprint(point);
}

bool cBuild::HitsFootprint(const vec2& point) const
{
    if (owner_ == nullptr) return false;
    // A point off the grid (no cell) never hits, even a footprint that reaches over
    // the grid's edge.
    GridCell first;
    GridCell last;
    if (!owner_->GetObjectCells(this, first, last)) return false;
    const GridCell cell = owner_->PointToCell(point);
    if (cell.x < 0 || cell.y < 0) return false;
    return first.x <= cell.x && cell.x <= last.x && first.y <= cell.y && cell.y <= last.y;
}

int32_t cBuild::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    if (newState == kStateNone) {
        PlayAnimation(kNoneAnimation, kPlayStopped);
        level_ = kNotBuilt;
    } else if (newState == kStateWorking && !IsHomeBase()) {
        // The next level's frames show the work as it runs.
        PlayAnimation(std::to_string(level_ + 1), kPlayStopped);
    }
    return 0;
}

int32_t cBuild::GetOrderState()
{
    if (IsHomeBase()) return kOrderRefused;
    const int32_t verdict = cGameObject::GetOrderState();
    if (verdict != kOrderAllowed) return verdict;
    if (level_ < maxLevel_) return kOrderAllowed;
    return kOrderRefused;
}

ResourceVector cBuild::GetCost()
{
    if (GetState() != kStateWorking && level_ < maxLevel_) return price_;
    return ResourceVector();
}

std::string cBuild::GetHintText()
{
    if (IsHomeBase()) return std::string();
    const int32_t state = GetState();
    const bool upgrade = state == kStateWorkDone && level_ < maxLevel_;
    std::string text = vrk::FindText(upgrade ? sprite_ + kUpgradeSuffix : sprite_);
    if (state == kStateWorking && GetUsedPlaces() == 0) return text + "\n" + vrk::FindText("FinishWork");
    const ResourceVector cost = GetCost();
    if (!cost.IsZero() && (state == kStateNone || level_ < maxLevel_)) {
        const LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        std::string amounts;
        text += "\n" + vrk::FindText("Price") + ": " + cost.FormatResourceCost(amounts, stock);
    }
    return text;
}

bool cBuild::ShowsBuildIcon() const
{
    return IsInteractive() && GetState() != kStateWorking && level_ < maxLevel_;
}

void cBuild::Draw()
{
    vrk::VertexBatch* batch = OwnerBatch();
    const vec2 at = GetPosition();
    const uint32_t color = GetColor();
    if (batch != nullptr && GetState() != kStateNone) shadowSprite_.Draw(*batch, at.x, at.y, color);
    cGameObject::Draw();
    if (batch != nullptr) flagSprite_.Draw(*batch, at.x + kFlagOffset.x, at.y + kFlagOffset.y, color);
    if (owner_ != nullptr) smoke_.Draw(owner_->GetViewMatrix());
    if (batch == nullptr || !ShowsBuildIcon()) return;

    vec2 icon = at;
    if (level_ >= 0 && maxLevel_ > 0) {
        Rect frame;
        GetFrameRect(frame, -1);
        icon.y += frame.height * kIconLift;
    }
    const bool affordable = owner_ != nullptr && owner_->HasResources(GetCost());
    int32_t frame = kIconTooDear;
    if (affordable) {
        frame = kIconAffordable;
        icon.x += kBobX * std::sin(bobPhase_);
        icon.y += kBobY * std::cos(2.0f * bobPhase_);
    }
    buildIcon_.play.frame = std::min(frame, std::max(buildIcon_.play.frameCount - 1, 0));
    buildIcon_.Draw(*batch, icon.x, icon.y, color);
}
