// cRenderArea: the marker at which the owning screen draws its own content.
#include "framework/objects/render_area.h"

#include "framework/objects/object_owner.h"

cRenderArea::cRenderArea(cObjectOwner* owner) : cObject(owner) { layer_ = kRenderAreaLayer; }

void cRenderArea::Draw()
{
    if (auto* host = dynamic_cast<cRenderAreaHost*>(owner_)) host->DrawRenderArea();
}

int32_t cRenderArea::GetTypeId() const { return kTypeRenderArea; }

bool cRenderArea::IsKindOf(int32_t id) const { return id == kTypeRenderArea || cObject::IsKindOf(id); }
