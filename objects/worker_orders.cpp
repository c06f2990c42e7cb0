// cWorker's orders: the route of an order and its random work spot, the load and
// its delivery, whether the dispatcher may use the worker, and the price and text
// the player sees over a frozen worker.
#include <utility>

#include "engine/text/text_table.h"
#include "framework/objects/app_services.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/plant.h"
#include "objects/worker.h"

namespace {
constexpr size_t kMana = 3;

// The plant of the load's first resource in the order food, wood, money, while
// someone sits in it; null sends the load home.
cPlant* PlantFor(const LevelScreen& screen, const ResourceVector& load)
{
    const std::pair<size_t, cPlant*> plants[] = {{1, screen.mill}, {0, screen.sawmill}, {2, screen.goldMill}};
    for (const auto& [kind, plant] : plants) {
        if (load.At(kind) == 0) continue;
        return plant != nullptr && plant->CountTakenSeats() > 0 ? plant : nullptr;
    }
    return nullptr;
}

}  // namespace

void cWorker::SetRoute(const std::vector<vec2>& points) { route_ = points; }

vec2 cWorker::GetRoutePoint()
{
    if (route_.empty()) return vec2{};
    if (route_.size() == 1) return route_.front();
    cAppServices* services = GetAppServices();
    const float r = services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
    return route_[0] + (route_[1] - route_[0]) * r;
}

void cWorker::Reset()
{
    SetTarget(nullptr, 0);
    SetState(kStateIdle);
}

void cWorker::AssignTask(const ResourceVector& load, cGameObject* source) { load_.Assign(load, source); }

bool cWorker::StartDelivery()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (load_.IsEmpty() || screen == nullptr || screen->home == nullptr) return false;
    // Food goes to the mill, wood to the sawmill, money to the gold mill, each only
    // while a worker is seated there; pick-ups, mana and the rest go home.
    cGameObject* destination = screen->home;
    const bool fromItem = load_.source != nullptr && load_.source->IsKindOf(kTypeItem);
    if (cPlant* plant = fromItem ? nullptr : PlantFor(*screen, load_)) destination = plant;
    if (!screen->SendWorker(this, destination, 0)) SetState(kStateCutOff);
    return true;
}

bool cWorker::IsCutOff() { return GetState() == kStateCutOff; }

bool cWorker::CanCommand()
{
    switch (GetState()) {
    case kStateInside:
    case kStateCutOff:
    case kStateImprisoned:
    case kStateCharmed:
    case kStateStunned: return false;
    default: break;
    }
    if (frozen_ || inLove_) return false;
    // On the last leg into the home the worker is as good as inside.
    if (IsTargetHome() && !path_.empty() && static_cast<int64_t>(leg_) == static_cast<int64_t>(path_.size()) - 2) {
        return false;
    }
    return doorState_ == kDoorOutside;
}

bool cWorker::IsFree()
{
    if (GetState() == kStateCutOff || target_ != nullptr) return false;
    // A source without amounts is no load (a bell yields nothing): it would keep the
    // worker busy for ever.
    if (!load_.IsEmpty()) return false;
    if (threat_ != nullptr || doorState_ != kDoorOutside) return false;
    return CanCommand();
}

ResourceVector cWorker::GetCost()
{
    ResourceVector cost;
    if (frozen_ && cost.Size() > kMana) cost.amounts[kMana] = kThawMana;
    return cost;
}

std::string cWorker::GetHintText()
{
    if (frozen_) {
        const LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        std::string amounts;
        return vrk::FindText("Unfreeze") + ": " + GetCost().FormatResourceCost(amounts, stock) + "\n";
    }
    if (GetState() == kStateAtWork) return vrk::FindText("FreeWorker");
    return std::string();
}
