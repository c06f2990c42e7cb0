// cBaseWidget: hint pop-ups. A pop-up is text laid out in the caption style (the
// font, colour and alignment of a label control) on a nine-slice panel (taken from a
// frame control), anchored at a world point; it fades in when added and out when
// its holder releases it.
#include <algorithm>
#include <cmath>

#include "engine/gui/find_control.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/label_ctrl.h"
#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/widgets/base_widget.h"

namespace {

// Wide enough that only the text's own line breaks end a line.
constexpr float kLayoutWidth = 4096.0f;
// A pop-up that would reach above this height is put below its anchor instead.
constexpr float kCaptionTop = 468.0f;
constexpr float kAlphaScale = 255.0f;
constexpr int kAlphaShift = 24;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;

// Moves a pop-up panel no further than needed to lie wholly on the view.
Rect ClampToView(const Rect& panel)
{
    const float x = std::max(std::min(panel.x, cBaseWidget::kVirtualWidth - panel.width), 0.0f);
    const float y = std::max(std::min(panel.y, cBaseWidget::kVirtualHeight - panel.height), 0.0f);
    return Rect{std::floor(x), std::floor(y), panel.width, panel.height};
}

bool IsOnView(const Rect& panel)
{
    return panel.x >= 0.0f && panel.y >= 0.0f && panel.x + panel.width <= cBaseWidget::kVirtualWidth &&
           panel.y + panel.height <= cBaseWidget::kVirtualHeight;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool OverlapsAny(const Rect& panel, const std::vector<Rect>& covered)
{
    return std::any_of(covered.begin(), covered.end(), [&](const Rect& rect) { return Overlap(panel, rect); });
}

// Takes a panel off the HUD: off each rectangle it lies on, by the shortest of the
// four ways round it (below, above, left, right) that stays on the view, preferring
// one that lands on no other rectangle. A panel that finds no free place keeps the
// last one tried.
Rect KeepClearOf(Rect panel, const std::vector<Rect>& covered)
{
    for (size_t pass = 0; pass < covered.size(); ++pass) {
        const auto hit = std::find_if(covered.begin(), covered.end(),
                                      [&](const Rect& rect) { return Overlap(panel, rect); });
        if (hit == covered.end()) return panel;
        const Rect ways[] = {
            {panel.x, std::floor(hit->y - panel.height), panel.width, panel.height},
            {panel.x, std::ceil(hit->y + hit->height), panel.width, panel.height},
            {std::floor(hit->x - panel.width), panel.y, panel.width, panel.height},
            {std::ceil(hit->x + hit->width), panel.y, panel.width, panel.height},
        };
        const Rect* best = nullptr;
        bool bestFree = false;
        float bestMove = 0.0f;
        for (const Rect& way : ways) {
            if (!IsOnView(way)) continue;
            const bool free = !OverlapsAny(way, covered);
            const float move = std::fabs(way.x - panel.x) + std::fabs(way.y - panel.y);
            if (best == nullptr || (free && !bestFree) || (free == bestFree && move < bestMove)) {
                best = &way;
                bestFree = free;
                bestMove = move;
            }
        }
        if (best == nullptr) return panel;
        panel = *best;
    }
    return panel;
}

}  // namespace

std::shared_ptr<vrk::cFont> cBaseWidget::GetCaptionFont() const
{
    if (captionStyle_.font) return captionStyle_.font;
    return vrk::FindFont(kDefaultCaptionFont);
}

void cBaseWidget::SetViewControls(const std::string& window, const std::string& label, const std::string& frame)
{
    auto* labelCtrl = dynamic_cast<vrk::cLabelCtrl*>(vrk::FindControl(window, label));
    auto* frameCtrl = dynamic_cast<vrk::cFrameCtrl*>(vrk::FindControl(window, frame));
    if (labelCtrl == nullptr || frameCtrl == nullptr) return;
    CaptionStyle style;
    // The label hands out its font by plain pointer; the registry holds the share.
    for (const auto& [name, font] : vrk::GetFontMap()) {
        if (font && font.get() == labelCtrl->GetFont()) style.font = font;
    }
    style.textColor = labelCtrl->GetColor();
    const vrk::GuiRect labelRect = labelCtrl->GetRect();
    style.labelRect = Rect{labelRect.x, labelRect.y, labelRect.width, labelRect.height};
    style.align = labelCtrl->GetAlign();
    style.panelTexture = frameCtrl->GetTexture();
    const vrk::GuiRect panelRect = frameCtrl->GetRect();
    style.panelRect = Rect{panelRect.x, panelRect.y, panelRect.width, panelRect.height};
    const vrk::GuiRect uv = frameCtrl->GetUVRect();
    style.panelUV = Rect{uv.x, uv.y, uv.width, uv.height};
    style.border = vec2{frameCtrl->GetBorderX(), frameCtrl->GetBorderY()};
    style.uvBorder = vec2{frameCtrl->GetBorderU(), frameCtrl->GetBorderV()};
    captionStyle_ = std::move(style);
}

void cBaseWidget::LayOutCaption(CaptionRecord& record, const std::string& text) const
{
    const std::shared_ptr<vrk::cFont> font = GetCaptionFont();
    record.lines.clear();
    record.offsets.clear();
    record.size = vec2{};
    if (!font) return;
    std::vector<vrk::TextRect> rects;
    const vrk::cGame* game = vrk::GetGame();
    const bool byChars = game != nullptr && game->localeFlag != 0;
    if (byChars) {
        vrk::cRender::WrapTextByChars(font.get(), text, kLayoutWidth, record.lines, rects);
    } else {
        vrk::cRender::WrapTextByWords(font.get(), text, kLayoutWidth, record.lines, rects);
    }
    const uint32_t align = captionStyle_.align;
    const float lineHeight = font->lineHeight;
    const size_t count = std::min(record.lines.size(), rects.size());
    record.lines.resize(count);
    for (size_t i = 0; i < count; ++i) record.size.x = std::max(record.size.x, rects[i].width);
    // The panel is fitted to the text block, so the label's alignment acts within
    // that block: a line is put left, centred or right against the widest one.
    // The block fills the panel's height, which leaves the vertical alignment
    // nothing to move; the label's own height would lift the lines out of it.
    for (size_t i = 0; i < count; ++i) {
        const vrk::TextRect& line = rects[i];
        float shiftX = 0.0f;
        if ((align & vrk::kAlignRight) != 0) {
            shiftX = record.size.x - line.width;
        } else if ((align & vrk::kAlignCenter) != 0) {
            shiftX = (record.size.x - line.width) * 0.5f;
        }
        // The first line on top.
        const float y = static_cast<float>(count - 1 - i) * lineHeight;
        record.offsets.push_back(vec2{shiftX - line.left, y});
    }
    record.size.y = static_cast<float>(count) * lineHeight;
}

CaptionHandle* cBaseWidget::AddCaptionAt(const std::string& text, const vec2& anchor)
{
    return AddCaption(text, Rect{anchor.x, anchor.y, 0.0f, 0.0f});
}

CaptionHandle* cBaseWidget::AddCaption(const std::string& text, const Rect& box)
{
    if (!GetCaptionFont()) return nullptr;
    CaptionRecord record;
    record.serial = ++nextCaptionSerial_;
    record.box = box;
    LayOutCaption(record, text);
    captions_.push_back(std::move(record));
    auto* handle = new CaptionHandle;
    handle->serial = captions_.back().serial;
    return handle;
}

CaptionRecord* cBaseWidget::FindCaption(const CaptionHandle* handle)
{
    if (handle == nullptr) return nullptr;
    for (CaptionRecord& record : captions_) {
        if (record.serial == handle->serial) return &record;
    }
    return nullptr;
}

void cBaseWidget::SetCaptionText(CaptionHandle* handle, const std::string& text)
{
    if (!GetCaptionFont()) return;
    if (CaptionRecord* record = FindCaption(handle)) LayOutCaption(*record, text);
}

void cBaseWidget::ReleaseCaption(CaptionHandle* handle)
{
    if (handle == nullptr) return;
    if (CaptionRecord* record = FindCaption(handle)) {
        record->alpha = 1.0f;
        record->rate = -1.0f;
    }
    delete handle;
}

std::vector<Rect> cBaseWidget::GetHudRects() const { return {}; }

vec2 cBaseWidget::CaptionTextInset() const
{
    const CaptionStyle& style = captionStyle_;
    return vec2{std::max(style.labelRect.x - style.panelRect.x, style.border.x),
                std::max(style.labelRect.y - style.panelRect.y, style.border.y)};
}

Rect cBaseWidget::GetCaptionPanel(const CaptionRecord& record)
{
    const CaptionStyle& style = captionStyle_;
    // The panel is the text block widened by what the frame holds around its label,
    // and never less than its own borders.
    const vec2 margin{std::max(style.panelRect.width - style.labelRect.width, 2.0f * style.border.x),
                      std::max(style.panelRect.height - style.labelRect.height, 2.0f * style.border.y)};
    const Rect anchor = WorldToScreenBox(
        Rect{record.box.x + record.box.width, record.box.y + record.box.height, record.size.x, record.size.y});
    const float width = std::floor(anchor.width + margin.x);
    const float height = std::floor(anchor.height + margin.y);
    float x = anchor.x;
    float y = anchor.y;
    // One that does not fit right of its holder goes to the holder's left: moved back
    // by its own width only, it would lie over the holder and the pointer on it.
    if (x + width > kVirtualWidth) x = WorldToScreenBox(record.box).x - width;
    if (y + height > kCaptionTop) y -= height;
    // Whatever the anchor, the whole pop-up stays on the view and clear of the HUD the
    // screen draws over the scene; a pop-up too tall for the view keeps its top in it.
    const Rect panel = ClampToView(Rect{x, y, width, height});
    return KeepClearOf(panel, GetHudRects());
}

void cBaseWidget::DrawCaption(const CaptionRecord& record)
{
    const std::shared_ptr<vrk::cFont> font = GetCaptionFont();
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (!font || batch == nullptr) return;
    const CaptionStyle& style = captionStyle_;
    const Rect panel = GetCaptionPanel(record);
    const vec2 textInset = CaptionTextInset();

    vrk::cRender* render = vrk::GetRender();
    const bool tinted = record.alpha != 1.0f;
    if (tinted && render != nullptr) {
        const auto alpha = static_cast<uint8_t>(std::clamp(record.alpha, 0.0f, 1.0f) * kAlphaScale);
        render->SetTextureFactor((static_cast<uint32_t>(alpha) << kAlphaShift) | kWhiteRgb);
    }
    batch->Clear();
    vrk::cRender::DrawFrame(*batch, style.panelTexture, style.panelUV.x, style.panelUV.y, style.panelUV.width,
                            style.panelUV.height, style.uvBorder.x, style.uvBorder.y, panel.x, panel.y, panel.width,
                            panel.height, std::floor(style.border.x), std::floor(style.border.y), true, kWhite);
    for (size_t i = 0; i < record.lines.size() && i < record.offsets.size(); ++i) {
        uint32_t color = style.textColor;
        vrk::cRender::DrawTextMarkup(*batch, font.get(), record.lines[i], panel.x + textInset.x + record.offsets[i].x,
                                     panel.y + textInset.y + record.offsets[i].y, &color);
    }
    if (render != nullptr) {
        render->DrawVertexBatch(*batch);
        render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    }
}
