// cRender's text: drawing glyph quads (with or without "^" colour markup), measuring
// a line, and wrapping a text into lines by words or by characters.
#include <algorithm>
#include <cmath>

#include "engine/render/code_point.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/text/color_code.h"

namespace vrk {

namespace {

constexpr uint32_t kQuadVertices = 6;
constexpr uint32_t kLastTableCodePoint = 0xFFFF;  // higher code points have no glyph
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr char kMarkup = '^';

// Writes one glyph quad at the pen; false when the batch is full.
bool AddGlyphQuad(VertexBatch& batch, const cFont& font, const Glyph& glyph, float pen, float y,
                  uint32_t color)
{
    BatchVertex* out = cRender::AllocBatchVertices(batch, font.texture, kQuadVertices);
    if (out == nullptr) return false;
    const float left = pen + glyph.bearingX;
    const float right = left + glyph.width;
    const float top = y + font.lineHeight;
    const float u0 = glyph.u;
    const float u1 = glyph.u + glyph.uSize;
    const float v0 = glyph.v;
    const float v1 = glyph.v + glyph.vSize;
    out[0] = {left, y, 0.0f, color, u0, v0};
    out[1] = {right, y, 0.0f, color, u1, v0};
    out[2] = {left, top, 0.0f, color, u0, v1};
    out[3] = {left, top, 0.0f, color, u0, v1};
    out[4] = {right, y, 0.0f, color, u1, v0};
    out[5] = {right, top, 0.0f, color, u1, v1};
    return true;
}

void DrawGlyphs(VertexBatch& batch, const cFont& font, const std::string& text, float x, float y,
                bool markup, uint32_t& color)
{
    float pen = std::floor(x);
    const float baseY = std::floor(y);
    uint32_t baseColor = color;
    const char* position = text.data();
    const char* end = position + text.size();
    while (position < end) {
        if (markup && *position == kMarkup) {
            ++position;
            uint32_t newColor = 0;
            if (ParseColorCode(&newColor, position, end, baseColor)) {
                baseColor = color;
                color = newColor;
            }
            continue;  // a "^" that starts no code is dropped
        }
        const uint32_t codePoint = NextCodePoint(position, end);
        if (codePoint > kLastTableCodePoint) continue;
        const Glyph& glyph = font.GetGlyph(codePoint);
        if (!AddGlyphQuad(batch, font, glyph, pen, baseY, color)) return;
        pen += glyph.advance + font.spacing;
    }
}

// Appends the "^" and the code that follows it at position to out and advances.
// False (nothing consumed but the "^") when no code starts there.
bool CopyColorCode(const char*& position, const char* end, std::string& out)
{
    const char* codeStart = position;  // on the "^"
    const char* afterMarkup = position + 1;
    if (ParseColorCode(nullptr, afterMarkup, end, 0)) {
        out.append(codeStart, afterMarkup);
        position = afterMarkup;
        return true;
    }
    out.push_back(kMarkup);
    position = afterMarkup;
    return false;
}

class LineCollector {
public:
    LineCollector(const cFont* font, std::vector<std::string>& lines, std::vector<TextRect>& rects)
        : font_(font), lines_(lines), rects_(rects)
    {
        lines_.clear();
        rects_.clear();
    }

    void Emit(std::string& line)
    {
        TextRect rect = cRender::MeasureText(font_, line, true);
        rect.top = 0.0f;
        lines_.push_back(line);
        rects_.push_back(rect);
        block_.width = std::max(block_.width, rect.width);
        block_.height += font_->lineHeight;
        line.clear();
    }

    TextRect Block() const { return block_; }
    float Width(const std::string& text) const { return cRender::MeasureText(font_, text, true).width; }

private:
    const cFont* font_;
    std::vector<std::string>& lines_;
    std::vector<TextRect>& rects_;
    TextRect block_;
};

}  // namespace

void cRender::DrawText(VertexBatch& batch, const cFont* font, const std::string& text, float x,
                       float y, uint32_t color)
{
    if (font == nullptr) return;
    DrawGlyphs(batch, *font, text, x, y, false, color);
}

void cRender::DrawTextMarkup(VertexBatch& batch, const cFont* font, const std::string& text,
                             float x, float y, uint32_t* color)
{
    uint32_t current = color != nullptr ? *color : kWhite;
    if (font != nullptr) DrawGlyphs(batch, *font, text, x, y, true, current);
    if (color != nullptr) *color = current;
}

TextRect cRender::MeasureText(const cFont* font, const std::string& text, bool skipMarkup)
{
    TextRect rect;
    if (font == nullptr) return rect;
    rect.height = font->lineHeight;
    float pen = 0.0f;
    bool first = true;
    float right = 0.0f;
    const char* position = text.data();
    const char* end = position + text.size();
    while (position < end) {
        if (skipMarkup && *position == kMarkup) {
            ++position;
            ParseColorCode(nullptr, position, end, 0);
            continue;
        }
        const uint32_t codePoint = NextCodePoint(position, end);
        if (codePoint > kLastTableCodePoint) continue;
        const Glyph& glyph = font->GetGlyph(codePoint);
        const float left = pen + glyph.bearingX;
        if (first) {
            rect.left = left;
            first = false;
        }
        right = left + glyph.width;
        pen += glyph.advance + font->spacing;
    }
    // An empty text (or one of codes only) measures as an empty line.
    rect.width = first ? 0.0f : right - rect.left;
    return rect;
}

TextRect cRender::WrapTextByWords(const cFont* font, const std::string& text, float maxWidth,
                                  std::vector<std::string>& lines, std::vector<TextRect>& rects)
{
    if (font == nullptr) {
        lines.clear();
        rects.clear();
        return {};
    }
    LineCollector collector(font, lines, rects);
    std::string line;
    std::string word;
    auto placeWord = [&]() {
        const std::string candidate = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && collector.Width(candidate) > maxWidth) collector.Emit(line);
        line = line.empty() ? word : line + ' ' + word;
        word.clear();
    };
    const char* position = text.data();
    const char* end = position + text.size();
    while (position < end) {
        if (*position == kMarkup) {
            CopyColorCode(position, end, word);
            continue;
        }
        const char* start = position;
        const uint32_t codePoint = NextCodePoint(position, end);
        if (codePoint > kLastTableCodePoint) continue;
        if (codePoint == ' ' || codePoint == '\n') {
            placeWord();
            if (codePoint == '\n') collector.Emit(line);
            continue;
        }
        word.append(start, position);
    }
    if (!word.empty()) placeWord();
    if (!line.empty()) collector.Emit(line);
    return collector.Block();
}

TextRect cRender::WrapTextByChars(const cFont* font, const std::string& text, float maxWidth,
                                  std::vector<std::string>& lines, std::vector<TextRect>& rects)
{
    if (font == nullptr) {
        lines.clear();
        rects.clear();
        return {};
    }
    LineCollector collector(font, lines, rects);
    std::string line;
    const char* position = text.data();
    const char* end = position + text.size();
    while (position < end) {
        if (*position == kMarkup) {
            CopyColorCode(position, end, line);
            continue;
        }
        const char* start = position;
        const uint32_t codePoint = NextCodePoint(position, end);
        if (codePoint > kLastTableCodePoint) continue;
        if (codePoint == '\n') {
            collector.Emit(line);
            continue;
        }
        std::string candidate = line;
        candidate.append(start, position);
        if (!line.empty() && collector.Width(candidate) > maxWidth) {
            collector.Emit(line);
            line.assign(start, position);
        } else {
            line = std::move(candidate);
        }
    }
    if (!line.empty()) collector.Emit(line);
    return collector.Block();
}

}  // namespace vrk
