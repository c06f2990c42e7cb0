// The developer console's drawing: the slide of the panel and the panel itself (the
// shaded background, its lower edge, the scroll bar, the input line with its cursor
// and the log lines above it), drawn on the virtual screen through the renderer.
#include <algorithm>
#include <climits>

#include "engine/log/console.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

constexpr uint32_t kBackgroundColor = 0xDC000000u;
constexpr uint32_t kEdgeColor = 0xFFFFFF00u;  // the edge, the scroll bar and the lines' base
constexpr uint32_t kInputColor = 0xFFFFFFFFu;
constexpr float kEdgeHeight = 1.0f;
constexpr float kScrollBarWidth = 2.0f;
constexpr uint32_t kBatchTexCoordSize = 2;
constexpr uint32_t kQuadVertices = 6;
constexpr const char* kPrompt = ">";
constexpr uint32_t kCursorGlyph = '_';
constexpr uint32_t kSpaceGlyph = ' ';

// Draws what the batch holds and empties it.
void Flush(cRender& render, VertexBatch& batch)
{
    if (batch.UsedVertices() != 0) render.DrawVertexBatch(batch);
    batch.Clear();
}

// The render state the panel changes, put back afterwards so that whatever draws
// next in the frame finds it as it left it.
class SavedRenderState {
public:
    explicit SavedRenderState(cRender& render)
        : render_(render),
          projection_(render.projection),
          view_(render.view),
          world_(render.world),
          viewport_(render.viewportRect)
    {
    }
    ~SavedRenderState()
    {
        render_.SetBlendMode(cRender::kBlendOff, 0.0f);
        render_.SetVertexFormat(true, false, true, kBatchTexCoordSize);
        if (viewport_.width >= 1 && viewport_.height >= 1) {
            render_.SetViewport(viewport_.x, viewport_.y, viewport_.width, viewport_.height);
        } else {
            render_.SetViewport(0, 0, 0, 0);
        }
        render_.SetTransform(projection_, cRender::kProjection);
        render_.SetTransform(view_, cRender::kView);
        render_.SetTransform(world_, cRender::kWorld);
    }
    SavedRenderState(const SavedRenderState&) = delete;
    SavedRenderState& operator=(const SavedRenderState&) = delete;

private:
    cRender& render_;
    Matrix4 projection_;
    Matrix4 view_;
    Matrix4 world_;
    ScreenRect viewport_;
};

}  // namespace

void Console::Draw(float dt)
{
    std::shared_ptr<cFont> font = font_.lock();
    if (!font) {
        font = FindFont(kFontName);
        font_ = font;
    }
    if (!font) return;
    const float lineHeight = font->lineHeight != 0.0f ? font->lineHeight : 1.0f;
    Slide(dt, lineHeight);
    if (openHeight_ > 0.0f && GetRender() != nullptr) DrawPanel(*font, lineHeight);
}

void Console::Slide(float dt, float lineHeight)
{
    if (slideSpeed_ != 0.0f) {
        openHeight_ += slideSpeed_ * dt;
        if (openHeight_ <= 0.0f) {
            openHeight_ = 0.0f;
            slideSpeed_ = 0.0f;
        } else if (openHeight_ >= maxHeight_) {
            openHeight_ = maxHeight_;
            slideSpeed_ = 0.0f;
        }
    }
    // A font with a tiny or negative line height must not overflow the count.
    const double fitting = static_cast<double>(openHeight_) / static_cast<double>(lineHeight);
    visibleLines_ = fitting > 0.0 ? static_cast<int32_t>(std::min(fitting, double{INT32_MAX})) : 0;
}

void Console::DrawPanel(const cFont& font, float lineHeight)
{
    cRender& render = *GetRender();
    const SavedRenderState saved(render);
    render.SetOrtho2D(true, width_, top_);
    render.SetBlendMode(cRender::kBlendAlpha, 0.0f);
    if (!batch_) batch_ = std::make_unique<VertexBatch>();
    VertexBatch& batch = *batch_;
    batch.Clear();

    const float bottom = top_ - openHeight_;
    const std::shared_ptr<cTexture> untextured;
    cRender::AddQuad(batch, untextured, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, bottom, width_, top_,
                     kBackgroundColor);
    cRender::AddQuad(batch, untextured, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, bottom - kEdgeHeight, width_,
                     kEdgeHeight, kEdgeColor);
    // Without lines the bar's place would divide by zero; there is nothing to scroll.
    if (totalLines_ > 0) {
        const auto total = static_cast<float>(totalLines_);
        const float barY = static_cast<float>(totalLines_ - scrollPosition_) / total * openHeight_ + bottom;
        const float share = std::clamp(static_cast<float>(visibleLines_ - 1) / total, 0.0f, 1.0f);
        cRender::AddQuad(batch, untextured, 0.0f, 0.0f, 0.0f, 0.0f, width_ - kScrollBarWidth, barY,
                         kScrollBarWidth, openHeight_ * share, kEdgeColor);
    }

    if (openHeight_ > lineHeight) {
        cRender::DrawText(batch, &font, kPrompt + input_, 0.0f, bottom, kInputColor);
        // Every character is taken to be as wide as a space; the extra cell is the prompt.
        const Glyph& cursorGlyph = font.GetGlyph(kCursorGlyph);
        const float cell = font.spacing + font.GetGlyph(kSpaceGlyph).advance;
        cRender::AddQuad(batch, font.texture, cursorGlyph.u, cursorGlyph.v, cursorGlyph.uSize,
                         cursorGlyph.vSize, static_cast<float>(cursor_ + 1) * cell, bottom,
                         cursorGlyph.width, lineHeight, kInputColor);
        DrawLines(batch, font, lineHeight, bottom);
    }
    Flush(render, batch);
}

void Console::DrawLines(VertexBatch& batch, const cFont& font, float lineHeight, float bottom)
{
    cRender& render = *GetRender();
    const int32_t shown = std::min(visibleLines_, totalLines_);
    for (int32_t i = 0; i < shown && i + 1 <= scrollPosition_; ++i) {
        const std::string& line = lines_[static_cast<size_t>(scrollPosition_ - i - 1)];
        // A full batch would cut the line short: draw what is there first. One line
        // longer than a whole batch is still cut, far beyond the panel's edge.
        const uint64_t needed = uint64_t{line.size()} * kQuadVertices;
        if (batch.UsedVertices() + needed >= VertexBatch::kVertexCapacity) Flush(render, batch);
        uint32_t color = kEdgeColor;
        cRender::DrawTextMarkup(batch, &font, line, 0.0f, static_cast<float>(i + 1) * lineHeight + bottom,
                                &color);
    }
}

}  // namespace vrk
