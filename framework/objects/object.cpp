// cObject: construction, state protocol, messages, plain fields, animations, route
// nodes and worker places. Drawing and geometry live in object_draw.cpp, the level
// record in object_io.cpp.
#include "framework/objects/object.h"

#include <algorithm>

#include "framework/objects/app_services.h"
#include "framework/objects/node.h"
#include "framework/objects/object_owner.h"

cObject::cObject(cObjectOwner* owner) : owner_(owner) {}

cObject::~cObject()
{
    // Attached nodes outlive or die before their holder in any order (a screen
    // deletes its objects in layer order), so both sides forget each other.
    cObject::DetachAll();
}

void cObject::Update()
{
    FrameInfo before;
    GetFrameInfo(before);
    const int32_t oldMode = anim_.play.mode;
    const int32_t steps = anim_.Update(GetAnimationSpeed() * kTickSeconds);
    if (steps > 0) {
        fadeTimer_ = fadeTime_;
        previousFrame_ = before;
    }
    if (oldMode != kPlayStopped && anim_.play.mode == kPlayStopped) {
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(static_cast<uint32_t>(oldMode)));
    }
}

void cObject::UpdateFade(float dt)
{
    if (fadeTimer_ > 0.0f) fadeTimer_ = std::max(fadeTimer_ - dt, 0.0f);
}

void cObject::DrawEditor() { Draw(); }

void cObject::DrawOverlay() {}

int32_t cObject::OnMessage(uint32_t /*code*/, uintptr_t /*data*/) { return 0; }

int32_t cObject::GetTypeId() const { return kTypeObject; }

bool cObject::IsKindOf(int32_t id) const { return id == kTypeObject; }

void cObject::SetName(const std::string& name) { name_ = name; }
const std::string& cObject::GetName() const { return name_; }
void cObject::SetSprite(const std::string& sprite) { sprite_ = sprite; }
const std::string& cObject::GetSprite() const { return sprite_; }
void cObject::SetText(const std::string& text) { text_ = text; }
const std::string& cObject::GetText() const { return text_; }
void cObject::SetLinkId(int32_t linkId) { linkId_ = linkId; }
int32_t cObject::GetLinkId() const { return linkId_; }

int32_t cObject::SetState(int32_t state)
{
    if (state == state_) return state_;
    StateChange change{state_, state};
    const int32_t answer = OnMessage(kMessageStateChange, reinterpret_cast<uintptr_t>(&change));
    if (answer != 0) return answer;
    state_ = state;
    return 0;
}

int32_t cObject::GetState() const { return state_; }

// --- Animations ---

bool cObject::AddAnimation(const std::string& key, const std::string& spriteName)
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return false;
    const SpriteInfo record = services->GetSpriteInfoEx(spriteName);
    if (!record.IsSprite()) return false;
    MarkSpriteTextureUsed(record, owner_ != nullptr && owner_->IsEditorMode());
    animations_[key] = record;
    return true;
}

void cObject::StartFade()
{
    fadeTimer_ = fadeTime_;
    GetFrameInfo(previousFrame_);
}

bool cObject::LoadAnimation(const std::string& key)
{
    const auto found = animations_.find(key);
    if (found == animations_.end()) {
        hasAnimation_ = false;
        animationKey_.clear();
        anim_.Clear();
        return false;
    }
    hasAnimation_ = true;
    animationKey_ = key;
    anim_.LoadRecord(found->second);
    return true;
}

void cObject::PlayAnimation(const std::string& key, int32_t mode)
{
    StartFade();
    if (!LoadAnimation(key)) return;
    SetPlayMode(mode, true);
}

void cObject::SwitchAnimation(const std::string& key)
{
    StartFade();
    const int32_t frame = anim_.play.frame;
    const int32_t mode = anim_.play.mode;
    if (!LoadAnimation(key)) return;
    SetPlayMode(kPlayStopped, true);
    const int32_t count = anim_.play.frameCount;
    if (frame > 0 && count > 0) anim_.play.frame = frame >= count ? count - 1 : frame;
    SetPlayMode(mode, false);
}

const SpriteInfo* cObject::GetAnimation() const { return hasAnimation_ ? &anim_.info : nullptr; }

const std::string& cObject::GetAnimationKey() const { return animationKey_; }

void cObject::SetPlayMode(int32_t mode, bool restart)
{
    anim_.play.mode = mode;
    if (IsPlayableMode(mode)) anim_.SetPlayMode(restart, mode);
}

int32_t cObject::GetPlayMode() const { return anim_.play.mode; }

bool cObject::IsStopped() const { return anim_.play.mode == kPlayStopped; }

bool cObject::IsRepeating() const
{
    const int32_t mode = anim_.play.mode;
    return mode == kPlayLoopForward || mode == kPlayLoopBackward || mode == kPlayPingPong;
}

float cObject::GetAnimationSpeed() const { return 1.0f; }

void cObject::SetFadeTime(float seconds) { fadeTime_ = seconds; }
float cObject::GetFadeTime() const { return fadeTime_; }

int32_t cObject::GetFrameCount() const { return anim_.play.frameCount; }

void cObject::SetFrame(int32_t frame)
{
    if (frame == anim_.play.frame) return;
    StartFade();
    SetPlayMode(kPlayStopped, true);
    const int32_t count = anim_.play.frameCount;
    if (frame > 0 && count > 0) anim_.play.frame = frame >= count ? count - 1 : frame;
}

int32_t cObject::GetFrame() const { return anim_.play.frame; }

// --- Colour and plain geometry fields ---

void cObject::SetColor(uint32_t color, uint32_t mask)
{
    color_ = color;
    colorMask_ = mask;
}

uint32_t cObject::GetColor() const
{
    const uint32_t sceneColor = owner_ != nullptr ? owner_->GetSceneColor() : kWhite;
    return (sceneColor & ~colorMask_) | (color_ & colorMask_);
}

void cObject::SetHighlight(float highlight) { highlight_ = highlight; }
float cObject::GetHighlight() const { return highlight_; }
vec2 cObject::GetPosition() const { return position_; }
float cObject::GetAngle() const { return angle_; }
void cObject::SetScaleV(const vec2& scale) { scale_ = scale; }
void cObject::SetScale(float x, float y) { SetScaleV(vec2{x, y}); }
vec2 cObject::GetScale() const { return scale_; }
int32_t cObject::HitTest(const vec2& /*point*/) { return 0; }
void cObject::SetPositionV(const vec2& position) { position_ = position; }
void cObject::SetPosition(float x, float y) { SetPositionV(vec2{x, y}); }
void cObject::MoveV(const vec2& delta) { position_ += delta; }
void cObject::Move(float dx, float dy) { MoveV(vec2{dx, dy}); }
void cObject::SetAngle(float angle) { angle_ = angle; }
void cObject::SetShapeOffsetV(const vec2& offset) { shapeOffset_ = offset; }
void cObject::SetShapeOffset(float x, float y) { SetShapeOffsetV(vec2{x, y}); }
void cObject::SetDrawOffsetV(const vec2& offset) { drawOffset_ = offset; }
void cObject::SetDrawOffset(float x, float y) { SetDrawOffsetV(vec2{x, y}); }

// --- Route nodes ---

void cObject::Attach(cNode* node)
{
    if (node == nullptr || node == this) return;
    // A node belongs to one holder: the previous one lets it go first, so no list
    // keeps a node that points elsewhere.
    cObject* holder = node->GetHolder();
    if (holder != nullptr && holder != this) holder->Detach(node);
    node->SetLinkId(id_);
    node->SetHolder(this);
    if (std::find(attached_.begin(), attached_.end(), node) == attached_.end()) attached_.push_back(node);
}

void cObject::Detach(cNode* node)
{
    if (node == nullptr) return;
    attached_.erase(std::remove(attached_.begin(), attached_.end(), node), attached_.end());
    if (node->GetHolder() == this) node->SetHolder(nullptr);
}

void cObject::DetachAll()
{
    for (cNode* node : attached_) {
        if (node->GetHolder() == this) node->SetHolder(nullptr);
    }
    attached_.clear();
}

void cObject::GetLinkedPoints(std::vector<vec2>& points) const
{
    points.clear();
    const size_t count = attached_.size();
    if (count == 0) {
        points.push_back(GetPosition());
        return;
    }
    if (count == 1) {
        points.push_back(attached_[0]->GetPosition());
        return;
    }
    size_t first = 0;
    if (count > 2) {
        const int32_t last = static_cast<int32_t>(count - 2);
        first = static_cast<size_t>(std::clamp(AppRandom(last), 0, last));
    }
    points.push_back(attached_[first]->GetPosition());
    points.push_back(attached_[first + 1]->GetPosition());
}

// --- Worker places ---

void cObject::SetPlaces(int32_t count)
{
    placeCapacity_ = count;
    freePlaces_ = count;
}

int32_t cObject::GetFreePlaces() const { return freePlaces_; }

int32_t cObject::GetUsedPlaces() const { return placeCapacity_ - freePlaces_; }

bool cObject::TakePlace()
{
    if (freePlaces_ <= 0) return false;
    --freePlaces_;
    return true;
}

bool cObject::ReleasePlace()
{
    if (freePlaces_ >= placeCapacity_) return false;
    ++freePlaces_;
    return true;
}

vrk::TexelCover cObject::CoverAt(const vec2& point) const { return FrameCoverAt(point); }

bool cObject::HidesPoint(const vec2& /*point*/) { return false; }
