// cGameObject: the work timer, reservations, hint pop-up and its notices, order
// verdict and the footprint on the path grid. Drawing lives in game_object_draw.cpp.
#include "framework/objects/game_object.h"

#include <algorithm>

#include "framework/objects/object_owner.h"

cGameObject::cGameObject(cObjectOwner* owner) : cObject(owner) { layer_ = kGameObjectLayer; }

cGameObject::~cGameObject() { ReleaseHint(); }

void cGameObject::ReleaseHint()
{
    if (hintHandle_ == nullptr) return;
    CaptionHandle* handle = hintHandle_;
    hintHandle_ = nullptr;
    if (owner_ != nullptr) owner_->ReleaseCaption(handle);
}

void cGameObject::EndNotice()
{
    noticeTicks_ = 0;
    if (owner_ != nullptr && owner_->GetHoveredObject() == this) {
        owner_->ShowHint(this, std::string(), 0.0f);
    } else {
        ReleaseHint();
    }
}

void cGameObject::Update()
{
    cObject::Update();
    // A notice is the player's answer to a click: the hint text must not overwrite it
    // before it could be read.
    if (noticeTicks_ > 0) {
        if (--noticeTicks_ == 0) EndNotice();
        return;
    }
    if (++updateCounter_ < kHintRefreshTicks) return;
    updateCounter_ = 0;
    if (hintHandle_ != nullptr && owner_ != nullptr) owner_->SetCaptionText(hintHandle_, GetHintText());
}

int32_t cGameObject::OnMessage(uint32_t code, uintptr_t data)
{
    switch (code) {
    case kMessageStateChange: {
        const auto* change = reinterpret_cast<const StateChange*>(data);
        return change != nullptr ? OnStateChange(change->oldState, change->newState) : 0;
    }
    case kMessageMouseLeave:
        // A notice stays its time; it closes itself.
        if (noticeTicks_ == 0) ReleaseHint();
        break;
    case kMessageMouseHover:
        // The screen fills the text from GetHintText and stores the handle here.
        if (owner_ != nullptr && noticeTicks_ == 0) owner_->ShowHint(this, std::string(), 0.0f);
        break;
    case kMessageWorkTimer:
        SetState(kStateWorkDone);
        break;
    default:
        break;
    }
    return 0;
}

int32_t cGameObject::GetTypeId() const { return kTypeGameObject; }

bool cGameObject::IsKindOf(int32_t id) const { return id == kTypeGameObject || cObject::IsKindOf(id); }

int32_t cGameObject::HitTest(const vec2& point)
{
    if (GetAnimation() == nullptr) return 0;
    // The transparent parts of the frame are not the object: the pointer reaches
    // what is seen through them.
    return ShowsAt(point) ? 1 : 0;
}

int32_t cGameObject::OnStateChange(int32_t /*oldState*/, int32_t /*newState*/) { return 0; }

int32_t cGameObject::GetOrderState()
{
    if (interactive_ == 0) return kOrderNotInteractive;
    const int32_t freePlaces = GetFreePlaces();
    // A negative count (a capacity set below 0) leaves no place either.
    if (freePlaces <= 0) return kOrderNoFreePlace;
    const int64_t reserved = reservations_;
    if (placeCapacity_ == 1) {
        if (reserved >= freePlaces) return kOrderPlacesReserved;
    } else if (placeCapacity_ > 1) {
        const int64_t working = owner_ != nullptr ? owner_->CountWorkersAt(this) : 0;
        if (working + reserved >= placeCapacity_) return kOrderPlacesReserved;
    }
    if (GetState() == kStateWorking) return kOrderAllowed;
    const ResourceVector cost = GetCost();
    if (cost.IsZero()) return kOrderAllowed;
    if (owner_ != nullptr && owner_->HasResources(cost)) return kOrderAllowed;
    return kOrderCannotPay;
}

ResourceVector cGameObject::GetCost() { return ResourceVector(); }

ResourceVector cGameObject::GetYield() { return ResourceVector(); }

std::string cGameObject::GetHintText() { return std::string(); }

int32_t cGameObject::UpdateTimer(float dt)
{
    if (timerRemaining_ > 0.0f) {
        timerRemaining_ -= dt;
        if (timerRemaining_ <= 0.0f) {
            timerRemaining_ = 0.0f;
            OnMessage(kMessageWorkTimer, 0);
            return kTimerIdle;
        }
        return kTimerRunning;
    }
    if (timerPeriod_ > 0.0f) {
        timerRemaining_ = timerPeriod_;
        return kTimerRestarted;
    }
    return kTimerIdle;
}

float cGameObject::GetTimerProgress()
{
    return timerPeriod_ > 0.0f ? 1.0f - timerRemaining_ / timerPeriod_ : 0.0f;
}

void cGameObject::SetTimerPeriod(float seconds) { timerPeriod_ = seconds; }

void cGameObject::GetRect(Rect& rect, int32_t /*part*/) { GetFrameRect(rect, -1); }

float cGameObject::GetRadius()
{
    if (!GetAttached().empty()) return 0.0f;
    Rect rect;
    GetFrameRect(rect, -1);
    return rect.width * 0.5f;
}

void cGameObject::SetZoneSize(int32_t width, int32_t height)
{
    zoneWidth_ = width;
    zoneHeight_ = height;
}

void cGameObject::MarkZone(int32_t value)
{
    if (zoneWidth_ <= 0 || zoneHeight_ <= 0 || owner_ == nullptr) return;
    GridCell first;
    GridCell last;
    if (!owner_->GetObjectCells(this, first, last)) return;
    // Cells below 0 lie outside every grid, so the walk starts at 0; 64-bit
    // counters so that a range ending at the largest int still ends.
    for (int64_t x = std::max(first.x, 0); x <= last.x; ++x) {
        for (int64_t y = std::max(first.y, 0); y <= last.y; ++y) {
            owner_->SetCellBlocked(static_cast<int32_t>(x), static_cast<int32_t>(y), value != 0);
        }
    }
}

void cGameObject::GetZoneRect(Rect& rect)
{
    // The highlight ring reaches 0.4 of the footprint's width to each side and 2.5
    // times less above and below, so it lies flat around the object.
    constexpr float kRingShare = 0.4f;
    constexpr float kRingAspect = 2.5f;
    const vec2 cell = owner_ != nullptr ? owner_->GetCellSize()
                                        : vec2{cObjectOwner::kGridCellSize, cObjectOwner::kGridCellSize};
    const float width = static_cast<float>(std::max(zoneWidth_, 1)) * cell.x;
    const float height = static_cast<float>(std::max(zoneHeight_, 1)) * cell.y;
    const float ringX = kRingShare * width;
    const float ringY = ringX / kRingAspect;
    const vec2 at = GetPosition();
    rect = Rect{at.x - width / 2.0f - ringX, at.y - height / 2.0f - ringY, width + 2.0f * ringX,
                height + 2.0f * ringY};
}

void cGameObject::AddReservation() { ++reservations_; }

uint32_t cGameObject::RemoveReservation()
{
    if (reservations_ == 0) return 0;
    return --reservations_;
}

void cGameObject::ClearReservations() { reservations_ = 0; }
