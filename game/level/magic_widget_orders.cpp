// cMagicWidget: the player's orders. A click on a level object is checked and then
// queued for a worker, sent straight to the hero or the wife, or answered at once (a
// bell, a worker); every tick the waiting orders go to the nearest free workers.
// Also the screen's answer to leaving play.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/sound/sound_play.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/objects/app_services.h"
#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
#include "game/level/magic_widget.h"
#include "objects/bell.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/wife.h"
#include "objects/worker.h"

namespace {

constexpr const char* kWorkerOutSound = "worker_out";
constexpr const char* kHeroOutSound = "hero_out%i";
constexpr const char* kWifeOutSound = "wife_out%i";
constexpr const char* kPathBlockedText = "PathIsBlocked";
constexpr const char* kNeedMoreText = "NeedMore";
constexpr const char* kNoHeroText = "NoHero";
// A walk this long (or no walk) never takes an order.
constexpr float kOutOfReach = 10000.0f;

// One of the two variants of a sound ("hero_out0" or "hero_out1"), drawn.
void PlayVariant(const char* pattern)
{
    cAppServices* services = GetAppServices();
    const int32_t variant = services != nullptr ? services->GetRandomGen().Next(1) : 0;
    char name[32];
    std::snprintf(name, sizeof name, pattern, variant);
    vrk::PlaySound(name);
}

std::string NeedMoreText(const ResourceVector& stock, const ResourceVector& cost)
{
    std::string amounts;
    stock.ResourceShortfall(cost).FormatResourceAmounts(amounts, true);
    return vrk::FindText(kNeedMoreText) + ": " + amounts;
}

}  // namespace

uint32_t cMagicWidget::OnObjectClick(cObject* object)
{
    // A talk or the level's end holds the player's orders.
    if (IsPaused()) return 0;
    if (object == nullptr || !object->IsKindOf(kTypeGameObject)) return 0;
    auto* target = static_cast<cGameObject*>(object);
    auto* worker = object->IsKindOf(kTypeWorker) ? dynamic_cast<cWorker*>(object) : nullptr;
    if (worker != nullptr && !worker->IsFrozen()) {
        worker->Reset();
        return 0;
    }
    if (object->IsKindOf(kTypeBell)) {
        if (auto* bell = dynamic_cast<cBell*>(object)) bell->RingAlarm();
        return 0;
    }
    const int32_t part = object->HitTest(GetMouseWorldPos());
    // A sub-part (a plant's seat) is the object's own business first.
    if (part > 1 && object->OnMessage(kEventPartClick, static_cast<uintptr_t>(part)) != 0) return 0;
    const bool forWife = !object->IsKindOf(kTypeEnemy) &&
                         (object->IsKindOf(kTypeAltar) || worker != nullptr || object->IsKindOf(kTypePrison));
    // Sending the wife elsewhere gives up the order she was paid for (also while
    // she casts): its price is back in the stock before the new price is checked,
    // and is taken again only when she stays on that order.
    const ResourceVector pending = forWife && wife != nullptr ? wife->PaidCost() : ResourceVector();
    if (!pending.IsZero()) wife->RefundCost();
    const auto keepPending = [this, &pending] {
        if (pending.IsZero() || wife == nullptr || !SpendResources(pending)) return;
        wife->PaidCost() = pending;
    };
    if (!CheckOrder(target, part, true)) {
        keepPending();
        return 1;
    }

    if (object->IsKindOf(kTypeEnemy)) {
        if (hero == nullptr) return 0;
        // The hero's cry only for a walk that is on its way; a walk that cannot be
        // planned says so at the figure.
        if (!SendWorker(hero, target, 0)) {
            ShowHint(target, vrk::FindText(kPathBlockedText), 0.0f);
            return 1;
        }
        PlayVariant(kHeroOutSound);
        vrk::PlaySound(kWorkerOutSound);
        return 0;
    }
    if (forWife) {
        if (wife == nullptr) return 0;
        const ResourceVector cost = target->GetCost();
        if (!HasResources(cost)) {
            ShowHint(target, NeedMoreText(Stock(), cost), 0.0f);
            keepPending();
            return 0;
        }
        // Paid only once the walk is on its way: a walk that cannot be planned
        // costs nothing and says so at the target, as the hero's does.
        if (!SendWorker(wife, target, 0)) {
            ShowHint(target, vrk::FindText(kPathBlockedText), 0.0f);
            keepPending();
            return 1;
        }
        SpendResources(cost);
        wife->PaidCost() = cost;
        PlayVariant(kWifeOutSound);
        return 0;
    }
    QueueOrder(target, part);
    return 0;
}

bool cMagicWidget::CheckOrder(cGameObject* object, int32_t part, bool show)
{
    if (object == nullptr) return false;
    if (part > 1 && object->IsKindOf(kTypePlant)) return true;
    int32_t code = object->GetOrderState();
    if (!show && code < 0) {
        if (code != kOrderPlacesReserved) return true;
        if (object->GetState() == kStateWorking || HasWorkerOn(object)) return true;
        if (HasResources(object->GetCost())) return true;
        code = kOrderCannotPay;
    }
    std::string message;
    switch (code) {
    case kOrderNotInteractive: message = vrk::FindText(kPathBlockedText); break;
    case kOrderCannotPay: message = NeedMoreText(Stock(), object->GetCost()); break;
    case kOrderNeedsHero: message = vrk::FindText(kNoHeroText); break;
    default: break;
    }
    if (show && !message.empty()) ShowHint(object, message, 0.0f);
    return code == kOrderAllowed;
}

void cMagicWidget::DispatchOrders()
{
    if (orders_.empty()) return;
    std::vector<cWorker*> free = FreeWorkers();
    for (auto order = orders_.begin(); order != orders_.end() && !free.empty();) {
        if (order->worker != nullptr) {
            ++order;
            continue;
        }
        cGameObject* target = order->target;
        if (!CheckOrder(target, order->part, false)) {
            if (target != nullptr && order->part >= 0 && order->part < kReservingParts) target->RemoveReservation();
            order = orders_.erase(order);
            continue;
        }
        // The shortest walk wins; on a tie the first in scene order stays.
        auto best = free.end();
        float bestLength = kOutOfReach;
        for (auto candidate = free.begin(); candidate != free.end(); ++candidate) {
            std::vector<vec2> points;
            if (!FindPath(points, *candidate, target, true)) continue;
            const float length = GetPathLength(points);
            if (length < bestLength) {
                bestLength = length;
                best = candidate;
            }
        }
        if (best == free.end()) {
            ++order;
            continue;
        }
        cWorker* worker = *best;
        // Paid at dispatch: a part-1 order on a target nobody works on yet. The
        // state is read before the walk starts, which may touch the target.
        const bool pays = order->part == 1 && target->GetState() != kStateWorking;
        // A walk that cannot be planned spends nothing: the order waits on and the
        // worker stays free, and both are tried again next tick.
        if (!SendWorker(worker, target, order->part)) {
            ++order;
            continue;
        }
        if (pays) {
            const ResourceVector cost = target->GetCost();
            SpendResources(cost);
            worker->PaidCost() = cost;
        } else {
            // The paid cost is what a cancelled order gives back: nothing was paid.
            worker->PaidCost().Clear();
        }
        vrk::PlaySound(kWorkerOutSound);
        order->worker = worker;
        free.erase(best);
        ++order;
    }
}

uint32_t cMagicWidget::OnLeavePlay()
{
    // A restart or the editor begins with a clean screen; entering play reopens
    // the HUD.
    if (cMiddle* middle = GetMiddle()) middle->HideAchievePopup();
    return 0;
}

bool cMagicWidget::IsPaused() const { return (GetInputFlags() & kInputCinematic) != 0; }

bool cMagicWidget::HasWorkerOn(const cGameObject* object) const
{
    for (cObject* candidate : GetLayers()[kWorkerLayer]) {
        if (!candidate->IsKindOf(kTypeWorker)) continue;
        const auto* walker = dynamic_cast<const cMan*>(candidate);
        if (walker != nullptr && walker->GetTarget() == object) return true;
    }
    return false;
}

std::vector<cWorker*> cMagicWidget::FreeWorkers()
{
    std::vector<cWorker*> free;
    for (const ObjectList& layer : GetLayers()) {
        for (cObject* object : layer) {
            if (!object->IsKindOf(kTypeWorker)) continue;
            auto* worker = dynamic_cast<cWorker*>(object);
            if (worker != nullptr && worker->IsFree()) free.push_back(worker);
        }
    }
    return free;
}
