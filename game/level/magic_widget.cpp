// cMagicWidget: construction, clearing, the per-level set-up hook, the focus and
// the start of play, the lights and the tutorial step's ownership.
#include "game/level/magic_widget.h"

#include <utility>

#include "engine/render/font.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "framework/widgets/caption_list.h"
#include "game/hints/first_hint.h"
#include "game/level/level_setup.h"
#include "game/level/train.h"
#include "objects/level_contract.h"
#include "objects/spell_table.h"

namespace {

constexpr const char* kCaptionFont = "TimesNewRomanItalic22";
constexpr const char* kStartSound = "start_game";

}  // namespace

cMagicWidget* CurrentMagicWidget() { return dynamic_cast<cMagicWidget*>(CurrentLevelScreen()); }

cMagicWidget::cMagicWidget()
{
    // LevelScreen has already sized the grid on the level's skewed axes, which this
    // screen keeps.
    dayNightPhase.speed = 1.0f;
    tint.speed = kFadeSpeed;
    nightStrength.speed = kFadeSpeed;
    for (TimedValue<float>* timer : {&ambienceTimer, &killWorkersTimer, &killTowersTimer, &checkTimer})
        timer->speed = 1.0f;
    ResetMagicState();
    chosenAdvisorId = 0;
    for (const SpellRecord& spell : kSpellTable)
        spellTable_.push_back(SpellEntry{static_cast<uint32_t>(spell.id), spell.name});
    SetEffectList(std::make_unique<CaptionList>());
    // Without the font the rising texts use the caption font.
    SetEffectFont(vrk::FindFont(kCaptionFont));
}

cMagicWidget::~cMagicWidget() { cMagicWidget::ClearLevel(); }

void cMagicWidget::InitLevel(const std::string& name)
{
    LevelScreen::InitLevel(name);
    // Clearing left the last level's look fading out; the play tick would paint that
    // fade over the colour and the night this level's block sets, so the new level
    // starts from plain day.
    tint.Set(SceneTint::kWhite);
    nightStrength.start = nightStrength.target = nightStrength.current = 0.0f;
    nightStrength.elapsed = nightStrength.duration = 0.0f;
    ResetEnemyTuning();
    ApplyLevelSetup(*this, name);
}

void cMagicWidget::ClearLevel()
{
    LevelScreen::ClearLevel();
    // Only the grid tail makes cells walkable: a level without one walks nowhere.
    for (int32_t x = 0; x < GetGridWidth(); ++x) {
        for (int32_t y = 0; y < GetGridHeight(); ++y) SetCellCost(x, y, kTerrainImpassable);
    }
    ResetMagicState();
}

void cMagicWidget::ResetMagicState()
{
    wayPoints_.clear();
    baseStage = -1;
    levelTime = 0.0f;
    timeLimit = 0.0f;
    limitWarned = false;
    timeOver = false;
    dayNightPhase.start = dayNightPhase.target = dayNightPhase.current = 0.0f;
    dayNightPhase.elapsed = dayNightPhase.duration = 0.0f;
    nightCount = -1;
    // An enemy spell running at a restart must not strike the next level.
    for (TimedValue<float>* timer : {&killWorkersTimer, &killTowersTimer, &checkTimer}) {
        timer->start = timer->target = timer->current = 0.0f;
        timer->elapsed = timer->duration = 0.0f;
    }
    dayLength = 0.0f;
    nightLength = 0.0f;
    // The scene fades back to day from wherever the last level left it.
    tint.SetTarget(SceneTint::kWhite);
    nightStrength.SetTarget(0.0f);
    hint_.reset();
    hintHover = 0;
    RestartHintWait();
    StopRainSound();
    freedWorkers = 0;
    resourceTotal = 0;
    succubusTicks = 0;
    tomatoFoodSum = 0;
    wheatFoodSum = 0;
    manaSum = 0;
}

void cMagicWidget::StopRainSound()
{
    vrk::StopAndDeleteSound(rainSound_);
    rainSound_ = nullptr;
}

void cMagicWidget::SetHint(std::unique_ptr<cTrain> hint) { hint_ = std::move(hint); }

void cMagicWidget::ClearHintTarget(cObject* object)
{
    if (hint_ != nullptr && object != nullptr && hint_->target == object) hint_->target = nullptr;
}

void cMagicWidget::OnDrawLayer(vrk::VertexBatch& batch, int32_t layer)
{
    LevelScreen::OnDrawLayer(batch, layer);
    if (layer == kLightLayer) lightList.Draw(batch, nightStrength.current);
}

void cMagicWidget::OnFocus()
{
    StartGame();
    // A level without music of its own (one outside the level table) keeps what
    // plays: there is no music without a name to switch to.
    if (!music.empty()) vrk::SwitchMusic(music);
    SetMode(kModeLoading);
}

bool cMagicWidget::StartGame()
{
    cMiddle* middle = GetMiddle();
    cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    if (player == nullptr) return false;
    const uint32_t count = middle->GetLevelCount();
    const uint32_t index = player->currentLevel;
    if (count == 0 || index >= count) return false;
    vrk::cByteStream* stream = middle->GetLevelFiles().GetLevelStream(index);
    if (stream == nullptr) return false;
    // The editor must not store a level that lacks what could not be read.
    levelScene_.Load(*this, *stream, middle->GetLimit43());
    LinkObjects();
    OnPlayEvent(kEventRecount, 0);
    vrk::PlaySound(kStartSound);
    // Made whatever the player's hint setting: the play tick applies it.
    SetHint(CreateFirstHint(GetLevelName()));
    return true;
}
