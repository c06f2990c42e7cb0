// cTower: the set-up of the two kinds of tower, the costs and values by level, the
// target test, the hit test and the drawing (building, flashes, smoke, cannonballs
// and, in the editor, the range).
#include "objects/tower.h"

#include <cmath>

#include "engine/render/render.h"
#include "framework/objects/object_owner.h"
#include "objects/enemy.h"
#include "objects/level_contract.h"
#include "objects/worker.h"

namespace {

constexpr const char* kPlayerTower = "tower00";
constexpr const char* kEnemyTower = "tower_enemy00";
constexpr const char* kCannonSprite = "cannon";
constexpr const char* kFlashSprite = "effect_explosion";
constexpr std::array<const char*, cTower::kSmokeCount> kSmokeEffects{"build_smoke=32", "build_smoke=48"};
constexpr float kPlayerRange = 250.0f;
constexpr float kEnemyRange = 200.0f;
constexpr float kEnemyReloadSeconds = 1.0f;
constexpr float kEnemyDamage = 2.0f;
constexpr vec2 kPlayerMarksOffset{-15.0f, 5.0f};
constexpr vec2 kShotOriginOffset{0.0f, 50.0f};
constexpr float kWorkSeconds = 4.0f;
constexpr float kCannonballScale = 0.3f;
// The range circle of the editor.
constexpr int32_t kRangeSegments = 48;
constexpr float kRangeLineWidth = 1.0f;
constexpr uint32_t kRangeColor = 0xFFFFFF00u;
constexpr float kTwoPi = 6.2831855f;

// The values of each level of the player's tower: the price of the next step
// (wood, food, money, mana), the damage of a hit and the reload time.
struct TowerLevel {
    int32_t cost[4];
    float damage;
    float reloadSeconds;
};
constexpr int32_t kSiteCost[4] = {20, 0, 30, 0};
constexpr std::array<TowerLevel, 3> kTowerLevels{{
    {{10, 0, 10, 0}, 2.0f, 1.8f},
    {{10, 0, 10, 0}, 3.0f, 1.3f},
    {{10, 0, 10, 0}, 4.0f, 0.3f},
}};

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

}  // namespace

cTower::cTower(cObjectOwner* owner) : cBuild(owner) {}

cTower::~cTower()
{
    for (EffectHolder& smoke : smokes_) smoke.Clear();
    shots_.clear();
    cost_.Clear();
}

int32_t cTower::GetTypeId() const { return kTypeTower; }

bool cTower::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeTower, id); }

void cTower::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    cannon_.SetSprite(kCannonSprite, kPlayOnceForward, LoadNow(owner_));
    for (SpriteAnim& flash : flashes_) flash.SetSprite(kFlashSprite, kPlayStopped, LoadNow(owner_));
    for (size_t index = 0; index < smokes_.size(); ++index) {
        smokes_[index].SetEffect(OwnerBatch(), kSmokeEffects[index]);
        smokes_[index].SetEmitting(false);
    }

    if (sprite == kPlayerTower) {
        AddAnimation("none", "zone1x1");
        AddAnimation("0", kPlayerTower);
        AddAnimation("1", "tower00_up1");
        AddAnimation("2", "tower00_up2");
        range_ = kPlayerRange;
        marksOffset_ = kPlayerMarksOffset;
        SetupLevel();
        // The empty site's look and the levels of the level-file text; the values of
        // the level it starts at are set up again there.
        cBuild::SetSprite(sprite);
    } else if (sprite == kEnemyTower) {
        SetUpEnemyTower();
    }
}

void cTower::SetUpEnemyTower()
{
    // It stands ready from the start: no shadow, no levels from the text, no order.
    AddAnimation("0", kEnemyTower);
    enemy_ = 1;
    maxLevel_ = 0;
    level_ = 0;
    range_ = kEnemyRange;
    reloadTime_ = kEnemyReloadSeconds;
    damage_ = kEnemyDamage;
    SetState(kStateWorkDone);
    SwitchAnimation("0");
}

void cTower::SetupLevel()
{
    cost_.Clear();
    if (sprite_ != kPlayerTower) return;
    SetTimerPeriod(kWorkSeconds);
    if (level_ == kNotBuilt) {
        cost_ = ResourceVector(kSiteCost, std::size(kSiteCost));
    } else if (level_ >= 0 && level_ < static_cast<int32_t>(kTowerLevels.size())) {
        const TowerLevel& values = kTowerLevels[static_cast<size_t>(level_)];
        cost_ = ResourceVector(values.cost, std::size(values.cost));
        damage_ = values.damage;
        reloadTime_ = values.reloadSeconds;
    }
}

ResourceVector cTower::GetCost()
{
    // As for every building: a step under way is paid, and the highest level has no
    // next step to pay for.
    if (GetState() != kStateWorking && level_ < maxLevel_) return cost_;
    return ResourceVector();
}

vec2 cTower::GetShotOrigin() { return GetPosition() + kShotOriginOffset; }

bool cTower::CanShoot(cObject* target)
{
    if (target == nullptr) return false;
    if (target->IsKindOf(kTypeEnemy)) {
        const auto* enemy = dynamic_cast<const cEnemy*>(target);
        return enemy == nullptr || (enemy->GetSetOutFlag() == 0 && !enemy->IsDead());
    }
    if (target->IsKindOf(kTypeWorker)) {
        auto* worker = dynamic_cast<cWorker*>(target);
        return worker != nullptr && worker->CanCommand();
    }
    return true;
}

int32_t cTower::HitTest(const vec2& point)
{
    if (enemy_ != 0) return 0;
    const int32_t state = GetState();
    if (state == kStateWorkDone && level_ >= maxLevel_) return 0;
    if (state == kStateNone) {
        return HitsPicture(point) ? 1 : 0;
    }
    if (!hasAnimation_) return 0;
    return ShowsAt(point) ? 1 : 0;
}

void cTower::Draw()
{
    cBuild::Draw();
    vrk::VertexBatch* batch = OwnerBatch();
    const uint32_t color = GetColor();
    if (batch != nullptr) {
        const bool destroying = destructionTimer_ > 0.0f;
        for (size_t index = 0; index < flashes_.size(); ++index) {
            // A flash that has played out is not left hanging over the tower.
            if (flashes_[index].play.mode == kPlayStopped) continue;
            const vec2 at = destroying ? GetPosition() + flashOffsets_[index] : GetShotOrigin();
            flashes_[index].Draw(*batch, at.x, at.y, color);
        }
    }
    if (owner_ != nullptr) {
        for (EffectHolder& smoke : smokes_) smoke.Draw(owner_->GetViewMatrix());
    }
    if (batch == nullptr) return;
    for (const ShotRecord& shot : shots_) {
        cannon_.DrawTransformed(*batch, shot.current.x, shot.current.y, kCannonballScale, kCannonballScale, color,
                                0.0f);
    }
}

void cTower::DrawSelection()
{
    cGameObject::DrawSelection();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr || owner_ == nullptr || !owner_->IsEditorMode()) return;
    const vec2 centre = GetPosition();
    for (int32_t segment = 0; segment < kRangeSegments; ++segment) {
        const float from = kTwoPi * static_cast<float>(segment) / kRangeSegments;
        const float to = kTwoPi * static_cast<float>(segment + 1) / kRangeSegments;
        vrk::cRender::DrawLine(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, centre.x + range_ * std::cos(from),
                               centre.y + range_ * std::sin(from), centre.x + range_ * std::cos(to),
                               centre.y + range_ * std::sin(to), kRangeLineWidth, kRangeColor);
    }
}
