// LevelScreen: the current-level pointer, the level state's clearing, the factory
// step of the level classes, the drawing of the animated effects and the small
// services the level objects call.
#include "objects/level_screen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/render/vertex_batch.h"
#include "framework/app/garden.h"
#include "framework/objects/man.h"
#include "objects/level_contract.h"
#include "objects/level_grid.h"
#include "objects/level_object_factory.h"

namespace {

LevelScreen* currentLevelScreen = nullptr;

// Sector bounds in degrees of GetDirectionIndex.
constexpr double kSectorUpStart = 30.0;
constexpr double kSectorLeftStart = 105.0;
constexpr double kSectorDownStart = 210.0;
constexpr double kSectorRightStart = 300.0;

}  // namespace

LevelScreen* CurrentLevelScreen() { return currentLevelScreen; }

LevelScreen::LevelScreen()
{
    ResetLevelState();
    currentLevelScreen = this;
    // The base sized the grid with its own axes, before this screen's basis applied.
    ClampView();
    ResizeGrid();
}

LevelScreen::~LevelScreen()
{
    LevelScreen::ClearLevel();
    if (currentLevelScreen == this) currentLevelScreen = nullptr;
}

cObject* LevelScreen::CreateObject(int32_t typeId, uint32_t id)
{
    if (cObject* object = cLevelWidget::CreateObject(typeId, id)) return object;
    cObject* object = NewLevelObject(typeId, this).release();
    AddObject(object, id);
    return object;
}

void LevelScreen::ClearLevel()
{
    cLevelWidget::ClearLevel();
    std::fill(stock_.amounts.begin(), stock_.amounts.end(), 0);
    ResetLevelState();
}

void LevelScreen::ResetLevelState()
{
    home = nullptr;
    mill = nullptr;
    sawmill = nullptr;
    goldMill = nullptr;
    hero = nullptr;
    wife = nullptr;
    prison = nullptr;
    spellTimers.fill(kSpellOff);
    for (int32_t* counter : {&builds, &livingTrees, &nuggets, &standingLogs, &clearedStones, &burningFires,
                             &prisoners, &frozenWorkers, &workersInLove, &goblinTrees, &skeletons, &witches,
                             &succubi}) {
        *counter = 0;
    }
    for (bool* flag : {&noMillFlag, &noSpeedFlag, &noTowerFlag, &lessFireFlag, &tankFlag, &advisorWatchFlag,
                       &bellNotRungFlag, &manaWellFlag, &shieldFlag}) {
        *flag = true;
    }
    night = false;
    gameOverText.clear();
    enemyCensus = EnemyCensus{};
    lightList.Clear();
}

void LevelScreen::OnDrawLayer(vrk::VertexBatch& batch, int32_t layer)
{
    cLevelWidget::OnDrawLayer(batch, layer);
    if (layer == kEffectLayer) AnimEffects().Draw(batch);
}

void LevelScreen::GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const
{
    origin = GetGridOrigin();
    LevelGridAxes(axisX, axisY);
}

int32_t LevelScreen::GetDirectionIndex(const vec2& direction, int32_t /*count*/) const
{
    double degrees = std::atan2(static_cast<double>(direction.y), static_cast<double>(direction.x)) * 180.0 /
                     std::numbers::pi;
    if (degrees < 0.0) degrees += 360.0;
    if (degrees >= kSectorUpStart && degrees < kSectorLeftStart) return 1;
    if (degrees >= kSectorLeftStart && degrees < kSectorDownStart) return 2;
    if (degrees >= kSectorDownStart && degrees < kSectorRightStart) return 3;
    return 0;
}

int32_t LevelScreen::CountWorkersAt(const cGameObject* object) const
{
    if (object == nullptr) return 0;
    int32_t count = 0;
    for (const cObject* candidate : layers_[static_cast<size_t>(kWorkerLayer)]) {
        if (candidate->GetTypeId() != kTypeWorker) continue;
        const auto* worker = dynamic_cast<const cMan*>(candidate);
        if (worker != nullptr && worker->GetTarget() == object && worker->GetState() == kWorkerWorkingState) {
            ++count;
        }
    }
    return count;
}

bool LevelScreen::CanWalkTo(cMan* /*walker*/, cGameObject* /*target*/) { return true; }

void LevelScreen::UnlockAchievement(const std::string& name)
{
    if (cGarden* garden = GetGarden()) garden->UnlockAchievement(name);
}

void LevelScreen::RefundResources(const ResourceVector& amounts)
{
    cLevelWidget::AddResources(amounts);
    PostEvent(kEventRecount, kTypeItem);
}
