// EffectHolder: the effect kinds of the descriptors and the holder's operations.
#include "framework/objects/effect_holder.h"

#include <array>

#include "engine/text/text_parse.h"
#include "framework/objects/particle_shine_emitter.h"

namespace {

enum class EmitterKind { kGeneral, kFire };

// One row of the effect table. A spread of kSpreadFromArgument reads the
// descriptor's argument, with defaultSpread when it is empty.
struct EffectKind {
    const char* name;
    EmitterKind emitter;
    uint32_t capacity;
    const char* texture;
    float interval;
    bool spreadFromArgument;
    float spread;
    float lifeMin, lifeMax;
    float sizeMin, sizeMax;
    float sizeRate;
    ParticleVec3 velocityMin, velocityMax;
    ParticleVec3 acceleration;
    uint8_t fadeByLife;
    uint32_t colorBirth, colorMiddle, colorDeath;
    float rotationMin, rotationMax;
    float spinMin, spinMax;
};

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kClearWhite = 0x00FFFFFFu;

// Tried in this order; the kind must match exactly.
const std::array<EffectKind, 10> kEffectKinds = {{
    {"fog", EmitterKind::kGeneral, 15, "part_fog", 2.0f, false, 32.0f, 10.0f, 11.0f, 54.0f, 64.0f, 1.0f,
     {-2, -2, -2}, {2, 2, 2}, {}, 0, kClearWhite, kWhite, kClearWhite, 0.0f, kTwoPi, -0.1f, 0.1f},
    {"fire", EmitterKind::kFire, FireEmitter::kCapacity, "part_fire", 0.2f, false, 0.0f, 2.0f, 2.5f, 10.0f,
     16.0f, 0.0f, {-10, 25, 0}, {10, 30, 0}, {}, 1, kWhite, kWhite, kWhite, 0.0f, 0.0f, 0.0f, 0.0f},
    {"smoke", EmitterKind::kGeneral, 15, "part_smoke", 0.6666667f, false, 0.0f, 5.0f, 7.0f, 10.0f, 15.0f,
     2.0f, {-1, 15, -1}, {1, 20, 1}, {}, 0, 0x00C5C5C5u, 0xFF808080u, 0x00000000u, 0.0f, 0.0f, -0.5f,
     0.5f},
    {"build_smoke", EmitterKind::kGeneral, 15, "part_smoke", 0.25f, true, 24.0f, 1.0f, 3.0f, 16.0f, 24.0f,
     8.0f, {-1, -1, 0}, {1, 1, 0}, {}, 1, kWhite, kWhite, kWhite, 0.0f, 0.0f, 0.0f, 0.0f},
    {"snow", EmitterKind::kGeneral, 120, "part_snow", 0.016666668f, true, 128.0f, 1.5f, 2.0f, 2.0f, 3.0f,
     0.0f, {-25, -40, 0}, {25, -25, 0}, {}, 0, kClearWhite, kWhite, kClearWhite, 0.0f, 0.0f, 0.0f, 0.0f},
    {"leaves", EmitterKind::kGeneral, 30, "part_leaf", 0.05f, true, 32.0f, 1.3f, 1.3f, 6.0f, 10.0f, 0.0f,
     {-5, -100, -5}, {5, -90, 5}, {}, 0, kClearWhite, kWhite, 0x80FFFFFFu, 0.0f, 0.0f, -4.0f, 4.0f},
    {"pillar_snow", EmitterKind::kGeneral, 40, "part_snow", 0.033333335f, true, 32.0f, 1.2f, 1.2f, 3.0f,
     4.0f, 0.0f, {-5, -120, -5}, {5, -100, 5}, {}, 0, kClearWhite, kWhite, kWhite, 0.0f, 0.0f, 0.0f, 0.0f},
    {"hearts", EmitterKind::kGeneral, 15, "part_heart", 0.5f, false, 5.0f, 5.0f, 5.0f, 6.0f, 6.0f, 1.1f,
     {-3, 15, -3}, {3, 15, 3}, {}, 0, kClearWhite, kWhite, 0x20FFFFFFu, 0.0f, 0.0f, 0.0f, 0.0f},
    {"wood_spark", EmitterKind::kGeneral, 15, "part_wood", 0.0033333334f, false, 8.0f, 0.7f, 1.0f, 8.0f,
     10.0f, 0.0f, {20, 20, 0}, {80, 40, 0}, {0, -16, 0}, 1, kWhite, kWhite, kWhite, 0.0f, 0.0f, 0.0f,
     -5.0f},
    {"stars_tail", EmitterKind::kGeneral, 150, "part_star_alpha", 0.05f, false, 6.0f, 3.0f, 4.0f, 5.0f,
     6.0f, -0.2f, {-3, -3, -3}, {3, 3, 3}, {}, 1, kWhite, kWhite, kWhite, 0.0f, 0.0f, -1.0f, 1.0f},
}};

// The sheet of the "fire" flames: 8 columns by 4 rows.
constexpr uint32_t kFireColumns = 8;
constexpr uint32_t kFireRows = 4;
constexpr float kFireCellWidth = 0.125f;
constexpr float kFireCellHeight = 0.25f;

const EffectKind* FindEffectKind(const std::string& name)
{
    for (const EffectKind& kind : kEffectKinds) {
        if (name == kind.name) return &kind;
    }
    return nullptr;
}

void FillParams(EmitterParams& params, const EffectKind& kind, const std::string& argument)
{
    params.interval = kind.interval;
    params.accumulator = kind.interval;  // so the first update emits at once
    params.spread = kind.spread;
    if (kind.spreadFromArgument && !argument.empty()) {
        params.spread = static_cast<float>(vrk::StrToInt(argument.c_str()));
    }
    params.lifeMin = kind.lifeMin;
    params.lifeMax = kind.lifeMax;
    params.sizeMin = kind.sizeMin;
    params.sizeMax = kind.sizeMax;
    params.sizeRate = kind.sizeRate;
    params.velocityMin = kind.velocityMin;
    params.velocityMax = kind.velocityMax;
    params.acceleration = kind.acceleration;
    params.fadeByLife = kind.fadeByLife;
    params.colorBirth = kind.colorBirth;
    params.colorMiddle = kind.colorMiddle;
    params.colorDeath = kind.colorDeath;
    params.rotationMin = kind.rotationMin;
    params.rotationMax = kind.rotationMax;
    params.spinMin = kind.spinMin;
    params.spinMax = kind.spinMax;
}

}  // namespace

void EffectHolder::SetEffect(vrk::VertexBatch* ownerBatch, const std::string& descriptor)
{
    Clear();
    const auto [kindName, argument] = vrk::SplitPair(descriptor, "=");
    const EffectKind* kind = FindEffectKind(kindName);
    if (kind == nullptr) return;

    params = std::make_shared<EmitterParams>();
    FillParams(*params, *kind, argument);
    ParticleEmitter* emitter = nullptr;
    if (kind->emitter == EmitterKind::kFire) {
        fire = std::make_unique<FireEmitter>();
        fire->columns = kFireColumns;
        fire->rows = kFireRows;
        fire->cellWidth = kFireCellWidth;
        fire->cellHeight = kFireCellHeight;
        emitter = fire.get();
    } else {
        general = std::make_unique<ParticleEmitter>(kind->capacity);
        emitter = general.get();
    }
    emitter->mesh.batch = ownerBatch;
    emitter->SetTexture(kind->texture);
    emitter->AddParams(params);
    rate = params->interval != 0.0f ? 1.0f / params->interval : 0.0f;
}

void EffectHolder::Update(float dt)
{
    if (general) {
        general->Update(dt);
    } else if (fire) {
        fire->Update(dt);
    }
}

void EffectHolder::Draw(const vrk::Matrix4& matrix)
{
    ParticleEmitter* emitter = GetEmitter();
    if (emitter == nullptr) return;
    emitter->mesh.SetAxes(matrix);
    emitter->mesh.CopyToBatch();
}

void EffectHolder::SetPosition(float x, float y)
{
    if (params) params->position = {x, y, 0.0f};
}

void EffectHolder::SetEmitting(bool on)
{
    if (!params) return;
    const float interval = on && rate != 0.0f ? 1.0f / rate : 0.0f;
    params->interval = interval;
    params->accumulator = interval;
}

bool EffectHolder::IsEmitting() const
{
    return params && params->interval != 0.0f && 1.0f / params->interval != 0.0f;
}

void EffectHolder::Clear()
{
    general.reset();
    fire.reset();
    params.reset();
    rate = 0.0f;
}

uint32_t EffectHolder::GetLiveCount() const
{
    const ParticleEmitter* emitter = GetEmitter();
    return emitter != nullptr ? emitter->LiveCount() : 0;
}

ParticleEmitter* EffectHolder::GetEmitter() const
{
    if (general) return general.get();
    return fire.get();
}
