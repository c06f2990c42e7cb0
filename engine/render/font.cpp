// cFont glyph tables and the font registry.
#include "engine/render/font.h"

#include "engine/log/log.h"
#include "engine/render/code_point.h"
#include "engine/render/texture.h"

namespace vrk {

namespace {
const char* const kSender = "cFont";
const char* const kWarning = "^5";
}  // namespace

cFont::cFont() : table_(kGlyphTableSize, &defaultGlyph_) {}

cFont::~cFont() = default;

void cFont::AddGlyph(const std::string& symbol, int32_t u, int32_t v, int32_t cu, int32_t cv,
                     float bearingX, float advance, float width)
{
    if (symbol.empty()) {
        LogWrite(kSender, kWarning, "%s - empty symbol founded", FormatArg::FromString(name));
        return;
    }
    const char* position = symbol.data();
    const uint32_t codePoint = NextCodePoint(position, symbol.data() + symbol.size());
    // Code points from 65535 up are refused: anything above would lie past the table.
    if (codePoint >= kGlyphTableSize - 1) {
        LogWrite(kSender, kWarning, "%s - unsupported symbol: %s", FormatArg::FromString(name),
                 FormatArg::FromString(symbol));
        return;
    }
    if (table_[codePoint] != &defaultGlyph_) {
        LogWrite(kSender, kWarning, "%s - symbol %s already exist", FormatArg::FromString(name),
                 FormatArg::FromString(symbol));
        return;
    }
    auto glyph = std::make_unique<Glyph>();
    glyph->width = width;
    glyph->u = static_cast<float>(u);
    glyph->v = static_cast<float>(v);
    glyph->uSize = static_cast<float>(cu);
    glyph->vSize = static_cast<float>(cv);
    glyph->bearingX = bearingX;
    glyph->advance = advance;
    if (textureWidth != 0 && textureHeight != 0) {
        const auto texWidth = static_cast<float>(textureWidth);
        const auto texHeight = static_cast<float>(textureHeight);
        glyph->uSize = static_cast<float>(cu) / texWidth;
        glyph->vSize = static_cast<float>(cv) / texHeight;
        glyph->u = static_cast<float>(u) / texWidth;
        // Pictures are stored top row first, texture v points up.
        glyph->v = 1.0f - static_cast<float>(v) / texHeight - glyph->vSize;
    }
    table_[codePoint] = glyph.get();
    owned_.push_back(std::move(glyph));
}

void cFont::Reset()
{
    table_.assign(kGlyphTableSize, &defaultGlyph_);
    owned_.clear();
    name.clear();
    secondText.clear();
    textureName.clear();
    parameter = 0;
    textureWidth = 0;
    textureHeight = 0;
    texture.reset();
    lineHeight = 0.0f;
    spacing = 0.0f;
    factor1 = 1.0f;
    factor2 = 1.0f;
}

const Glyph& cFont::GetGlyph(uint32_t codePoint) const
{
    if (codePoint >= table_.size()) return defaultGlyph_;
    return *table_[codePoint];
}

bool cFont::HasGlyph(uint32_t codePoint) const
{
    return codePoint < table_.size() && table_[codePoint] != &defaultGlyph_;
}

FontMap& GetFontMap()
{
    static FontMap fonts;
    return fonts;
}

FontPtr FindFont(const std::string& name)
{
    FontMap& fonts = GetFontMap();
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second;
}

cFont* FindOrCreateFont(const std::string& name)
{
    FontPtr& entry = GetFontMap()[name];
    if (entry) {
        entry->Reset();
        return entry.get();
    }
    entry = std::make_shared<cFont>();
    return entry.get();
}

void InitFont(cFont& font, const std::string& name, const std::string& secondText,
              int32_t parameter, float lineHeight)
{
    font.name = name;
    font.secondText = secondText;
    font.parameter = parameter;
    font.lineHeight = lineHeight;
}

void SetFontTexture(cFont& font, const std::string& textureName, int32_t width, int32_t height)
{
    font.textureName = textureName;
    // Registers an empty entry when the picture is not loaded yet; the font then
    // draws untextured.
    font.texture = GetTextureMap()[textureName];
    font.textureWidth = width;
    font.textureHeight = height;
}

void SetFontTransform(cFont& font, float spacing, float factor1, float factor2)
{
    font.spacing = spacing;
    font.factor1 = factor1;
    font.factor2 = factor2;
}

int FillFont(cFont* font, const std::vector<GlyphRecord>& records)
{
    if (font == nullptr) return 1;
    for (const GlyphRecord& record : records) {
        font->AddGlyph(record.symbol, record.u, record.v, record.cu, record.cv, record.bearingX,
                       record.advance, record.width);
    }
    return 0;
}

}  // namespace vrk
