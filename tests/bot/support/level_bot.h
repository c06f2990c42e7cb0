// test::LevelBot: a plain player's decisions on a level in play, given as clicks on
// level objects through the harness. Every round it reads the screen as a player
// does (stock, tasks, objects with their kinds, states, order states and reachable
// flags) and clicks: the hero at an enemy near a worker; the wife to a frozen worker,
// the prison or the altar that freezes a lake in the way; then, up to as many
// waiting orders as there are free workers, the sites the tasks ask for, a barrier
// when something needed lies out of reach, and the sources of what is missing,
// food first. It remembers why it could not go on, for the failure trace.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "game/level/magic_widget.h"
#include "objects/altar.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/prison.h"
#include "objects/tunnel_build.h"
#include "objects/wife.h"
#include "objects/worker.h"

namespace test {

class LevelBot {
public:
    // Clicks the object's part (1: the object itself); true when the click went in.
    using Click = std::function<bool(cObject*, int32_t)>;

    // Stock indices of the four resources, and their task names.
    static constexpr size_t kWood = 0;
    static constexpr size_t kFood = 1;
    static constexpr size_t kMoney = 2;
    static constexpr size_t kMana = 3;
    static constexpr size_t kResources = 4;
    static constexpr std::array<const char*, kResources> kResourceNames = {"wood", "food", "money", "mana"};
    // An enemy this close to a worker or the home draws the hero.
    static constexpr float kThreatRange = 320.0f;
    static constexpr int32_t kFreezeWaterSpell = 3;
    // What the stock must hold of a building's price left before workers go to pay.
    static constexpr int32_t kTunnelFloat = 30;
    // A plant pays off for a lack this large, and takes a worker only from this many.
    static constexpr int32_t kPlantWorth = 150;
    static constexpr size_t kHandsForPlant = 4;
    static constexpr const char* kHouse = "house00";
    static constexpr const char* kAdvisorTower = "tower_advisor";
    static constexpr const char* kGameOverTree = "tree_game_over";
    static constexpr const char* kGameOverStone = "stone_game_over";
    static constexpr int32_t kBarrierCleared = 2;

    LevelBot(cMagicWidget& level, Click click) : level_(level), click_(std::move(click)) {}

    // One round of decisions; answers the clicks it gave.
    int Decide()
    {
        clicks_ = 0;
        note_.clear();
        Scan();
        SendHero();
        SendWife();
        int slots = FreeWorkers() - WaitingOrders();
        std::array<int32_t, kResources> need = TaskNeeds();
        const std::vector<cGameObject*> sites = WantedSites();
        bool blocked = Blocked(sites, need);
        if (blocked) slots = OpenPaths(need, slots);
        for (cGameObject* site : sites) {
            // A building paid off while it is worked needs its whole price gathered.
            if (site->IsReachable() && (site->GetOrderState() == kOrderCannotPay || IsPaidOff(site)))
                AddCost(need, Price(site));
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
    static float Distance(const vec2& a, const vec2& b) { return (a - b).Length(); }

    void Scan()
    {
        workers_.clear();
        enemies_.clear();
        objects_.clear();
        for (const ObjectList& list : level_.GetLayers()) {
            for (cObject* object : list) {
                if (!object->IsKindOf(kTypeGameObject) || object->GetState() == kStateRemoved) continue;
                if (auto* worker = dynamic_cast<cWorker*>(object)) {
                    workers_.push_back(worker);
                } else if (auto* enemy = dynamic_cast<cEnemy*>(object)) {
                    if (!enemy->IsDead()) enemies_.push_back(enemy);
                } else {
                    objects_.push_back(static_cast<cGameObject*>(object));
                }
            }
        }
    }

    bool Give(cObject* target, int32_t part = 1)
    {
        if (!click_(target, part)) {
            Note("could not click " + target->GetName());
            return false;
        }
        ++clicks_;
        return true;
    }
    void Note(const std::string& text)
    {
        if (note_.find(text) != std::string::npos) return;
        note_ += note_.empty() ? text : "; " + text;
    }

    int FreeWorkers() const
    {
        return static_cast<int>(std::count_if(workers_.begin(), workers_.end(), [](cWorker* w) { return w->IsFree(); }));
    }
    int WaitingOrders() const
    {
        const auto& orders = level_.Orders();
        return static_cast<int>(
            std::count_if(orders.begin(), orders.end(), [](const OrderRecord& o) { return o.worker == nullptr; }));
    }
    int32_t Stock(size_t r) const { return level_.Stock().At(r); }
    vec2 HomePoint() const
    {
        return level_.home != nullptr ? level_.home->GetPosition() : vec2{512.0f, 384.0f};
    }
    static ResourceVector Price(cGameObject* object)
    {
        if (auto* tunnel = dynamic_cast<cTunnelBuild*>(object)) return tunnel->GetPriceLeft();
        return object->GetCost();
    }
    static void AddCost(std::array<int32_t, kResources>& need, const ResourceVector& cost)
    {
        for (size_t r = 0; r < kResources; ++r) need[r] += std::max(cost.At(r), 0);
    }

    // The hero goes at the enemy nearest to a worker or the home, unless he already
    // fights one.
    void SendHero()
    {
        cHero* hero = level_.hero;
        if (hero == nullptr || enemies_.empty()) return;
        cGameObject* current = hero->GetTarget();
        if (current != nullptr && current->IsKindOf(kTypeEnemy)) {
            auto* fought = dynamic_cast<cEnemy*>(current);
            if (fought != nullptr && !fought->IsDead()) return;
        }
        cEnemy* best = nullptr;
        float bestDistance = kThreatRange;
        for (cEnemy* enemy : enemies_) {
            float distance = Distance(enemy->GetPosition(), HomePoint());
            for (cWorker* worker : workers_) distance = std::min(distance, Distance(enemy->GetPosition(), worker->GetPosition()));
            if (distance < bestDistance) {
                bestDistance = distance;
                best = enemy;
            }
        }
        if (best != nullptr && Give(best)) Note("hero sent at " + best->GetName());
    }

    // The wife: a frozen worker first, then the prison, then the altar that freezes
    // a lake, each only when the stock pays for it.
    void SendWife()
    {
        cWife* wife = level_.wife;
        if (wife == nullptr || wife->GetTarget() != nullptr) return;
        for (cWorker* worker : workers_) {
            if (worker->IsFrozen() && level_.HasResources(worker->GetCost()) && Give(worker)) return;
        }
        for (cGameObject* object : objects_) {
            auto* prison = dynamic_cast<cPrison*>(object);
            if (prison != nullptr && prison->GetCaptiveCount() > 0 && prison->GetOrderState() == kOrderAllowed &&
                level_.HasResources(prison->GetCost()) && Give(prison))
                return;
        }
        if (!LakeInTheWay()) return;
        for (cGameObject* object : objects_) {
            auto* altar = dynamic_cast<cAltar*>(object);
            if (altar != nullptr && altar->GetSpellId() == kFreezeWaterSpell && !altar->IsSpellRunning() &&
                altar->GetOrderState() == kOrderAllowed && level_.HasResources(altar->GetCost()) && Give(altar))
                return;
        }
    }
    // A lake stands while something the tasks want is out of reach.
    bool LakeInTheWay() const
    {
        bool lake = false;
        for (cGameObject* object : objects_) lake = lake || object->IsKindOf(kTypeLake);
        if (!lake) return false;
        for (cGameObject* object : objects_) {
            if (!object->IsReachable() && (object->IsKindOf(kTypeBuild) || object->IsKindOf(kTypeSource))) return true;
        }
        return false;
    }

    // What the unfinished resource tasks still lack (the stock counts toward them).
    std::array<int32_t, kResources> TaskNeeds() const
    {
        std::array<int32_t, kResources> need{};
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.done || task.kind != 0) continue;
            for (size_t r = 0; r < kResources; ++r) {
                if (task.name == kResourceNames[r]) need[r] += static_cast<int32_t>(task.target);
            }
        }
        return need;
    }

    // The building sites the unfinished tasks ask for, nearest to the home first:
    // houses (new ones, or upgrades once every site is built, unless a house count
    // is a task) for the population, the named buildings for their counts.
    std::vector<cGameObject*> WantedSites()
    {
        std::vector<cGameObject*> sites;
        bool houseTask = false;
        for (const TaskRecord& task : level_.Tasks().records) houseTask = houseTask || task.name == kHouse;
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.done) continue;
            const size_t before = sites.size();
            if (task.kind == kTypeWorker) {
                AddSites(sites, kHouse, false);
                if (sites.size() == before && !houseTask) AddSites(sites, kHouse, true);
            } else if (task.kind == kTypeBuild || task.kind == kTypeTower || task.kind == kTypeTunnelBuild ||
                       task.kind == kTypePlant || task.name == kAdvisorTower) {
                AddSites(sites, task.name, false);
            } else {
                continue;
            }
            if (sites.size() == before && !WorkersToFree(task)) Note("nothing serves " + task.id);
        }
        const vec2 home = HomePoint();
        std::stable_sort(sites.begin(), sites.end(), [&](cGameObject* a, cGameObject* b) {
            return Distance(a->GetPosition(), home) < Distance(b->GetPosition(), home);
        });
        return sites;
    }
    // A population task also grows from workers still to come out of the prison.
    bool WorkersToFree(const TaskRecord& task) const
    {
        if (task.kind != kTypeWorker) return false;
        for (cGameObject* object : objects_) {
            auto* prison = dynamic_cast<cPrison*>(object);
            if (prison != nullptr && prison->GetCaptiveCount() > 0) return true;
        }
        return false;
    }
    void AddSites(std::vector<cGameObject*>& sites, const std::string& sprite, bool upgrades) const
    {
        for (cGameObject* object : objects_) {
            auto* build = dynamic_cast<cBuild*>(object);
            if (build == nullptr || build->IsHomeBase() || object->GetSprite() != sprite) continue;
            const bool wanted = upgrades ? build->GetLevel() >= 0 && build->GetLevel() < build->GetMaxLevel()
                                         : build->GetLevel() < 0;
            if (wanted && std::find(sites.begin(), sites.end(), object) == sites.end()) sites.push_back(object);
        }
    }

    static bool IsPaidOff(cGameObject* site) { return dynamic_cast<cTunnelBuild*>(site) != nullptr; }

    // A plant for a resource still much lacking: built when the stock pays it, and
    // one worker seated in it once built (a seated worker makes the plant take that
    // resource's deliveries, credited times its factor), while hands are plenty.
    bool Invest(const std::array<int32_t, kResources>& need)
    {
        for (cGameObject* object : objects_) {
            auto* plant = dynamic_cast<cPlant*>(object);
            if (plant == nullptr || !plant->IsReachable()) continue;
            const auto r = static_cast<size_t>(plant->GetResourceKind());
            if (r >= kResources || need[r] - Stock(r) < kPlantWorth) continue;
            if (plant->GetLevel() < 0) {
                if (plant->GetOrderState() == kOrderAllowed && Give(plant)) return true;
                continue;
            }
            if (plant->GetState() == kStateWorking || workers_.size() < kHandsForPlant) continue;
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
            if (left.At(r) > 0 && Stock(r) < std::min(left.At(r), kTunnelFloat)) return false;
        }
        return true;
    }

    // More hands for a long job: a house on a free site when the stock pays it
    // beyond what the tasks still need (the population tasks build theirs anyway).
    bool BuildSpareHouse(const std::array<int32_t, kResources>& need)
    {
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.kind == kTypeWorker || task.name == kHouse) return false;
        }
        std::vector<cGameObject*> houses;
        AddSites(houses, kHouse, false);
        for (cGameObject* house : houses) {
            if (!house->IsReachable() || house->GetOrderState() != kOrderAllowed) continue;
            const ResourceVector cost = house->GetCost();
            bool spare = true;
            for (size_t r = 0; r < kResources; ++r) {
                if (cost.At(r) > 0) spare = spare && Stock(r) - std::max(need[r], 0) >= cost.At(r);
            }
            if (spare && Give(house)) return true;
        }
        return false;
    }

    // Whether something the tasks want lies out of reach: a site, a cut-off worker,
    // or every source of a resource that is still missing.
    bool Blocked(const std::vector<cGameObject*>& sites, const std::array<int32_t, kResources>& need)
    {
        bool blocked = false;
        for (cGameObject* site : sites) {
            if (site->IsReachable()) continue;
            blocked = true;
            Note("site " + site->GetName() + " unreachable");
        }
        for (cWorker* worker : workers_) {
            if (!worker->IsCutOff()) continue;
            blocked = true;
            Note("worker " + worker->GetName() + " cut off");
        }
        for (size_t r = 0; r < kResources; ++r) {
            if (need[r] > Stock(r) && Sources(r, false).empty() && !Sources(r, true).empty()) {
                blocked = true;
                Note(std::string("every ") + kResourceNames[r] + " source unreachable");
            }
        }
        return blocked;
    }

    // Barriers that can be cleared, nearest to the home first; a barrier the stock
    // cannot pay adds its price to what is gathered.
    int OpenPaths(std::array<int32_t, kResources>& need, int slots)
    {
        std::vector<cGameObject*> barriers;
        for (cGameObject* object : objects_) {
            if (object->IsKindOf(kTypeBarrier) && object->IsReachable()) barriers.push_back(object);
        }
        const vec2 home = HomePoint();
        std::stable_sort(barriers.begin(), barriers.end(), [&](cGameObject* a, cGameObject* b) {
            return Distance(a->GetPosition(), home) < Distance(b->GetPosition(), home);
        });
        for (cGameObject* barrier : barriers) {
            const int32_t code = barrier->GetOrderState();
            if (code == kOrderCannotPay) AddCost(need, barrier->GetCost());
            if (code == kOrderAllowed && slots > 0 && Give(barrier)) --slots;
        }
        return slots;
    }

    // The reachable (or, with unreachable, the unreachable) objects that yield the
    // resource: sources, fields and pick-ups.
    std::vector<cGameObject*> Sources(size_t r, bool unreachable) const
    {
        std::vector<cGameObject*> found;
        for (cGameObject* object : objects_) {
            if (!object->IsKindOf(kTypeSource) && !object->IsKindOf(kTypeField) && !object->IsKindOf(kTypeItem)) continue;
            if (object->IsReachable() == unreachable || Forbidden(object)) continue;
            if (object->GetYield().At(r) > 0) found.push_back(object);
        }
        return found;
    }

    // The marked tree that loses the level when it falls while its stone still
    // stands (the level's hint says so): left alone until the stone is cleared.
    bool Forbidden(cGameObject* object) const
    {
        if (object->GetName() != kGameOverTree) return false;
        for (cGameObject* other : objects_) {
            if (other->GetName() == kGameOverStone && other->GetState() != kBarrierCleared) return true;
        }
        return false;
    }

    // Fills the free slots with sources of what is missing: food first, then the
    // resource with the largest lack; the nearest source to the home whose order
    // check passes.
    void Gather(std::array<int32_t, kResources> need, int slots)
    {
        std::array<int32_t, kResources> lack{};
        for (size_t r = 0; r < kResources; ++r) lack[r] = need[r] - Stock(r);
        // What walks home already counts.
        for (cWorker* worker : workers_) {
            const ResourceVector& load = worker->Load();
            for (size_t r = 0; r < kResources; ++r) lack[r] -= load.At(r);
        }
        std::vector<cGameObject*> tried;
        std::array<bool, kResources> priced{};
        bool foodFirst = false;
        while (slots > 0) {
            size_t pick = kResources;
            if (foodFirst && lack[kFood] > 0) {
                pick = kFood;
            } else {
                for (size_t r = 0; r < kResources; ++r) {
                    if (lack[r] > 0 && (pick == kResources || lack[r] > lack[pick])) pick = r;
                }
            }
            if (pick == kResources) return;
            cGameObject* best = Nearest(pick, kOrderAllowed, tried);
            if (best == nullptr && !priced[pick]) {
                // The sources ask a price (food, mostly): gather that first.
                priced[pick] = true;
                if (cGameObject* unpaid = Nearest(pick, kOrderCannotPay, tried)) {
                    const ResourceVector cost = unpaid->GetCost();
                    for (size_t r = 0; r < kResources; ++r) lack[r] += std::max(cost.At(r), 0);
                    foodFirst = foodFirst || cost.At(kFood) > Stock(kFood);
                    continue;
                }
            }
            if (best == nullptr) {
                Note(std::string("no free ") + kResourceNames[pick] + " source for " + std::to_string(lack[pick]));
                lack[pick] = 0;
                continue;
            }
            tried.push_back(best);
            if (Give(best)) --slots;
            lack[pick] -= std::max(best->GetYield().At(pick), 1);
        }
    }

    // The source of the resource nearest to the home whose order state is the code.
    cGameObject* Nearest(size_t r, int32_t code, const std::vector<cGameObject*>& skipped) const
    {
        const vec2 home = HomePoint();
        cGameObject* best = nullptr;
        for (cGameObject* source : Sources(r, false)) {
            if (source->GetOrderState() != code || std::find(skipped.begin(), skipped.end(), source) != skipped.end())
                continue;
            if (best == nullptr || Distance(source->GetPosition(), home) < Distance(best->GetPosition(), home))
                best = source;
        }
        return best;
    }

    cMagicWidget& level_;
    Click click_;
    int clicks_ = 0;
    std::string note_;
    std::vector<cWorker*> workers_;
    std::vector<cEnemy*> enemies_;
    std::vector<cGameObject*> objects_;
};

}  // namespace test
