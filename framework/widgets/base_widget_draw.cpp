// cBaseWidget: drawing a frame: the scene's layers, the overlay pass, rising texts,
// pop-ups and letterbox bars, then the GUI windows and the screen-space particles.
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object.h"
#include "framework/objects/particle_store.h"
#include "framework/widgets/base_widget.h"

namespace {

// Position and colour with one two-coordinate texture set: the batch's vertices.
constexpr uint32_t kBatchTexCoordSize = 2;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

vrk::Matrix4 Identity()
{
    vrk::Matrix4 m;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) m.At(i, i) = 1.0f;
    return m;
}

void RestoreBatchState(vrk::cRender& render, const vrk::ScreenRect& viewport)
{
    render.SetVertexFormat(true, false, true, kBatchTexCoordSize);
    render.SetViewport(viewport.x, viewport.y, viewport.width, viewport.height);
}

}  // namespace

void cBaseWidget::Draw()
{
    vrk::cRender* render = vrk::GetRender();
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (render == nullptr || batch == nullptr) return;
    render->SetOrtho2D(true, kVirtualWidth, kVirtualHeight);
    switch (mode_) {
    case kModeLoading: DrawLoading(*batch); break;
    case kModePlay: DrawPlay(*batch); break;
    case kModeEditor: DrawEditor(*batch); break;
    default: break;
    }
    RestoreBatchState(*render, render->viewportRect);
    vrk::cWidget::Draw();

    render->SetOrtho2D(true, kVirtualWidth, kVirtualHeight);
    render->SetBlendMode(vrk::cRender::kBlendAdditive, 0.0f);
    if (ParticleStore* particles = GetParticleStore(); particles != nullptr && particles->stars.LiveCount() > 0) {
        particles->Draw(Identity(), ParticleStore::kScreenSpaceLayer);
    }
    render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
    RestoreBatchState(*render, render->viewportRect);
    DrawFrameOverlay(*batch);
}

void cBaseWidget::DrawLoading(vrk::VertexBatch& batch)
{
    batch.Clear();
    vrk::cRender::AddQuad(batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, kVirtualWidth, kVirtualHeight,
                          kOpaqueBlack);
    if (vrk::cRender* render = vrk::GetRender()) render->DrawVertexBatch(batch);
    // With no texture registered there is nothing to count: the progress is 0.
    const int32_t total = RegisteredTextureCount();
    const int32_t percent = total > 0 ? texturesDone_ * 100 / total : 0;
    DrawSystemText(std::to_string(percent), kVirtualWidth / 2.0f, kVirtualHeight / 2.0f);
}

void cBaseWidget::DrawPlay(vrk::VertexBatch& batch)
{
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;
    render->SetTransform(view_, vrk::cRender::kWorld);
    ParticleStore* particles = GetParticleStore();
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        const ObjectList& list = layers_[static_cast<size_t>(layer)];
        render->SetBlendMode(blendModes_[static_cast<size_t>(layer)], 0.0f);
        if (!list.empty()) {
            batch.Clear();
            for (size_t i = 0; i < list.size(); ++i) list[i]->Draw();
            render->DrawVertexBatch(batch);
        }
        OnDrawLayer(batch, layer);
        if (particles != nullptr) particles->Draw(view_, layer);
        render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
    }

    render->SetTransform(Identity(), vrk::cRender::kWorld);
    render->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    batch.Clear();
    for (const ObjectList& list : layers_) {
        for (size_t i = 0; i < list.size(); ++i) list[i]->DrawOverlay();
    }
    OnDrawOverlay(batch);
    render->DrawVertexBatch(batch);

    if (effectList_) {
        const std::shared_ptr<vrk::cFont> font = GetEffectFont();
        effectList_->Draw(batch, font.get(), view_);
    }

    // The pop-ups' panels and glyphs have soft edges, as the windows' do: without
    // blending every letter stands in a box.
    render->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    for (const CaptionRecord& record : captions_) DrawCaption(record);

    if (letterboxHeight_ > 0.0f) {
        render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
        batch.Clear();
        vrk::cRender::AddQuad(batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, kVirtualWidth, letterboxHeight_,
                              kOpaqueBlack);
        vrk::cRender::AddQuad(batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, kVirtualHeight - letterboxHeight_,
                              kVirtualWidth, letterboxHeight_, kOpaqueBlack);
        render->DrawVertexBatch(batch);
    }
}
