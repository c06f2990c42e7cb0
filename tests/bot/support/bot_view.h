// test::BotView: the level as the bot reads it, the way a player reads the screen:
// the stock, the tasks, and the objects with their kinds, states, order states and
// reachable flags, sorted into workers, living enemies and the rest. Also the
// questions the bot asks of that picture (what the tasks still need, which sites
// and sources there are, which is nearest to the home).
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/level_contract.h"
#include "objects/prison.h"
#include "objects/tower.h"
#include "objects/tunnel_build.h"
#include "objects/worker.h"

namespace test {

class BotView {
public:
    // Stock indices of the four resources, and their task names.
    static constexpr size_t kWood = 0;
    static constexpr size_t kFood = 1;
    static constexpr size_t kMoney = 2;
    static constexpr size_t kMana = 3;
    static constexpr size_t kResources = 4;
    static constexpr std::array<const char*, kResources> kResourceNames = {"wood", "food", "money", "mana"};
    static constexpr const char* kHouse = "house00";
    static constexpr const char* kGameOverTree = "tree_game_over";
    static constexpr const char* kGameOverStone = "stone_game_over";
    static constexpr int32_t kBarrierCleared = 2;

    using Amounts = std::array<int32_t, kResources>;

    explicit BotView(cMagicWidget& level) : level_(level) {}

    const std::vector<cWorker*>& Workers() const { return workers_; }
    const std::vector<cEnemy*>& Enemies() const { return enemies_; }
    const std::vector<cGameObject*>& Objects() const { return objects_; }

    // Reads the objects off the screen again.
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

    // Whether the level holds any enemy: a camp, a walking enemy (bandits, succubi
    // and witches among them), an enemy tower, a tank or an enemy altar.
    static bool HoldsEnemy(const cMagicWidget& level)
    {
        for (const ObjectList& list : level.GetLayers()) {
            for (cObject* object : list) {
                if (object->IsKindOf(kTypeBaseEnemy) || object->IsKindOf(kTypeEnemy) ||
                    object->IsKindOf(kTypeTank) || object->IsKindOf(kTypeAltarEnemy))
                    return true;
                if (auto* tower = dynamic_cast<cTower*>(object); tower != nullptr && tower->GetEnemyFlag() != 0)
                    return true;
            }
        }
        return false;
    }

    int FreeWorkers() const
    {
        return static_cast<int>(
            std::count_if(workers_.begin(), workers_.end(), [](cWorker* worker) { return worker->IsFree(); }));
    }
    int WaitingOrders() const
    {
        const auto& orders = level_.Orders();
        const auto waiting = [](const OrderRecord& order) { return order.worker == nullptr; };
        return static_cast<int>(std::count_if(orders.begin(), orders.end(), waiting));
    }
    int32_t Stock(size_t r) const { return level_.Stock().At(r); }
    vec2 HomePoint() const
    {
        return level_.home != nullptr ? level_.home->GetPosition() : vec2{512.0f, 384.0f};
    }
    // What a site asks: a building paid off while it is worked, its price left.
    static ResourceVector Price(cGameObject* object)
    {
        if (auto* tunnel = dynamic_cast<cTunnelBuild*>(object)) return tunnel->GetPriceLeft();
        return object->GetCost();
    }
    static void AddCost(Amounts& need, const ResourceVector& cost)
    {
        for (size_t r = 0; r < kResources; ++r) need[r] += std::max(cost.At(r), 0);
    }

    static float Distance(const vec2& a, const vec2& b) { return (a - b).Length(); }
    // Nearest to the home first.
    void SortByHome(std::vector<cGameObject*>& objects) const
    {
        const vec2 home = HomePoint();
        std::stable_sort(objects.begin(), objects.end(), [&](cGameObject* a, cGameObject* b) {
            return Distance(a->GetPosition(), home) < Distance(b->GetPosition(), home);
        });
    }
    // A building paid off while it is worked asks its whole price left.
    static bool IsPaidOff(cGameObject* site) { return dynamic_cast<cTunnelBuild*>(site) != nullptr; }

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

    // What the unfinished resource tasks ask in all (the stock counts toward it).
    Amounts TaskNeeds() const
    {
        Amounts need{};
        for (const TaskRecord& task : level_.Tasks().records) {
            if (task.done || task.kind != 0) continue;
            for (size_t r = 0; r < kResources; ++r) {
                if (task.name == kResourceNames[r]) need[r] += static_cast<int32_t>(task.target);
            }
        }
        return need;
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

    // The sites of that sprite: unbuilt ones, or with upgrades the built ones that
    // can still grow.
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

    // The reachable (or, with unreachable, the unreachable) objects that yield the
    // resource: sources, fields and pick-ups.
    std::vector<cGameObject*> Sources(size_t r, bool unreachable) const
    {
        std::vector<cGameObject*> found;
        for (cGameObject* object : objects_) {
            const bool yields =
                object->IsKindOf(kTypeSource) || object->IsKindOf(kTypeField) || object->IsKindOf(kTypeItem);
            if (!yields) continue;
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

private:
    cMagicWidget& level_;
    std::vector<cWorker*> workers_;
    std::vector<cEnemy*> enemies_;
    std::vector<cGameObject*> objects_;
};

}  // namespace test
