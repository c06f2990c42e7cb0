// The speaker portrait: three sprites drawn about the control's centre, the mouth
// looping while the portrait is shown.
#include "framework/widgets/face_ctrl.h"

#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr float kMillisecondsPerSecond = 1000.0f;

SpriteInfo AppSprite(const std::string& name)
{
    cAppServices* app = GetAppServices();
    return app != nullptr ? app->GetSpriteInfoEx(name) : SpriteInfo{};
}

}  // namespace

cFaceCtrl::cFaceCtrl(vrk::cWindow* window, const std::string& name) : vrk::cCtrl(window, name) {}

void cFaceCtrl::DrawPart(const SpriteInfo& info, int32_t frame, float centerX, float centerY) const
{
    if (!info.texture || !info.HasFrame(frame)) return;
    cAppServices* app = GetAppServices();
    vrk::VertexBatch* batch = app != nullptr ? app->GetPrimitiveBatch() : nullptr;
    if (batch == nullptr) return;
    const FrameWindow window = info.Window(frame);
    const vec2 hotSpot = info.HotSpot(frame);
    const vec2 size = info.Size(frame);
    // Mirroring flips the part about the vertical line through the centre.
    const float x = mirrored_ ? centerX + hotSpot.x : centerX - hotSpot.x;
    const float width = mirrored_ ? -size.x : size.x;
    vrk::cRender::AddQuad(*batch, info.texture, window.u, window.v, window.width, window.height, std::floor(x),
                          std::floor(centerY - hotSpot.y), std::floor(width), std::floor(size.y), kOpaqueWhite);
}

void cFaceCtrl::Draw()
{
    const float centerX = rect_.x + rect_.width / 2.0f;
    const float centerY = rect_.y + rect_.height / 2.0f;
    DrawPart(face_, 0, centerX, centerY);
    DrawPart(eye_, 0, centerX, centerY);
    DrawPart(mouth_.info, mouth_.play.frame, centerX, centerY);
}

int32_t cFaceCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code == vrk::kCtrlUpdate) mouth_.Update(static_cast<float>(static_cast<uint32_t>(first)) / kMillisecondsPerSecond);
    return vrk::cCtrl::OnEvent(code, first, second);
}

void cFaceCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cFaceCtrl::SetRect(const vrk::GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cFaceCtrl::SetFace(const std::string& faceName, const std::string& eyeName, const std::string& mouthName,
                        bool mirrored)
{
    face_ = AppSprite(faceName);
    eye_ = AppSprite(eyeName);
    mouth_.LoadRecord(AppSprite(mouthName));
    mouth_.play.mode = kPlayLoopForward;
    mouth_.SetPlayMode(true, kPlayLoopForward);
    mirrored_ = mirrored;
}

void MarkFaceSpritesUsed(const std::string& faceName, const std::string& eyeName, const std::string& mouthName)
{
    for (const std::string* name : {&faceName, &eyeName, &mouthName}) MarkSpriteTextureUsed(AppSprite(*name), false);
}
