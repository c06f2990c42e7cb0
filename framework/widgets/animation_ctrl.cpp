// The animation control: one looping sprite centred in the rectangle.
#include "framework/widgets/animation_ctrl.h"

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr float kMillisecondsPerSecond = 1000.0f;

}  // namespace

cAnimationCtrl::cAnimationCtrl(vrk::cWindow* window, const std::string& name) : vrk::cCtrl(window, name) {}

void cAnimationCtrl::Draw()
{
    if (!animation_.info.texture) return;
    const int32_t frame = animation_.CurrentFrame();
    if (frame < 0) return;
    cAppServices* app = GetAppServices();
    vrk::VertexBatch* batch = app != nullptr ? app->GetPrimitiveBatch() : nullptr;
    if (batch == nullptr) return;
    const FrameWindow window = animation_.info.Window(frame);
    const vec2 hotSpot = animation_.info.HotSpot(frame);
    const vec2 size = animation_.info.Size(frame);
    const float centerX = rect_.x + rect_.width / 2.0f;
    const float centerY = rect_.y + rect_.height / 2.0f;
    vrk::cRender::AddQuad(*batch, animation_.info.texture, window.u, window.v, window.width, window.height,
                          centerX - scaleX_ * hotSpot.x, centerY - scaleY_ * hotSpot.y, scaleX_ * size.x,
                          scaleY_ * size.y, kOpaqueWhite);
}

int32_t cAnimationCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code == vrk::kCtrlUpdate) {
        animation_.Update(static_cast<float>(static_cast<uint32_t>(first)) / kMillisecondsPerSecond);
    }
    return vrk::cCtrl::OnEvent(code, first, second);
}

void cAnimationCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cAnimationCtrl::SetRect(const vrk::GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cAnimationCtrl::SetTexture(const std::string& textureName, int32_t /*mode*/)
{
    cAppServices* app = GetAppServices();
    const SpriteInfo record = app != nullptr ? app->GetSpriteInfoEx(textureName) : SpriteInfo{};
    if (record.texture) {
        animation_.LoadRecord(record);
        animation_.play.mode = kPlayLoopForward;
    } else {
        // Clear leaves the record empty, one frame a second and the mode stopped.
        animation_.Clear();
    }
    animation_.SetPlayMode(true, animation_.play.mode);
}

void cAnimationCtrl::SetScale(float scaleX, float scaleY)
{
    scaleX_ = scaleX;
    scaleY_ = scaleY;
}
