// cAltar: set-up by spell name, the ready check with its one announcement, the cast
// on the wife's magic, and the figure, orb, bar and laser.
#include "objects/altar.h"

#include "engine/log/log.h"
#include "engine/sound/sound_play.h"
#include "engine/text/format_arg.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"
#include "objects/altar_orb.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/spell_table.h"
#include "objects/wife.h"

namespace {

constexpr const char* kSender = "cAltar::SetSprite";
constexpr const char* kTutorialLevel = "000";

// The full length of the bar for each spell; spells that are over at once show none.
float BarLength(int32_t spellId)
{
    switch (spellId) {
    case 0:
    case 1: return 30.0f;
    case 2:
    case 4: return 0.0f;
    case 3: return 40.0f;
    case 5: return 35.0f;
    default: return 1000.0f;
    }
}

}  // namespace

cAltar::cAltar(cObjectOwner* owner) : cGameObject(owner) {}

cAltar::~cAltar() = default;

int32_t cAltar::GetTypeId() const { return kTypeAltar; }

bool cAltar::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeAltar, id); }

void cAltar::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    const int32_t id = ::GetSpellId(sprite);
    // The editor's palette places altars under the figure's name; they hold no spell.
    if (id == kNoSpell) {
        vrk::LogWrite(kSender, "^5", "Altar '%s' names no spell: it casts nothing",
                      vrk::FormatArg::FromString(sprite));
    }
    SetSpell(id);
    AddAnimation(altar_orb::kLifeKey, altar_orb::kFigureSprite);
    SetZoneSize(altar_orb::kFootprintCells, altar_orb::kFootprintCells);
    SwitchAnimation(altar_orb::kLifeKey);
    barOffset_ = altar_orb::kBarOffset;
    laser_.SetSprite(altar_orb::kLaserSprite, kPlayStopped, false);
}

void cAltar::SetSpell(int32_t id)
{
    if (GetSpellName(id).empty()) {
        spellId_ = kNoSpell;
        offAnim_.Clear();
        onAnim_.Clear();
        return;
    }
    spellId_ = id;
    offAnim_.SetSprite(GetSpellName(id) + "_off", kPlayLoopForward, false);
    onAnim_.SetSprite(GetSpellName(id) + "_on", kPlayLoopForward, false);
}

bool cAltar::IsSpellRunning() const
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || spellId_ < 0 || spellId_ >= LevelScreen::kSpellCount) return false;
    return screen->spellTimers[static_cast<size_t>(spellId_)] >= 0.0f;
}

bool cAltar::CheckReady() const
{
    if (spellId_ == kNoSpell || !IsInteractive()) return false;
    const LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr && screen->HasResources(GetSpellPrice(spellId_));
}

void cAltar::Update()
{
    cGameObject::Update();
    laser_.Update(kTickSeconds);
    phase_ = altar_orb::NextPhase(phase_);
    ready_ = CheckReady();
    if (ready_ && !wasReady_) vrk::PlaySound(altar_orb::kReadySound);
    wasReady_ = ready_;
    (ready_ ? onAnim_ : offAnim_).Update(kTickSeconds);
}

int32_t cAltar::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kEventMagicReached && spellId_ != kNoSpell) {
        LevelScreen* screen = CurrentLevelScreen();
        if (screen != nullptr) screen->OnEvent(kEventSpellCast, spellId_);
        altar_orb::StartLaser(laser_);
        if (screen != nullptr && screen->GetLevelName() == kTutorialLevel) screen->ClearHintTarget(this);
    }
    return cGameObject::OnMessage(code, data);
}

int32_t cAltar::GetOrderState()
{
    if (spellId_ == kNoSpell || IsSpellRunning()) return kOrderRefused;
    return WifeReachVerdict(*this, cGameObject::GetOrderState());
}

ResourceVector cAltar::GetCost() { return GetSpellPrice(spellId_); }

std::string cAltar::GetHintText()
{
    if (spellId_ == kNoSpell) return std::string();
    std::string text = vrk::FindText(GetSpellName(spellId_));
    if (IsSpellRunning()) return text;
    const LevelScreen* screen = CurrentLevelScreen();
    const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
    std::string cost;
    return text + "\n" + vrk::FindText("Price") + ": " + GetCost().FormatResourceCost(cost, stock);
}

void cAltar::Draw()
{
    cObject::Draw();
    const vec2 at = GetPosition();
    const bool running = IsSpellRunning();
    if (vrk::VertexBatch* batch = OwnerBatch()) {
        const vec2 orb = altar_orb::OrbPoint(at, phase_);
        (ready_ && !running ? onAnim_ : offAnim_).DrawExact(*batch, orb.x, orb.y, GetColor());
    }
    if (!running || owner_ == nullptr) return;
    const float length = BarLength(spellId_);
    if (!(length > 0.0f)) return;
    const LevelScreen* screen = CurrentLevelScreen();
    owner_->DrawProgress(at + altar_orb::kBarCentre, screen->spellTimers[static_cast<size_t>(spellId_)] / length);
}

void cAltar::DrawOverlay()
{
    cGameObject::DrawOverlay();
    if (laser_.play.mode == kPlayStopped) return;
    LevelScreen* screen = CurrentLevelScreen();
    vrk::VertexBatch* batch = OwnerBatch();
    if (screen == nullptr || batch == nullptr) return;
    const vec2 at = screen->WorldToScreen(GetPosition()) + altar_orb::kLaserOffset;
    laser_.DrawTransformed(*batch, at.x, at.y, altar_orb::kLaserScale.x, altar_orb::kLaserScale.y, GetColor(), 0.0f);
}
