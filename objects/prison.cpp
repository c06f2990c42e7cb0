// cPrison: the set-up, the captives and their release, the order verdict, the hint
// and the drawing (the row of heads and the laser of the opening).
#include "objects/prison.h"

#include "engine/render/vertex_batch.h"
#include "engine/sound/sound_play.h"
#include "engine/text/text_table.h"
#include "framework/objects/man.h"
#include "framework/objects/node.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/wife.h"

namespace {

constexpr const char* kPrisonSprite = "prison";
constexpr const char* kPrisonKey = "life";
constexpr const char* kHeadIcon = "icon_head";
constexpr const char* kLaserSprite = "effect_laser";
constexpr const char* kJoySound = "worker_joy";
constexpr const char* kHintKey = "prison00";
constexpr const char* kOpenKey = "OpenPrison";
constexpr size_t kManaIndex = 3;
constexpr vec2 kPrisonMarksOffset{-30.0f, -10.0f};
constexpr int32_t kZoneSide = 2;
// It is never built or upgraded.
constexpr int32_t kNeverBuilt = -1;
// The heads sit in a row above the prison, the laser rises from its middle.
constexpr float kHeadSpacing = 20.0f;
constexpr float kHeadLift = 50.0f;
constexpr vec2 kLaserOffset{0.0f, 20.0f};
constexpr float kLaserScaleX = 2.0f;
constexpr float kLaserScaleY = 6.0f;
// Worker states the release reads and sets: imprisoned, and cut off from home.
constexpr int32_t kWorkerImprisoned = 13;
constexpr int32_t kWorkerCutOff = 10;

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

}  // namespace

cPrison::cPrison(cObjectOwner* owner) : cBuild(owner)
{
    openPrice_.amounts.at(kManaIndex) = kOpenMana;
    if (LevelScreen* screen = CurrentLevelScreen()) screen->prison = this;
}

cPrison::~cPrison()
{
    // The level forgets a prison that goes before it does.
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->prison == this) screen->prison = nullptr;
}

int32_t cPrison::GetTypeId() const { return kTypePrison; }

bool cPrison::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypePrison, id); }

void cPrison::SetSprite(const std::string& sprite)
{
    cBuild::SetSprite(sprite);
    AddAnimation(kPrisonKey, kPrisonSprite);
    SwitchAnimation(kPrisonKey);
    marksOffset_ = kPrisonMarksOffset;
    SetPlaces(kPlaces);
    SetZoneSize(kZoneSide, kZoneSide);
    SetMaxLevel(kNeverBuilt);
    headIcon_.SetSprite(kHeadIcon, kPlayStopped, LoadNow(owner_));
    laser_.SetSprite(kLaserSprite, kPlayStopped, LoadNow(owner_));
}

void cPrison::Update()
{
    cBuild::Update();
    if (laser_.play.mode == kPlayStopped) return;
    laser_.Update(kTickSeconds);
    // A laser of fewer than two frames or without a frame rate never steps to its
    // end; it counts as played at once so it does not hang over the prison.
    if (laser_.play.frameCount < 2 || laser_.play.framesPerSecond <= 0.0f) laser_.play.mode = kPlayStopped;
}

void cPrison::Draw()
{
    cBuild::Draw();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t color = GetColor();
    for (uint32_t i = 0; i < captives_; ++i) {
        headIcon_.Draw(*batch, position_.x + kHeadSpacing * static_cast<float>(i), position_.y + kHeadLift, color);
    }
    if (IsLaserOn()) {
        laser_.DrawTransformed(*batch, position_.x + kLaserOffset.x, position_.y + kLaserOffset.y, kLaserScaleX,
                               kLaserScaleY, color, 0.0f);
    }
}

int32_t cPrison::OnMessage(uint32_t code, uintptr_t data)
{
    // The release starts the laser.
    if (code == kEventMagicReached) Release();
    return cGameObject::OnMessage(code, data);
}

int32_t cPrison::HitTest(const vec2& point)
{
    if (!hasAnimation_) return 0;
    return ShowsAt(point) ? 1 : 0;
}

int32_t cPrison::GetOrderState()
{
    return captives_ == 0 ? kOrderRefused : WifeReachVerdict(*this, cGameObject::GetOrderState());
}

ResourceVector cPrison::GetCost() { return openPrice_; }

std::string cPrison::GetHintText()
{
    std::string text = vrk::FindText(kHintKey);
    if (captives_ == 0) return text;
    std::string amounts;
    return text + "\n" + vrk::FindText(kOpenKey) + ":" + openPrice_.FormatResourceAmounts(amounts, true);
}

void cPrison::AddCaptive() { ++captives_; }

void cPrison::Release()
{
    if (captives_ != 0) vrk::PlaySound(kJoySound);
    captives_ = 0;
    laser_.play.mode = kPlayOnceForward;
    laser_.SetPlayMode(true, kPlayOnceForward);

    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cMan*>(object);
        if (worker == nullptr || worker->GetState() != kWorkerImprisoned) continue;
        // The first linked object is the exit; without one a captive steps out
        // where it sits.
        if (!attached_.empty()) worker->SetPositionV(attached_.front()->GetPosition());
        // A captive the level cannot send home is cut off rather than left
        // imprisoned outside an empty prison; reopened roads free it later.
        const bool sent = screen->home != nullptr && screen->SendWorker(worker, screen->home, 0);
        if (!sent) worker->SetState(kWorkerCutOff);
    }
}
