// cAltarEnemy: set-up from its text, charging (stopped by a pause), casting at each
// full charge, and the figure, bar, orb and laser.
#include "objects/altar_enemy.h"

#include "engine/log/log.h"
#include "engine/sound/sound_play.h"
#include "engine/text/format_arg.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "framework/widgets/base_widget.h"
#include "objects/altar_orb.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kSender = "cAltarEnemy::SetSprite";
constexpr const char* kCastSound = "bonus_start";

}  // namespace

cAltarEnemy::cAltarEnemy(cObjectOwner* owner) : cGameObject(owner) { charge_.speed = 1.0f; }

cAltarEnemy::~cAltarEnemy() = default;

int32_t cAltarEnemy::GetTypeId() const { return kTypeAltarEnemy; }

bool cAltarEnemy::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeAltarEnemy, id); }

void cAltarEnemy::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    AddAnimation(altar_orb::kLifeKey, altar_orb::kFigureSprite);
    SetZoneSize(altar_orb::kFootprintCells, altar_orb::kFootprintCells);
    SwitchAnimation(altar_orb::kLifeKey);
    barOffset_ = altar_orb::kBarOffset;
    laser_.SetSprite(altar_orb::kLaserSprite, kPlayStopped, false);

    const auto [name, period] = vrk::SplitPair(text_, ";");
    spellName_ = name;
    period_ = vrk::StrToFloat(period);
    // A negative period would charge without ever counting as charged and still
    // cast; it is read as the altar that never casts.
    if (period_ < 0.0f) {
        vrk::LogWrite(kSender, "^5", "Enemy altar %i: period '%s' is negative, the altar never casts",
                      vrk::FormatArg::FromInt(id_), vrk::FormatArg::FromString(period));
        period_ = 0.0f;
    }
    offAnim_.SetSprite(spellName_ + "_off", kPlayLoopForward, false);
    onAnim_.SetSprite(spellName_ + "_on", kPlayLoopForward, false);
    ArmCharge();
}

void cAltarEnemy::ArmCharge()
{
    charge_.current = 0.0f;
    // A period of 0 leaves the charge at rest for good.
    charge_.SetTarget(period_);
}

bool cAltarEnemy::IsCharged() const { return period_ > kFloatEpsilon && charge_.current / period_ > kChargedShare; }

uint32_t cAltarEnemy::SpellEvent() const
{
    if (spellName_ == kKillWorkers) return kEventEnemyKillWorkers;
    if (spellName_ == kKillTowers) return kEventEnemyKillTowers;
    return 0;
}

void cAltarEnemy::Update()
{
    cGameObject::Update();
    laser_.Update(kTickSeconds);
    (IsCharged() ? onAnim_ : offAnim_).Update(kTickSeconds);
    phase_ = altar_orb::NextPhase(phase_);
    const bool charged = IsCharged();
    if (charged && !wasCharged_) vrk::PlaySound(altar_orb::kReadySound);
    wasCharged_ = charged;

    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && (screen->GetInputFlags() & kInputCinematic) != 0) return;
    if (charge_.Step(kTickSeconds) != kTimedArrived) return;
    const uint32_t event = SpellEvent();
    if (event != 0) {
        altar_orb::StartLaser(laser_);
        vrk::PlaySound(kCastSound);
        if (screen != nullptr) screen->OnEvent(static_cast<int32_t>(event), 0);
    }
    ArmCharge();
}

int32_t cAltarEnemy::GetOrderState() { return kOrderRefused; }

std::string cAltarEnemy::GetHintText() { return vrk::FindText(spellName_); }

void cAltarEnemy::Draw()
{
    cObject::Draw();
    const vec2 at = GetPosition();
    if (period_ > kFloatEpsilon && owner_ != nullptr) {
        owner_->DrawProgress(at + altar_orb::kBarCentre, charge_.current / period_);
    }
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const vec2 orb = altar_orb::OrbPoint(at, phase_);
    (IsCharged() ? onAnim_ : offAnim_).DrawExact(*batch, orb.x, orb.y, GetColor());
    if (laser_.play.mode == kPlayStopped) return;
    const vec2 laserAt = at + altar_orb::kLaserOffset;
    laser_.DrawTransformed(*batch, laserAt.x, laserAt.y, altar_orb::kLaserScale.x, altar_orb::kLaserScale.y,
                           GetColor(), 0.0f);
}
