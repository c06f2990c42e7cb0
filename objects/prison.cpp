// cPrison: captives, release, the order verdict, the hint and the drawing.
#include "objects/prison.h"

#include "objects/level_contract.h"
#include "objects/level_screen.h"

cPrison::cPrison(cObjectOwner* owner) : cBuild(owner)
{
    if (LevelScreen* screen = CurrentLevelScreen()) screen->prison = this;
}

cPrison::~cPrison() = default;

void cPrison::Update() { cBuild::Update(); }

void cPrison::Draw() { cBuild::Draw(); }

int32_t cPrison::OnMessage(uint32_t code, uintptr_t data) { return cBuild::OnMessage(code, data); }

int32_t cPrison::GetTypeId() const { return kTypePrison; }

bool cPrison::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypePrison, id); }

void cPrison::SetSprite(const std::string& sprite) { cBuild::SetSprite(sprite); }

int32_t cPrison::HitTest(const vec2& point) { return cBuild::HitTest(point); }

int32_t cPrison::GetOrderState() { return captives_ == 0 ? kOrderRefused : cGameObject::GetOrderState(); }

ResourceVector cPrison::GetCost() { return openPrice_; }

std::string cPrison::GetHintText() { return std::string(); }

void cPrison::AddCaptive() { ++captives_; }

void cPrison::Release() { captives_ = 0; }
