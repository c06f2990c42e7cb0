// cGameObject's drawing: the work-timer bar and the reservation marks drawn over all
// layers, and the editor selection with the lines to the attached route nodes.
#include <cmath>

#include "engine/render/render.h"
#include "framework/objects/game_object.h"
#include "framework/objects/node.h"
#include "framework/objects/object_owner.h"

void cGameObject::DrawOverlay()
{
    if (owner_ == nullptr) return;
    if (timerRemaining_ > 0.0f && timerPeriod_ > 0.0f) {
        owner_->DrawProgress(GetPosition() + barOffset_, GetTimerProgress());
    }
    if (reservations_ == 0) return;
    const SpriteAnim* mark = owner_->GetReservationMark();
    if (mark == nullptr || mark->info.frameCount == 0) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    const float markWidth = mark->info.Size(0).x;
    const uint32_t color = GetColor();
    for (uint32_t i = 0; i < reservations_; ++i) {
        const float x = rect.x + rect.width + marksOffset_.x + static_cast<float>(i) * kMarkSpacing * markWidth;
        mark->Draw(*batch, x, rect.y + marksOffset_.y, color);
    }
}

void cGameObject::DrawSelection()
{
    cObject::DrawSelection();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const vec2 from = GetPosition();
    for (const cNode* node : GetAttached()) {
        if (node == nullptr) continue;
        const vec2 to = node->GetPosition();
        vrk::cRender::DrawLine(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, from.x, from.y, to.x, to.y, kNodeLineWidth,
                               kNodeLineColor);
    }
}
