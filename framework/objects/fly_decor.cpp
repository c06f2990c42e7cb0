// cFlyDecor: the flyer table, the flight cycle and its record.
#include "framework/objects/fly_decor.h"

#include <array>

#include "engine/files/byte_stream.h"
#include "framework/objects/decor.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr int32_t kFlyLayer = 9;
constexpr const char* kIdleKey = "rand0";
constexpr const char* kActionKey = "rand1";
// Flyers start and end this many frame sizes outside the world.
constexpr float kOutside = 1.5f;
// After each animation the flyer acts (its "rand1") with this chance in percent.
constexpr float kActionAbove = 70.0f;
constexpr float kPercent = 100.0f;
constexpr size_t kHomeBytes = 8;

struct FlyerKind {
    const char* sprite;
    const char* idle;
    const char* action;
    const char* shadow;  // null: no shadow
    float height;
    float leastWait;
    float mostWait;
    float speed;
};

const std::array<FlyerKind, 5> kFlyers = {{
    {"bird00_lr", "bird00_idle", "bird00_action", "bird00_sh", 170.0f, 30.0f, 60.0f, 35.0f},
    {"bird01_lr", "bird01_idle", "bird01_action", "bird01_sh", 150.0f, 15.0f, 45.0f, 30.0f},
    {"bird02_lr", "bird02_idle", "bird02_idle", "bird02_sh", 110.0f, 10.0f, 20.0f, 25.0f},
    {"map_cloud0", "map_cloud0", "map_cloud0", nullptr, 0.0f, 0.0f, 0.0f, 0.0f},
    {"magic_cloud", "magic_cloud", "magic_cloud", nullptr, 0.0f, 0.0f, 5.0f, 15.0f},
}};

const FlyerKind* FindFlyer(const std::string& sprite)
{
    for (const FlyerKind& flyer : kFlyers) {
        if (sprite == flyer.sprite) return &flyer;
    }
    return nullptr;
}

}  // namespace

cFlyDecor::cFlyDecor(cObjectOwner* owner) : cObject(owner) { layer_ = kFlyLayer; }

cFlyDecor::~cFlyDecor() = default;

int32_t cFlyDecor::GetTypeId() const { return kTypeFlyDecor; }

bool cFlyDecor::IsKindOf(int32_t id) const { return id == kTypeFlyDecor || id == kTypeObject; }

bool cFlyDecor::InEditor() const { return owner_ != nullptr && owner_->IsEditorMode(); }

void cFlyDecor::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    const FlyerKind* flyer = FindFlyer(sprite);
    if (flyer == nullptr) return;
    AddAnimation(kIdleKey, flyer->idle);
    AddAnimation(kActionKey, flyer->action);
    if (flyer->shadow != nullptr) {
        shadow_.SetSprite(flyer->shadow, kPlayLoopForward, InEditor());
    } else {
        shadow_ = SpriteAnim{};
    }
    height_ = flyer->height;
    leastWait_ = flyer->leastWait;
    mostWait_ = flyer->mostWait;
    speed_ = flyer->speed;
    if (std::string(flyer->sprite) == "magic_cloud") direction_ = kLeftToRight;
    PlayAnimation(kIdleKey, kPlayOnceForward);
}

void cFlyDecor::StartWaiting()
{
    flightState_ = kFlightWaiting;
    progress_ = 0.0f;
    waitTime_ = SceneryRandom(leastWait_, mostWait_);
}

void cFlyDecor::Update()
{
    cObject::Update();
    shadow_.Update(kTickSeconds);
    if (InEditor()) return;

    switch (flightState_) {
    case kFlightNew:
        flightState_ = kFlightFlying;
        PlanFlight();
        // It starts somewhere along its way.
        progress_ = SceneryRandom(0.0f, (end_ - start_).Length());
        break;
    case kFlightWaiting:
        progress_ += kTickSeconds;
        position_ = start_;
        if (progress_ >= waitTime_) {
            flightState_ = kFlightFlying;
            progress_ = 0.0f;
            PlanFlight();
        }
        break;
    case kFlightFlying: {
        progress_ += speed_ * kTickSeconds;
        const float length = (end_ - start_).Length();
        // A line of no length (no direction planned) would give a NaN position.
        if (!(length > 0.0f)) {
            StartWaiting();
            break;
        }
        const float t = progress_ / length;
        if (t > 1.0f) {
            StartWaiting();
        } else {
            position_ = start_ + (end_ - start_) * t;
        }
        break;
    }
    default:
        break;
    }
}

void cFlyDecor::PlanFlight()
{
    Rect frame;
    GetFrameRect(frame, -1);
    const float worldWidth = owner_ != nullptr ? owner_->GetLevelWidth() : 0.0f;
    const float worldHeight = owner_ != nullptr ? owner_->GetLevelHeight() : 0.0f;
    switch (direction_) {
    case kLeftToRight: {
        const float y = SceneryRandom(0.0f, worldHeight);
        start_ = vec2{-kOutside * frame.width, y};
        end_ = vec2{worldWidth + kOutside * frame.width, y};
        break;
    }
    case kRightToLeft: {
        const float y = SceneryRandom(0.0f, worldHeight);
        start_ = vec2{worldWidth + kOutside * frame.width, y};
        end_ = vec2{-kOutside * frame.width, y};
        break;
    }
    case kBottomToTop: {
        const float x = SceneryRandom(0.0f, worldWidth);
        start_ = vec2{x, -kOutside * frame.height};
        end_ = vec2{x, worldHeight + kOutside * frame.height};
        break;
    }
    default:
        break;
    }
}

void cFlyDecor::Draw()
{
    if (flightState_ != kFlightFlying && !InEditor()) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch != nullptr) {
        const vec2 at = GetPosition();
        const vec2 shadowAt{at.x, at.y - height_};
        if (ShadowOnGround(shadowAt)) shadow_.Draw(*batch, shadowAt.x, shadowAt.y, GetColor());
    }
    DrawBatched();
}

bool cFlyDecor::ShadowOnGround(const vec2& at) const
{
    if (owner_ == nullptr) return true;
    const int32_t frame = shadow_.play.frame;
    const float top = at.y - shadow_.info.HotSpot(frame).y + shadow_.info.Size(frame).y;
    return top <= owner_->GetSkyLine();
}

int32_t cFlyDecor::OnMessage(uint32_t code, uintptr_t /*data*/)
{
    if (code != kMessageAnimationEnded) return 0;
    const float pick = SceneryRandom(0.0f, kPercent);
    PlayAnimation(pick > kActionAbove ? kActionKey : kIdleKey, kPlayOnceForward);
    return 0;
}

vec2 cFlyDecor::GetPosition() const { return InEditor() ? home_ : position_; }

void cFlyDecor::SetPositionV(const vec2& position)
{
    if (InEditor()) {
        home_ = position;
    } else {
        position_ = position;
    }
}

void cFlyDecor::MoveV(const vec2& delta)
{
    if (InEditor()) {
        home_ += delta;
    } else {
        position_ += delta;
    }
}

bool cFlyDecor::Load(vrk::cByteStream& stream, uint32_t version)
{
    const bool whole = cObject::Load(stream, version);
    placedPosition_ = position_;
    placedByFile_ = true;
    const size_t size = stream.Bytes().size();
    const size_t cursor = stream.Cursor();
    const bool homePresent = cursor <= size && size - cursor >= kHomeBytes;
    float x = 0.0f;
    float y = 0.0f;
    stream.ReadFloat(x);
    stream.ReadFloat(y);
    home_ = vec2{x, y};
    return whole && homePresent;
}

bool cFlyDecor::Save(vrk::cByteStream& stream)
{
    // A save stores no moment of a flight: the place as loaded (or, for a flyer
    // placed in the editor, its home), and the home as edited.
    const vec2 flying = position_;
    position_ = placedByFile_ ? placedPosition_ : home_;
    cObject::Save(stream);
    position_ = flying;
    stream.WriteFloat(home_.x);
    stream.WriteFloat(home_.y);
    return true;
}
