// cWayPoint: the patrol marker's square, its kind and its drawing in the editor.
#include "objects/way_point.h"

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"

cWayPoint::cWayPoint(cObjectOwner* owner) : cGameObject(owner) { layer_ = kWayPointLayer; }

cWayPoint::~cWayPoint() = default;

int32_t cWayPoint::GetTypeId() const { return kTypeWayPoint; }

bool cWayPoint::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWayPoint, id); }

// The marker has no picture: its square is what the editor picks and draws.
void cWayPoint::GetFrameRect(Rect& rect, int32_t /*index*/) const
{
    const vec2 position = GetPosition();
    rect = Rect{position.x - kSide * 0.5f, position.y - kSide * 0.5f, kSide, kSide};
}

void cWayPoint::Draw()
{
    if (owner_ == nullptr || !owner_->IsEditorMode()) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, rect.x, rect.y, rect.width, rect.height,
                          kEditorColor);
}
