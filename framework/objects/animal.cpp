// cAnimal: the look-around / run cycle of the level's critters.
#include "framework/objects/animal.h"

#include <array>

#include "framework/widgets/level_widget.h"

namespace {

constexpr const char* kWalkBase = "walk";
constexpr const char* kAlertBase = "alert";

struct AnimationBinding {
    const char* key;
    const char* suffix;  // appended to the kind's name
};

constexpr std::array<AnimationBinding, 9> kBindings{{
    {"walk0", "_run0"},
    {"walk1", "_run1"},
    {"walk2", "_run2"},
    {"walk3", "_run3"},
    {"alert", "_alert0"},
    {"alert0", "_alert0"},
    {"alert1", "_alert1"},
    {"alert2", "_alert2"},
    {"alert3", "_alert3"},
}};

bool IsAnimalKind(const std::string& name) { return name == "chip" || name == "rabbit"; }

}  // namespace

cAnimal::cAnimal(cObjectOwner* owner) : cMan(owner) { layer_ = kAnimalLayer; }

cAnimal::~cAnimal() = default;

bool cAnimal::IsAlertStuck() const
{
    return GetAnimation() == nullptr || GetFrameCount() < kLeastAlertFrames;
}

void cAnimal::Update()
{
    // A look-around that cannot end would hold the animal for ever; the state is
    // changed here rather than from OnStateChange, whose caller stores the new state
    // after it returns and would overwrite a change made inside it.
    if (GetState() == kAnimalAlert && IsAlertStuck()) SetState(kAnimalChoosing);
    if (GetState() == kAnimalChoosing) {
        if (auto* level = dynamic_cast<cLevelWidget*>(owner_)) {
            std::vector<vec2> points;
            if (level->PickRandomPoint(points, this)) WalkPath(points, nullptr, 0);
        }
    }
    cMan::Update();
}

int32_t cAnimal::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageAnimationEnded && GetState() == kAnimalAlert) SetState(kAnimalChoosing);
    if (code == kMessagePathFinished) SetState(kAnimalAlert);
    return cMan::OnMessage(code, data);
}

int32_t cAnimal::GetTypeId() const { return kTypeAnimal; }

bool cAnimal::IsKindOf(int32_t id) const { return id == kTypeAnimal || cMan::IsKindOf(id); }

void cAnimal::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    if (IsAnimalKind(sprite)) {
        for (const AnimationBinding& binding : kBindings) AddAnimation(binding.key, sprite + binding.suffix);
    }
    SetState(kAnimalAlert);
}

int32_t cAnimal::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    vec2 direction;
    if (newState == kStateWalking) {
        GetMoveDirection(direction);
        PlayDirected(kWalkBase, direction, kPlayLoopForward);
    } else if (newState == kAnimalAlert) {
        GetMoveDirection(direction);
        PlayDirected(kAlertBase, direction, kPlayOnceForward);
    }
    return 0;
}

void cAnimal::StartMove() { StartMoveAtSpeed(kRunSpeed); }
