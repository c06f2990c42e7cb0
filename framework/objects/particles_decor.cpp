// cParticlesDecor: an effect that follows the object and draws with the scene.
#include "framework/objects/particles_decor.h"

#include "engine/text/text_format.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"

namespace {
constexpr int32_t kParticlesLayer = 9;
constexpr const char* kCountFormat = "^1%i^^";
}  // namespace

cParticlesDecor::cParticlesDecor(cObjectOwner* owner) : cObject(owner) { layer_ = kParticlesLayer; }

cParticlesDecor::~cParticlesDecor() = default;

int32_t cParticlesDecor::GetTypeId() const { return kTypeParticlesDecor; }

bool cParticlesDecor::IsKindOf(int32_t id) const { return id == kTypeParticlesDecor || id == kTypeObject; }

void cParticlesDecor::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    effect_ = std::make_unique<EffectHolder>();
    effect_->SetEffect(OwnerBatch(), sprite);
}

void cParticlesDecor::UpdateFade(float dt)
{
    if (!effect_) return;
    const vec2 at = GetPosition();
    effect_->SetPosition(at.x, at.y);
    effect_->Update(dt);
}

void cParticlesDecor::Draw()
{
    if (!effect_ || owner_ == nullptr) return;
    effect_->Draw(owner_->GetViewMatrix());
}

void cParticlesDecor::DrawSelection()
{
    cAppServices* services = GetAppServices();
    if (services != nullptr) {
        const int32_t count = effect_ ? effect_->GetParticleCount() : 0;
        const vec2 at = GetPosition();
        services->DrawSystemText(vrk::FormatToString(kCountFormat, vrk::FormatArg::FromInt(count + 1)), at.x, at.y);
    }
    cObject::DrawSelection();
}

void cParticlesDecor::GetFrameRect(Rect& rect, int32_t /*index*/) const
{
    const float side = effect_ && effect_->HasEffect() ? kEffectSquare : kEmptySquare;
    const vec2 at = GetPosition();
    rect = Rect{at.x - side * 0.5f, at.y - side * 0.5f, side, side};
}
