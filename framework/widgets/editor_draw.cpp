// cBaseWidget's level editor: drawing the scene on a grey ground, without play
// logic, with selection frames, the hovered object's details, the rubber band and
// the frame statistics.
#include <memory>
#include <string>

#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_format.h"
#include "framework/objects/object.h"
#include "framework/objects/particle_store.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr uint32_t kEditorGround = 0xFFC0C0C0u;
constexpr uint32_t kRubberBandColor = 0x40000080u;
constexpr uint32_t kStatisticsColor = 0xFF00C0FFu;
constexpr const char* kStatisticsFont = "a_fontsystem9";
// The hovered object's three lines stand this far above its frame.
constexpr float kInfoIdLine = 25.0f;
constexpr float kInfoTypeLine = 15.0f;
constexpr float kInfoDataLine = 5.0f;
constexpr float kStatisticsX = 3.0f;
constexpr float kFrameLineY = 755.0f;
constexpr float kParticleLineY = 745.0f;

vrk::Matrix4 Identity()
{
    vrk::Matrix4 m;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) m.At(i, i) = 1.0f;
    return m;
}

void AddPlainQuad(vrk::VertexBatch& batch, float x, float y, float width, float height, uint32_t color)
{
    vrk::cRender::AddQuad(batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, x, y, width, height, color);
}

}  // namespace

void cBaseWidget::DrawEditor(vrk::VertexBatch& batch)
{
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;

    batch.Clear();
    AddPlainQuad(batch, 0.0f, 0.0f, kVirtualWidth, kVirtualHeight, kEditorGround);
    render->DrawVertexBatch(batch);

    render->SetTransform(view_, vrk::cRender::kWorld);
    ParticleStore* particles = GetParticleStore();
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        if (IsLayerHidden(layer)) continue;
        const ObjectList& list = layers_[static_cast<size_t>(layer)];
        render->SetBlendMode(blendModes_[static_cast<size_t>(layer)], 0.0f);
        batch.Clear();
        for (size_t i = 0; i < list.size(); ++i) list[i]->DrawEditor();
        render->DrawVertexBatch(batch);
        if (particles != nullptr) particles->Draw(view_, layer);
        render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
    }

    render->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    batch.Clear();
    const bool info = (editorFlags_ & kEditorInfo) != 0;
    if (info) {
        for (cObject* object : selection_) object->DrawSelection();
        if (hovered_ != nullptr) {
            Rect frame;
            hovered_->GetFrameRect(frame, -1);
            const float top = frame.y + frame.height;
            const float x = hovered_->GetPosition().x;
            DrawSystemText(vrk::FormatToString("ID: ^6%i^^, Name: ^6%s^^", vrk::FormatArg::FromInt(hovered_->GetId()),
                                               vrk::FormatArg::FromString(hovered_->GetName())),
                           x, top + kInfoIdLine);
            DrawSystemText(vrk::FormatToString("Type: ^6%s^^", vrk::FormatArg::FromString(hovered_->GetSprite())), x,
                           top + kInfoTypeLine);
            DrawSystemText(vrk::FormatToString("Data: ^6%i^^, Tag: ^6%s^^",
                                               vrk::FormatArg::FromInt(hovered_->GetLinkId()),
                                               vrk::FormatArg::FromString(hovered_->GetText())),
                           x, top + kInfoDataLine);
        }
    }
    AddPlainQuad(batch, rubberBand_.x, rubberBand_.y, rubberBand_.width, rubberBand_.height, kRubberBandColor);
    render->DrawVertexBatch(batch);
    render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);

    render->SetTransform(Identity(), vrk::cRender::kWorld);
    if (!info) return;
    const vrk::FontPtr font = vrk::FindFont(kStatisticsFont);
    if (!font) return;
    vrk::cGame* game = vrk::GetGame();
    const int32_t fps = game != nullptr ? game->fps : 0;
    batch.Clear();
    vrk::cRender::DrawText(batch, font.get(),
                           vrk::FormatToString("fps: %i, dips: %i, poly: %i", vrk::FormatArg::FromInt(fps),
                                               vrk::FormatArg::FromInt(static_cast<int32_t>(render->lastDrawCallCount)),
                                               vrk::FormatArg::FromInt(static_cast<int32_t>(render->lastPrimitiveCount))),
                           kStatisticsX, kFrameLineY, kStatisticsColor);
    if (particles != nullptr) {
        vrk::cRender::DrawText(
            batch, font.get(),
            vrk::FormatToString("rain: %i, snow: %i, stars: %i, shine: %i",
                                vrk::FormatArg::FromInt(static_cast<int32_t>(particles->rain.LiveCount())),
                                vrk::FormatArg::FromInt(static_cast<int32_t>(particles->snow.LiveCount())),
                                vrk::FormatArg::FromInt(static_cast<int32_t>(particles->stars.LiveCount())),
                                vrk::FormatArg::FromInt(static_cast<int32_t>(particles->shine.LiveCount()))),
            kStatisticsX, kParticleLineY, kStatisticsColor);
    }
    render->DrawVertexBatch(batch);
}
