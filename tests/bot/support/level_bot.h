// test::LevelBot: a plain player's decisions on a level in play, given as clicks on
// level objects through the harness. Every round it reads the screen (BotView) and
// clicks: the hero at an enemy near a worker; the wife to a frozen worker, the
// prison or the altar that freezes a lake in the way; then, up to as many waiting
// orders as there are free workers, a barrier when something needed lies out of
// reach, a spare house or a plant when a long job lies ahead, the sites the tasks
// ask for, and the sources of what is missing (the food the sources cost first).
// It remembers why it could not go on, for the failure trace.
// Three players share these decisions: the full one; the paced one, which gives at
// most one order a round (its run spaces the rounds out); and the defenceless one,
// which never sends the hero, never has the wife cast a spell or free a worker.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "objects/altar.h"
#include "objects/hero.h"
#include "objects/plant.h"
#include "objects/wife.h"
#include "tests/bot/support/bot_view.h"

namespace test {

enum class BotPlayer { kFull, kPaced, kDefenceless };

class LevelBot {
public:
    // Clicks the object's part (1: the object itself); true when the click went in.
    using Click = std::function<bool(cObject*, int32_t)>;

    // An enemy this close to a worker or the home draws the hero.
    static constexpr float kThreatRange = 320.0f;
    static constexpr int32_t kFreezeWaterSpell = 3;
    // What the stock must hold of a building's price left before workers go to pay.
    static constexpr int32_t kTunnelFloat = 30;
    // A plant pays off for a lack this large, and takes a worker only from this many.
    static constexpr int32_t kPlantWorth = 150;
    static constexpr size_t kHandsForPlant = 4;
    static constexpr const char* kAdvisorTower = "tower_advisor";

    using Amounts = BotView::Amounts;
    static constexpr size_t kFood = BotView::kFood;
    static constexpr size_t kResources = BotView::kResources;

    LevelBot(cMagicWidget& level, Click click, BotPlayer player = BotPlayer::kFull)
        : view_(level), level_(level), click_(std::move(click)), player_(player)
    {
    }

    // One round of decisions; answers the clicks it gave.
    int Decide()
    {
        clicks_ = 0;
        note_.clear();
        view_.Scan();
        if (player_ != BotPlayer::kDefenceless) {
            SendHero();
            SendWife();
        }
        int slots = view_.FreeWorkers() - view_.WaitingOrders();
        Amounts need = view_.TaskNeeds();
        const std::vector<cGameObject*> sites = WantedSites();
        bool blocked = Blocked(sites, need);
        if (blocked) slots = OpenPaths(need, slots);
        for (cGameObject* site : sites) {
            // A building paid off while it is worked needs its whole price gathered.
            if (site->IsReachable() && (site->GetOrderState() == kOrderCannotPay || BotView::IsPaidOff(site)))
                BotView::AddCost(need, BotView::Price(site));
        }
        if (slots > 0 && BuildSpareHouse(need)) --slots;
        if (slots > 0 && Invest(need)) --slots;
        for (cGameObject* site : sites) {
            if (!site->IsReachable() || site->GetOrderState() != kOrderAllowed) continue;
            if (auto* tunnel = dynamic_cast<cTunnelBuild*>(site); tunnel != nullptr && !KeepsPaying(*tunnel)) continue;
            if (slots > 0 && Give(site)) --slots;
        }
        Gather(need, slots);
        return clicks_;
    }

    // Why the last round could not do everything it wanted; empty when it could.
    const std::string& GetNote() const { return note_; }

private:
    bool Give(cObject* target, int32_t part = 1)
    {
        if (Spent()) return false;
        if (!click_(target, part)) {
            Note("could not click " + target->GetName());
            return false;
        }
        ++clicks_;
        return true;
    }
    // The paced player's one order of the round is given.
    bool Spent() const { return player_ == BotPlayer::kPaced && clicks_ > 0; }
    void Note(const std::string& text)
    {
        if (note_.find(text) != std::string::npos) return;
        note_ += note_.empty() ? text : "; " + text;
    }

    // The hero goes at the enemy nearest to a worker or the home, unless he already
    // fights one. Bandits and succubi take no clicks (the cursor shows that); the
    // next enemy is tried.
    void SendHero()
    {
        cHero* hero = level_.hero;
        if (hero == nullptr || view_.Enemies().empty()) return;
        cGameObject* current = hero->GetTarget();
        if (current != nullptr && current->IsKindOf(kTypeEnemy)) {
            auto* fought = dynamic_cast<cEnemy*>(current);
            if (fought != nullptr && !fought->IsDead()) return;
        }
        std::vector<std::pair<float, cEnemy*>> near;
        for (cEnemy* enemy : view_.Enemies()) {
            float distance = BotView::Distance(enemy->GetPosition(), view_.HomePoint());
            for (cWorker* worker : view_.Workers())
                distance = std::min(distance, BotView::Distance(enemy->GetPosition(), worker->GetPosition()));
            if (distance < kThreatRange && Clickable(enemy)) near.emplace_back(distance, enemy);
        }
        std::stable_sort(near.begin(), near.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [distance, enemy] : near) {
            if (Give(enemy)) return;
        }
    }
    // Whether the object answers the cursor on its body (round the middle of its
    // frame, where its picture shows); the hero's target and a dying enemy never do.
    static bool Clickable(cObject* object)
    {
        Rect frame;
        object->GetFrameRect(frame, -1);
        for (const float fy : {0.5f, 0.35f, 0.65f}) {
            for (const float fx : {0.5f, 0.35f, 0.65f}) {
                if (object->HitTest(vec2{frame.x + frame.width * fx, frame.y + frame.height * fy}) > 0) return true;
            }
        }
        return false;
    }

    // The wife: a frozen worker first, then the prison, then the altar that freezes
    // a lake, each only when the stock pays for it.
    void SendWife()
    {
        cWife* wife = level_.wife;
        if (wife == nullptr || wife->GetTarget() != nullptr) return;
        for (cWorker* worker : view_.Workers()) {
            if (worker->IsFrozen() && level_.HasResources(worker->GetCost()) && Give(worker)) return;
        }
        for (cGameObject* object : view_.Objects()) {
            auto* prison = dynamic_cast<cPrison*>(object);
            if (prison != nullptr && prison->GetCaptiveCount() > 0 && prison->GetOrderState() == kOrderAllowed &&
                level_.HasResources(prison->GetCost()) && Give(prison))
                return;
        }
        if (!view_.LakeInTheWay()) return;
        for (cGameObject* object : view_.Objects()) {
            auto* altar = dynamic_cast<cAltar*>(object);
            if (altar != nullptr && altar->GetSpellId() == kFreezeWaterSpell && !altar->IsSpellRunning() &&
                altar->GetOrderState() == kOrderAllowed && level_.HasResources(altar->GetCost()) && Give(altar))
                return;
        }
    }
    // The building sites the unfinished tasks ask for, nearest to the home first:
    // houses (new ones, or upgrades once every site is built, unless a house count
    // is a task) for the population, the named buildings for their counts.
    std::vector<cGameObject*> WantedSites()
    {
        std::vector<cGameObject*> sites;
        bool houseTask = false;
        for (const TaskRecord& task : level_.Tasks().records) houseTask = houseTask || task.name == BotView::kHouse;
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.done) continue;
            const size_t before = sites.size();
            if (task.kind == kTypeWorker) {
                view_.AddSites(sites, BotView::kHouse, false);
                if (sites.size() == before && !houseTask) view_.AddSites(sites, BotView::kHouse, true);
            } else if (task.kind == kTypeBuild || task.kind == kTypeTower || task.kind == kTypeTunnelBuild ||
                       task.kind == kTypePlant || task.name == kAdvisorTower) {
                view_.AddSites(sites, task.name, false);
            } else {
                continue;
            }
            if (sites.size() == before && !view_.WorkersToFree(task)) Note("nothing serves " + task.id);
        }
        view_.SortByHome(sites);
        return sites;
    }
    // A plant for a resource still much lacking: built when the stock pays it, and
    // one worker seated in it once built (a seated worker makes the plant take that
    // resource's deliveries, credited times its factor), while hands are plenty.
    bool Invest(const Amounts& need)
    {
        for (cGameObject* object : view_.Objects()) {
            auto* plant = dynamic_cast<cPlant*>(object);
            if (plant == nullptr || !plant->IsReachable()) continue;
            const auto r = static_cast<size_t>(plant->GetResourceKind());
            if (r >= kResources || need[r] - view_.Stock(r) < kPlantWorth) continue;
            if (plant->GetLevel() < 0) {
                if (plant->GetOrderState() == kOrderAllowed && Give(plant)) return true;
                continue;
            }
            if (plant->GetState() == kStateWorking || view_.Workers().size() < kHandsForPlant) continue;
            const std::vector<int32_t>& seats = plant->GetSeats();
            if (std::count(seats.begin(), seats.end(), cPlant::kSeatFree) != static_cast<long>(seats.size())) continue;
            if (!seats.empty() && Give(plant, cPlant::kFirstSeatPart)) return true;
        }
        return false;
    }

    // Workers on a building paid off while it is worked leave when the stock runs
    // dry; they go only while the stock holds a share of what is left to pay.
    bool KeepsPaying(cTunnelBuild& tunnel) const
    {
        const ResourceVector& left = tunnel.GetPriceLeft();
        for (size_t r = 0; r < kResources; ++r) {
            if (left.At(r) > 0 && view_.Stock(r) < std::min(left.At(r), kTunnelFloat)) return false;
        }
        return true;
    }

    // More hands for a long job: a house on a free site when the stock pays it
    // beyond what the tasks still need (the population tasks build theirs anyway).
    bool BuildSpareHouse(const Amounts& need)
    {
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.kind == kTypeWorker || task.name == BotView::kHouse) return false;
        }
        std::vector<cGameObject*> houses;
        view_.AddSites(houses, BotView::kHouse, false);
        for (cGameObject* house : houses) {
            if (!house->IsReachable() || house->GetOrderState() != kOrderAllowed) continue;
            const ResourceVector cost = house->GetCost();
            bool spare = true;
            for (size_t r = 0; r < kResources; ++r) {
                if (cost.At(r) > 0) spare = spare && view_.Stock(r) - std::max(need[r], 0) >= cost.At(r);
            }
            if (spare && Give(house)) return true;
        }
        return false;
    }

    // Whether something the tasks want lies out of reach: a site, a cut-off worker,
    // or every source of a resource that is still missing.
    bool Blocked(const std::vector<cGameObject*>& sites, const Amounts& need)
    {
        bool blocked = false;
        for (cGameObject* site : sites) {
            if (site->IsReachable()) continue;
            blocked = true;
            Note("site " + site->GetName() + " unreachable");
        }
        for (cWorker* worker : view_.Workers()) {
            if (!worker->IsCutOff()) continue;
            blocked = true;
            Note("worker " + worker->GetName() + " cut off");
        }
        for (size_t r = 0; r < kResources; ++r) {
            if (need[r] > view_.Stock(r) && view_.Sources(r, false).empty() && !view_.Sources(r, true).empty()) {
                blocked = true;
                Note(std::string("every ") + BotView::kResourceNames[r] + " source unreachable");
            }
        }
        return blocked;
    }

    // Barriers that can be cleared, nearest to the home first; a barrier the stock
    // cannot pay adds its price to what is gathered.
    int OpenPaths(Amounts& need, int slots)
    {
        std::vector<cGameObject*> barriers;
        for (cGameObject* object : view_.Objects()) {
            if (object->IsKindOf(kTypeBarrier) && object->IsReachable()) barriers.push_back(object);
        }
        view_.SortByHome(barriers);
        for (cGameObject* barrier : barriers) {
            const int32_t code = barrier->GetOrderState();
            if (code == kOrderCannotPay) BotView::AddCost(need, barrier->GetCost());
            if (code == kOrderAllowed && slots > 0 && Give(barrier)) --slots;
        }
        return slots;
    }

    // Fills the free slots with sources of what is missing: food first, then the
    // resource with the largest lack; the nearest source to the home whose order
    // check passes.
    void Gather(Amounts need, int slots)
    {
        Amounts lack{};
        for (size_t r = 0; r < kResources; ++r) lack[r] = need[r] - view_.Stock(r);
        // What walks home already counts.
        for (cWorker* worker : view_.Workers()) {
            const ResourceVector& load = worker->Load();
            for (size_t r = 0; r < kResources; ++r) lack[r] -= load.At(r);
        }
        std::vector<cGameObject*> tried;
        std::array<bool, kResources> priced{};
        bool foodFirst = false;
        while (slots > 0 && !Spent()) {
            size_t pick = kResources;
            if (foodFirst && lack[kFood] > 0) {
                pick = kFood;
            } else {
                for (size_t r = 0; r < kResources; ++r) {
                    if (lack[r] > 0 && (pick == kResources || lack[r] > lack[pick])) pick = r;
                }
            }
            if (pick == kResources) return;
            cGameObject* best = view_.Nearest(pick, kOrderAllowed, tried);
            if (best == nullptr && !priced[pick]) {
                // The sources ask a price (food, mostly): gather that first.
                priced[pick] = true;
                if (cGameObject* unpaid = view_.Nearest(pick, kOrderCannotPay, tried)) {
                    const ResourceVector cost = unpaid->GetCost();
                    for (size_t r = 0; r < kResources; ++r) lack[r] += std::max(cost.At(r), 0);
                    foodFirst = foodFirst || cost.At(kFood) > view_.Stock(kFood);
                    continue;
                }
            }
            if (best == nullptr) {
                Note(std::string("no free ") + BotView::kResourceNames[pick] + " source for " +
                     std::to_string(lack[pick]));
                lack[pick] = 0;
                continue;
            }
            tried.push_back(best);
            if (Give(best)) --slots;
            lack[pick] -= std::max(best->GetYield().At(pick), 1);
        }
    }

    BotView view_;
    cMagicWidget& level_;
    Click click_;
    BotPlayer player_;
    int clicks_ = 0;
    std::string note_;
};

}  // namespace test
