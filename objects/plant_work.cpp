// cPlant at work: clicks on the heads, workers who arrive for a seat or with a
// load, the processing of the queued loads and the return of the linked pick-up.
#include <cmath>
#include <limits>

#include "engine/sound/sound_play.h"
#include "framework/objects/man.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/plant.h"
#include "objects/worker.h"

namespace {

constexpr vec2 kIncomeOffset{0.0f, 80.0f};
constexpr const char* kIncomeSound = "res_income";
constexpr const char* kRespawnSound = "respawn";
// Answers to a message: consumed or passed on.
constexpr int32_t kConsumed = 1;
constexpr int32_t kPassedOn = 0;

// A run of the timed value from 0 to `seconds` at its speed.
void StartRun(TimedValue<float>& value, float seconds)
{
    value.current = 0.0f;
    value.SetTarget(seconds);
}

bool IsIdle(const TimedValue<float>& value) { return value.elapsed >= value.duration; }

// One tick of a run: true when it ends now. A run too short to animate ends at once.
bool AdvanceRun(TimedValue<float>& value)
{
    if (value.duration <= 0.0f) return true;
    return value.Step(cObject::kTickSeconds) == kTimedArrived;
}

// The amount times the factor, cut to a whole number and kept within int32.
int32_t Multiplied(int32_t amount, float factor)
{
    const double value = std::trunc(static_cast<double>(amount) * static_cast<double>(factor));
    if (!(value < static_cast<double>(std::numeric_limits<int32_t>::max()))) {
        return value > 0.0 ? std::numeric_limits<int32_t>::max() : 0;
    }
    if (value < static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace

int32_t cPlant::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kEventPartClick) return OnSeatClick(data);
    if (code == kMessagePathFinished && data != 0) {
        const auto& walk = *reinterpret_cast<const WalkEvent*>(data);
        if (walk.man != nullptr && walk.kind >= kFirstSeatPart) {
            TakeIn(*walk.man, walk.kind - kFirstSeatPart);
            return kConsumed;
        }
        if (walk.man != nullptr && TakeDelivery(*walk.man)) return kConsumed;
    }
    return cBuild::OnMessage(code, data);
}

int32_t cPlant::OnSeatClick(uintptr_t part)
{
    if (part < static_cast<uintptr_t>(kFirstSeatPart) || part - kFirstSeatPart >= seats_.size()) return kConsumed;
    const auto index = static_cast<int32_t>(part - kFirstSeatPart);
    switch (seats_[static_cast<size_t>(index)]) {
    case kSeatFree:
        // Not consumed: the level screen goes on and sends a worker for this seat.
        SetSeat(index, kSeatReserved);
        return kPassedOn;
    case kSeatTaken: FreeSeat(index); return kConsumed;
    default: return kConsumed;
    }
}

void cPlant::TakeIn(cMan& walker, int32_t index)
{
    // Only into a seat that exists and that nobody holds: a worker seated without a
    // seat of his own could never be called out again. An upgrade under way turns
    // him away as it sent the seated ones out.
    if (!HasSeat(index) || seats_[static_cast<size_t>(index)] == kSeatTaken || GetState() == kStateWorking) {
        turningAway_ = true;
        walker.SetState(kWorkerIdleState);
        turningAway_ = false;
        return;
    }
    walker.SetState(kWorkerInsideState);
    SetSeat(index, kSeatTaken);
    if (IsMill()) {
        if (LevelScreen* screen = CurrentLevelScreen()) screen->noMillFlag = false;
    }
}

bool cPlant::TakeDelivery(cMan& walker)
{
    auto* worker = dynamic_cast<cWorker*>(&walker);
    if (worker == nullptr || resourceKind_ < 0 || worker->Load().At(static_cast<size_t>(resourceKind_)) == 0) {
        return false;
    }
    QueueDelivery(worker->Load());
    worker->Load().Clear();
    worker->SetState(kWorkerIdleState);
    return true;
}

void cPlant::QueueDelivery(const ResourceVector& load) { deliveries_.push_back(load); }

float cPlant::GetRatePerWorker() const
{
    const int32_t taken = CountTakenSeats();
    return processTime_ / static_cast<float>(taken > 0 ? taken : 1);
}

float cPlant::GetRespawnPeriod() const { return respawnPeriod_; }

void cPlant::Update()
{
    cBuild::Update();
    smokeLeft_.Update(kTickSeconds);
    smokeRight_.Update(kTickSeconds);
    fanSprite_.Update(kTickSeconds);
    // Loads and the pick-up wait while nobody sits inside.
    if (CountTakenSeats() == 0) return;
    UpdateProcessing();
    UpdateRespawn();
}

void cPlant::UpdateProcessing()
{
    if (deliveries_.empty()) return;
    if (IsIdle(processing_)) {
        StartRun(processing_, GetRatePerWorker());
        vrk::PlaySound(sprite_ == "sawmill00" ? "sawmill" : sprite_ == "mill00" ? "mill" : "goldmill");
    }
    if (!AdvanceRun(processing_)) return;

    ResourceVector income = deliveries_.front();
    deliveries_.pop_front();
    if (resourceKind_ >= 0 && static_cast<size_t>(resourceKind_) < income.Size()) {
        int32_t& amount = income.amounts[static_cast<size_t>(resourceKind_)];
        amount = Multiplied(amount, factor_);
    }
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    screen->AddResources(income);
    vrk::PlaySound(kIncomeSound);
    std::string text;
    screen->AddEffect(income.FormatResourceAmounts(text, false), GetPosition() + kIncomeOffset);
}

void cPlant::UpdateRespawn()
{
    if (linkedItem_ == nullptr || linkedItem_->GetState() != kStateNone) return;
    if (IsIdle(respawn_)) StartRun(respawn_, GetRespawnPeriod());
    if (!AdvanceRun(respawn_)) return;
    linkedItem_->SetState(kStateWorkDone);
    vrk::PlaySound(kRespawnSound);
}
