// cPlant: the set-up by type name, the prices and production of each level, the
// seats with their heads (hit test, rectangles, hint) and the drawing.
#include "objects/plant.h"

#include <algorithm>
#include <iterator>

#include "engine/render/render.h"
#include "engine/text/text_table.h"
#include "framework/objects/man.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kMill = "mill00";
constexpr const char* kSawmill = "sawmill00";
constexpr const char* kGoldMill = "goldmill00";
constexpr const char* kFanSprite = "mill00_fan";
constexpr const char* kSeatSprite = "goldmill00_seat";
constexpr const char* kHeadIcon = "icon_head";
constexpr const char* kHeadCircle = "icon_head_circle";
constexpr const char* kSmokeEffect = "smoke";
constexpr const char* kUpgradeSuffix = "_up";
constexpr float kFadeSeconds = 1.0f;
constexpr int32_t kPlantZone = 2;
constexpr int32_t kWood = 0;
constexpr int32_t kFood = 1;
constexpr int32_t kMoney = 2;

// The step from one level to the next: its price (wood, food, money, mana) and work
// period; from level 0 on also the production of the level reached.
struct PlantLevel {
    int32_t seats;
    float processTime;
    float factor;
    float respawnPeriod;
    int32_t price[4];
    float period;
};
constexpr vec2 kUnbuiltMarksOffset{-40.0f, 10.0f};
constexpr vec2 kBuiltMarksOffset{-20.0f, 10.0f};
constexpr PlantLevel kUnbuilt{0, 0.0f, 0.0f, 0.0f, {30, 0, 0, 0}, 8.0f};
constexpr PlantLevel kLevels[] = {
    {1, 4.0f, 1.5f, 23.0f, {30, 0, 30, 0}, 6.0f},
    {2, 6.0f, 2.0f, 17.0f, {50, 0, 50, 0}, 8.0f},
    {3, 10.0f, 2.5f, 10.0f, {100, 0, 100, 0}, 10.0f},
};

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

}  // namespace

cPlant::cPlant(cObjectOwner* owner) : cBuild(owner)
{
    for (EffectHolder* smoke : {&smokeLeft_, &smokeRight_}) {
        smoke->SetEffect(OwnerBatch(), kSmokeEffect);
        smoke->SetEmitting(false);
    }
}

cPlant::~cPlant()
{
    smokeLeft_.Clear();
    smokeRight_.Clear();
    // The level screen must not keep a plant that is gone.
    if (LevelScreen* screen = CurrentLevelScreen()) {
        for (cPlant** plant : {&screen->mill, &screen->sawmill, &screen->goldMill}) {
            if (*plant == this) *plant = nullptr;
        }
    }
}

int32_t cPlant::GetTypeId() const { return kTypePlant; }

bool cPlant::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypePlant, id); }

bool cPlant::IsMill() const { return sprite_ == kMill; }
bool cPlant::IsSawmill() const { return sprite_ == kSawmill; }
bool cPlant::IsGoldMill() const { return sprite_ == kGoldMill; }

void cPlant::SetSprite(const std::string& sprite)
{
    // The animations come first: the building's set-up shows them as the level-file
    // text asks and sizes its smoke by the frame that shows.
    sprite_ = sprite;
    AddAnimation("none", "zone2x2");
    AddAnimation("0", sprite);
    AddAnimation("1", sprite + "_up1");
    AddAnimation("2", sprite + "_up2");
    SetZoneSize(kPlantZone, kPlantZone);
    LevelScreen* screen = CurrentLevelScreen();
    if (IsMill()) {
        if (screen != nullptr) screen->mill = this;
        fanSprite_.SetSprite(kFanSprite, kPlayStopped, LoadNow(owner_));
    } else if (IsSawmill()) {
        if (screen != nullptr) screen->sawmill = this;
    } else if (IsGoldMill()) {
        if (screen != nullptr) screen->goldMill = this;
        seatSprite_.SetSprite(kSeatSprite, kPlayStopped, LoadNow(owner_));
    }
    headIcon_.SetSprite(kHeadIcon, kPlayStopped, LoadNow(owner_));
    headCircle_.SetSprite(kHeadCircle, kPlayStopped, LoadNow(owner_));
    cBuild::SetSprite(sprite);
}

void cPlant::SetupLevel()
{
    if (level_ == kNotBuilt) {
        price_ = ResourceVector(kUnbuilt.price, std::size(kUnbuilt.price));
        SetTimerPeriod(kUnbuilt.period);
        marksOffset_ = kUnbuiltMarksOffset;
    } else if (level_ >= 0 && static_cast<size_t>(level_) < std::size(kLevels)) {
        const PlantLevel& row = kLevels[level_];
        SetSeatCount(row.seats);
        processTime_ = row.processTime;
        factor_ = row.factor;
        respawnPeriod_ = row.respawnPeriod;
        price_ = ResourceVector(row.price, std::size(row.price));
        SetTimerPeriod(row.period);
        // Also for a plant that starts built above level 0.
        marksOffset_ = kBuiltMarksOffset;
    }
    resourceKind_ = IsSawmill() ? kWood : IsMill() ? kFood : IsGoldMill() ? kMoney : -1;
    respawn_.current = 0.0f;
    respawn_.SetTarget(kFirstRespawnSeconds);
}

bool cPlant::HasSeat(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < seats_.size(); }

void cPlant::SetSeatCount(int32_t count) { seats_.resize(static_cast<size_t>(std::max(count, 0)), kSeatFree); }

void cPlant::SetSeat(int32_t index, int32_t status)
{
    if (!HasSeat(index)) return;
    if (status == kSeatTaken && CountTakenSeats() == 0) {
        const vec2 at = GetPosition();
        if (IsSawmill()) {
            if (!smokeLeft_.IsEmitting()) smokeLeft_.SetEmitting(true);
            smokeLeft_.SetPosition(at.x + 5.0f, at.y + 80.0f);
        } else if (IsMill()) {
            fanSprite_.play.mode = kPlayLoopForward;
            fanSprite_.SetPlayMode(false, kPlayLoopForward);
        } else if (IsGoldMill()) {
            if (!smokeLeft_.IsEmitting()) {
                smokeLeft_.SetEmitting(true);
                smokeLeft_.SetPosition(at.x - 30.0f, at.y + 100.0f);
            }
            if (!smokeRight_.IsEmitting()) {
                smokeRight_.SetEmitting(true);
                smokeRight_.SetPosition(at.x + 20.0f, at.y + 100.0f);
            }
        }
    }
    seats_[static_cast<size_t>(index)] = status;
}

void cPlant::FreeSeat(int32_t index)
{
    if (turningAway_ || !HasSeat(index) || seats_[static_cast<size_t>(index)] == kSeatFree) return;
    LevelScreen* screen = CurrentLevelScreen();
    if (seats_[static_cast<size_t>(index)] == kSeatTaken && screen != nullptr) {
        ObjectList workers;
        screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
        for (cObject* object : workers) {
            auto* worker = dynamic_cast<cMan*>(object);
            if (worker == nullptr || worker->GetState() != kWorkerInsideState || worker->GetTarget() != this ||
                worker->GetTargetKind() != index + kFirstSeatPart) {
                continue;
            }
            worker->SetState(kWorkerIdleState);
            break;
        }
    }
    seats_[static_cast<size_t>(index)] = kSeatFree;
    if (CountTakenSeats() > 0) return;
    smokeLeft_.SetEmitting(false);
    smokeRight_.SetEmitting(false);
    if (IsMill()) {
        fanSprite_.play.mode = kPlayStopped;
        fanSprite_.SetPlayMode(false, kPlayStopped);
    }
}

int32_t cPlant::CountFreeSeats() const
{
    return static_cast<int32_t>(std::count(seats_.begin(), seats_.end(), kSeatFree));
}

int32_t cPlant::CountTakenSeats() const
{
    return static_cast<int32_t>(std::count(seats_.begin(), seats_.end(), kSeatTaken));
}

void cPlant::ClearReservations()
{
    cGameObject::ClearReservations();
    for (int32_t& seat : seats_) {
        if (seat == kSeatReserved) seat = kSeatFree;
    }
}

int32_t cPlant::OnStateChange(int32_t oldState, int32_t newState)
{
    // An upgrade empties the plant before the work starts.
    if (newState == kStateWorking) {
        for (size_t index = 0; index < seats_.size(); ++index) FreeSeat(static_cast<int32_t>(index));
    }
    return cBuild::OnStateChange(oldState, newState);
}

bool cPlant::GetHeadRect(int32_t index, Rect& rect) const
{
    rect = Rect{};
    if (!HasSeat(index) || !headIcon_.info.IsSprite()) return false;
    const vec2 icon = headIcon_.info.Size(headIcon_.play.frame);
    Rect frame;
    GetFrameRect(frame, -1);
    // The heads stand edge to edge, centred on the picture, their tops on its top.
    const float count = static_cast<float>(seats_.size());
    rect.x = frame.x + frame.width * 0.5f - count * icon.x * 0.5f + static_cast<float>(index) * icon.x;
    rect.y = frame.y + frame.height - icon.y;
    rect.width = icon.x;
    rect.height = icon.y;
    return true;
}

int32_t cPlant::HitTest(const vec2& point)
{
    if (GetState() != kStateWorking) {
        for (size_t index = 0; index < seats_.size(); ++index) {
            Rect head;
            if (!GetHeadRect(static_cast<int32_t>(index), head)) break;
            if (point.x >= head.x && point.x < head.x + head.width && point.y >= head.y &&
                point.y < head.y + head.height) {
                return static_cast<int32_t>(index) + kFirstSeatPart;
            }
        }
    }
    return HitsPicture(point) ? 1 : 0;
}

void cPlant::GetRect(Rect& rect, int32_t part)
{
    if (part < kFirstSeatPart) {
        GetFrameRect(rect, -1);
        return;
    }
    GetHeadRect(part - kFirstSeatPart, rect);
}

std::string cPlant::GetHintText()
{
    const bool hovered = owner_ != nullptr && owner_->GetHoveredObject() == this;
    const int32_t seat = (hovered ? owner_->GetHoveredPart() : 0) - kFirstSeatPart;
    const int32_t state = GetState();
    if (HasSeat(seat)) {
        std::string text = vrk::FindText(sprite_);
        const int32_t status = seats_[static_cast<size_t>(seat)];
        if (status == kSeatFree) text += "\n" + vrk::FindText("AddWorker");
        if (status == kSeatTaken) text += "\n" + vrk::FindText("FreeWorker");
        return text;
    }
    const bool upgrade = state == kStateWorkDone && level_ < maxLevel_;
    std::string text = vrk::FindText(upgrade ? sprite_ + kUpgradeSuffix : sprite_);
    const ResourceVector cost = GetCost();
    if (!cost.IsZero() && (state == kStateNone || level_ < maxLevel_)) {
        const LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        std::string amounts;
        text += "\n" + vrk::FindText("Price") + ": " + cost.FormatResourceCost(amounts, stock);
    }
    return text;
}

void cPlant::Draw()
{
    vrk::VertexBatch* batch = OwnerBatch();
    const vec2 at = GetPosition();
    const uint32_t color = GetColor();
    if (batch != nullptr && IsGoldMill() && GetState() != kStateNone) seatSprite_.Draw(*batch, at.x, at.y, color);
    cBuild::Draw();
    if (owner_ != nullptr) {
        smokeLeft_.Draw(owner_->GetViewMatrix());
        smokeRight_.Draw(owner_->GetViewMatrix());
    }
    if (batch != nullptr && GetState() == kStateWorkDone) {
        if (IsMill() && level_ >= 0) fanSprite_.Draw(*batch, at.x, at.y, color);
        DrawHeads(*batch);
    }
    if (owner_ != nullptr && processing_.current != processing_.target && processing_.target > 0.0f) {
        owner_->DrawProgress(at + barOffset_, processing_.current / processing_.target);
    }
}

void cPlant::DrawHeads(vrk::VertexBatch& batch)
{
    const uint32_t color = GetColor();
    const SpriteAnim* mark = owner_ != nullptr ? owner_->GetReservationMark() : nullptr;
    const vec2 hotSpot = headIcon_.info.HotSpot(headIcon_.play.frame);
    for (size_t index = 0; index < seats_.size(); ++index) {
        Rect head;
        if (!GetHeadRect(static_cast<int32_t>(index), head)) return;
        const vec2 at{head.x + hotSpot.x, head.y + hotSpot.y};
        headCircle_.Draw(batch, at.x, at.y, color);
        const int32_t status = seats_[index];
        headIcon_.Draw(batch, at.x, at.y, status == kSeatTaken ? color : kFreeHeadColor);
        if (status == kSeatReserved && mark != nullptr) mark->Draw(batch, at.x, at.y, color);
    }
}

void cPlant::DrawSelection()
{
    cBuild::DrawSelection();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr || linkedItem_ == nullptr || linkedItem_->GetState() == kStateRemoved) return;
    const vec2 from = linkedItem_->GetPosition();
    const vec2 to = GetPosition();
    vrk::cRender::DrawLine(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, from.x, from.y, to.x, to.y, kLinkLineWidth,
                           kLinkLineColor);
}
