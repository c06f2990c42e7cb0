// cRenderHighlight: the pulse and the outline drawing.
#include "framework/objects/render_highlight.h"

#include <cmath>

#include "engine/render/render.h"
#include "framework/objects/app_services.h"
#include "framework/objects/game_object.h"
#include "framework/objects/object_owner.h"

namespace {
constexpr float kFullTurn = 6.2831855f;
// The outline needs both the refused and the allowed frame.
constexpr uint32_t kNeededFrames = 2;
// Hovered parts above this are parts of a building other than its body.
constexpr int32_t kHighestOutlinedPart = 1;
}  // namespace

cRenderHighlight::cRenderHighlight(cObjectOwner* owner) : cObject(owner)
{
    layer_ = kHighlightLayer;
    if (cAppServices* services = GetAppServices()) sprite_ = services->GetSpriteInfoEx(kHighlightSprite);
}

void cRenderHighlight::Update()
{
    cObject::Update();
    phase_ += kPhaseStep;
    if (phase_ >= kFullTurn) phase_ = 0.0f;
}

void cRenderHighlight::Draw()
{
    if (owner_ == nullptr || owner_->IsEditorMode()) return;
    cObject* hovered = owner_->GetHoveredObject();
    if (hovered == nullptr || owner_->GetHoveredPart() > kHighestOutlinedPart) return;
    if (!hovered->IsKindOf(kTypeGameObject)) return;
    if (!sprite_.texture || sprite_.frameCount < kNeededFrames) return;
    auto* target = static_cast<cGameObject*>(hovered);
    const int32_t code = target->GetOrderState();
    if (code < 0) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;

    Rect zone;
    target->GetZoneRect(zone);
    const float dx = kPulseReach * std::cos(phase_);
    const float dy = kPulseReach * std::sin(phase_);
    const int32_t frame = code == 0 ? kAllowedFrame : kRefusedFrame;
    if (!sprite_.HasFrame(frame)) return;
    const FrameWindow window = sprite_.Window(frame);
    vrk::cRender::AddQuad(*batch, sprite_.texture, window.u, window.v, window.width, window.height, zone.x - dx,
                          zone.y - dy, zone.width + 2.0f * dx, zone.height + 2.0f * dy, kWhite);
}

int32_t cRenderHighlight::GetTypeId() const { return kTypeRenderHighlight; }

bool cRenderHighlight::IsKindOf(int32_t id) const { return id == kTypeRenderHighlight || cObject::IsKindOf(id); }
