// cNode: a route point; it draws only in the editor, as a small square.
#include "framework/objects/node.h"

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object_owner.h"

namespace {
// The quad the editor picks a node by: wider than the marker, so it is easy to hit.
constexpr float kQuadHalfWidth = 50.0f;
constexpr float kQuadHalfHeight = 25.0f;
}  // namespace

cNode::cNode(cObjectOwner* owner) : cObject(owner)
{
    layer_ = kNodeLayer;
    linkId_ = 0;
}

cNode::~cNode()
{
    // The holder drops the node from its list; a holder deleted first has already
    // cleared this pointer.
    if (holder_ != nullptr) holder_->Detach(this);
}

void cNode::Update() {}

void cNode::UpdateFade(float /*dt*/) {}

void cNode::Draw() {}

void cNode::DrawEditor()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, rect.x, rect.y, rect.width, rect.height,
                          holder_ != nullptr ? kHeldColor : kFreeColor);
}

int32_t cNode::GetTypeId() const { return kTypeNode; }

bool cNode::IsKindOf(int32_t id) const { return id == kTypeNode || id == kTypeObject; }

void cNode::GetFrameRect(Rect& rect, int32_t /*index*/) const
{
    const float half = kMarkerSize * 0.5f;
    rect = Rect{position_.x - half, position_.y - half, kMarkerSize, kMarkerSize};
}

void cNode::GetQuad(Quad& corners) const
{
    const float left = position_.x - kQuadHalfWidth;
    const float bottom = position_.y - kQuadHalfHeight;
    const float right = position_.x + kQuadHalfWidth;
    const float top = position_.y + kQuadHalfHeight;
    corners = {vec2{left, bottom}, vec2{right, bottom}, vec2{right, top}, vec2{left, top}};
}
