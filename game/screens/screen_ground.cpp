// DrawScreenGround: the flat colour under the menu and map scenes.
#include "game/screens/screen_ground.h"

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr uint32_t kBatchTexCoordSize = 2;

}  // namespace

void DrawScreenGround(cBaseWidget& screen, uint32_t color)
{
    vrk::cRender* render = vrk::GetRender();
    vrk::VertexBatch* batch = screen.GetPrimitiveBatch();
    if (render == nullptr || batch == nullptr) return;
    const float width = cBaseWidget::kVirtualWidth;
    const float height = cBaseWidget::kVirtualHeight;
    render->SetOrtho2D(true, width, height);
    batch->Clear();
    vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, width, height, color);
    render->DrawVertexBatch(*batch);
    batch->Clear();
    render->SetVertexFormat(true, false, true, kBatchTexCoordSize);
    const vrk::ScreenRect& viewport = render->viewportRect;
    render->SetViewport(viewport.x, viewport.y, viewport.width, viewport.height);
}
