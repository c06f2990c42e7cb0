// cLake: set-up, freezing and thawing, the wait for the last worker to leave the
// ice, and the snow.
#include "objects/lake.h"

#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"
#include "objects/editor_hit_test.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kLakeSprite = "lake00";
constexpr const char* kFreezeKey = "freeze";
constexpr const char* kIceSprite = "ice";
constexpr const char* kSnowEffect = "snow=64";
constexpr std::array<vec2, 3> kSnowOffsets{vec2{-20.0f, 80.0f}, vec2{0.0f, 80.0f}, vec2{20.0f, 80.0f}};

}  // namespace

cLake::cLake(cObjectOwner* owner) : cGameObject(owner) { layer_ = kLakeLayer; }

cLake::~cLake() = default;

int32_t cLake::GetTypeId() const { return kTypeLake; }

bool cLake::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeLake, id); }

void cLake::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    if (sprite == kLakeSprite) {
        AddAnimation(kFreezeKey, kIceSprite);
        SetZoneSize(kFootprintCells, kFootprintCells);
    }
    for (EffectHolder& holder : snow_) {
        holder.SetEffect(OwnerBatch(), kSnowEffect);
        holder.SetEmitting(false);
    }
    PlaceSnow();
    SetState(kStateOpen);
}

void cLake::PlaceSnow()
{
    const vec2 at = GetPosition();
    for (size_t i = 0; i < snow_.size(); ++i) snow_[i].SetPosition(at.x + kSnowOffsets[i].x, at.y + kSnowOffsets[i].y);
}

int32_t cLake::HitTest(const vec2& point) { return EditorOnlyHitTest(*this, point); }

void cLake::SetFrozen(bool frozen)
{
    SetState(frozen ? kStateFrozen : kStateThawing);
    SetSnow(frozen);
}

void cLake::SetSnow(bool on)
{
    for (EffectHolder& holder : snow_) {
        if (holder.HasEffect()) holder.SetEmitting(on);
    }
}

int32_t cLake::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    switch (newState) {
    case kStateOpen:
        // Open water shows nothing in play; the editor shows the ice to pick it by.
        SwitchAnimation(owner_ != nullptr && owner_->IsEditorMode() ? kFreezeKey : "");
        break;
    case kStateFrozen:
        SwitchAnimation(kFreezeKey);
        MarkZone(0);
        if (owner_ != nullptr) owner_->OnScreenEvent(kEventZoneFreed, 0);
        break;
    case kStateThawing:
        MarkZone(1);
        if (owner_ != nullptr) owner_->OnScreenEvent(kEventZoneMarked, 0);
        break;
    default:
        break;
    }
    return 0;
}

bool cLake::IsWorkerOnIce() const
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    GridCell first;
    GridCell last;
    if (!screen->GetObjectCells(this, first, last)) return false;
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
    for (const cObject* worker : workers) {
        const GridCell cell = screen->ObjectToCell(worker);
        if (first.x <= cell.x && cell.x <= last.x && first.y <= cell.y && cell.y <= last.y) return true;
    }
    return false;
}

void cLake::Update()
{
    cGameObject::Update();
    // The editor may move the lake after its set-up; the snow follows.
    PlaceSnow();
    for (EffectHolder& holder : snow_) holder.Update(kTickSeconds);
    if (GetState() == kStateThawing && !IsWorkerOnIce()) SetState(kStateOpen);
}

void cLake::DrawOverlay()
{
    cGameObject::DrawOverlay();
    if (owner_ == nullptr) return;
    for (EffectHolder& holder : snow_) holder.Draw(owner_->GetViewMatrix());
}
