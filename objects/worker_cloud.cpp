// The worker's thought cloud: its show-and-hide cycle, fades and drawing.
#include "objects/worker_cloud.h"

#include "objects/level_contract.h"

cWorkerCloud::cWorkerCloud(cObjectOwner* owner) : cObject(owner) {}

void cWorkerCloud::Update() { cObject::Update(); }

void cWorkerCloud::Draw() {}

int32_t cWorkerCloud::GetTypeId() const { return kTypeWorkerCloud; }

bool cWorkerCloud::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWorkerCloud, id); }

void cWorkerCloud::SetSprite(const std::string& sprite) { cObject::SetSprite(sprite); }

cWorkerCloud* CreateWorkerCloud(const vec2&) { return nullptr; }
