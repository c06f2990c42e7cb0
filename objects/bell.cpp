// cBell: set-up with the resting clapper, the alarm and the clapper's three swings.
#include "objects/bell.h"

#include "engine/sound/sound_play.h"
#include "engine/text/text_table.h"
#include "framework/widgets/base_widget.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kLifeKey = "life";
constexpr const char* kBellSprite = "bell00";
constexpr const char* kClapperSprite = "bell00_bell";
constexpr const char* kAlarmSound = "alarm";

}  // namespace

cBell::cBell(cObjectOwner* owner) : cGameObject(owner) {}

cBell::~cBell() = default;

int32_t cBell::GetTypeId() const { return kTypeBell; }

bool cBell::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBell, id); }

void cBell::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    AddAnimation(kLifeKey, kBellSprite);
    clapper_.SetSprite(kClapperSprite, kPlayStopped, false);
    // A clapper without frames has no frame to rest on: it stays where it is.
    const int32_t frames = clapper_.play.frameCount;
    if (frames > 0) clapper_.play.frame = frames > kRestFrame ? kRestFrame : frames - 1;
    SwitchAnimation(kLifeKey);
}

void cBell::StartSwing(bool restart)
{
    if (!CanSwing()) return;
    clapper_.play.mode = kPlayOnceForward;
    clapper_.SetPlayMode(restart, kPlayOnceForward);
}

void cBell::RingAlarm()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr) {
        static constexpr int32_t kWorkerKinds[] = {kTypeWorker, 0};
        ObjectList workers;
        screen->FindObjectsOfKinds(workers, kWorkerKinds, -1);
        for (cObject* worker : workers) worker->OnMessage(kEventBellAlarm, reinterpret_cast<uintptr_t>(this));
    }
    ringCounter_ = kExtraSwings;
    vrk::PlaySound(kAlarmSound);
    // The swing goes on from the frame the clapper rests on.
    StartSwing(false);
    if (screen != nullptr) {
        screen->ClearOrders();
        screen->bellNotRungFlag = false;
    }
}

void cBell::Update()
{
    cGameObject::Update();
    clapper_.Update(kTickSeconds);
    if (!CanSwing()) return;
    if (ringCounter_ >= 1 && clapper_.play.mode == kPlayStopped) {
        --ringCounter_;
        StartSwing(true);
    } else if (ringCounter_ < 1 && clapper_.play.mode != kPlayStopped && clapper_.play.frame == kRestFrame) {
        clapper_.play.mode = kPlayStopped;
        clapper_.SetPlayMode(false, kPlayStopped);
    }
}

void cBell::Draw()
{
    cObject::Draw();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const vec2 at = GetPosition();
    clapper_.Draw(*batch, at.x, at.y, GetColor());
}

std::string cBell::GetHintText() { return vrk::FindText(sprite_); }

float cBell::GetRadius() { return kBellRadius; }
