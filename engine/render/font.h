// Bitmap fonts: one texture with the glyph images and a flat glyph table indexed by
// code point, filled by the font scripts; plus the engine-wide font registry.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vrk {

class cTexture;

// One glyph: the quad is drawn from pen + bearingX, width wide and the font's line
// height high; the pen then moves by advance + the font's spacing.
struct Glyph {
    float width = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
    float uSize = 0.0f;
    float vSize = 0.0f;
    float bearingX = 0.0f;
    float advance = 0.0f;
};

// One element of a font script's glyph array. Missing fields stay zero.
struct GlyphRecord {
    std::string symbol;  // "ch": its first code point is the glyph's index
    float width = 0.0f;  // "fWidth"
    int32_t u = 0;       // "u", "v": left and top pixel in the texture
    int32_t v = 0;
    int32_t cu = 0;      // "cu", "cv": pixel width and height
    int32_t cv = 0;
    float bearingX = 0.0f;  // "fBearingX"
    float advance = 0.0f;   // "dx"
};

class cFont {
public:
    // One entry per code point 0..65535; higher code points are never stored.
    static constexpr uint32_t kGlyphTableSize = 65536;

    cFont();
    ~cFont();
    cFont(const cFont&) = delete;
    cFont& operator=(const cFont&) = delete;

    // Adds the glyph of the symbol's first code point; a symbol already defined keeps
    // its first definition. Rectangles are in pixels and become texture coordinates
    // (v up) when the texture size is known.
    void AddGlyph(const std::string& symbol, int32_t u, int32_t v, int32_t cu, int32_t cv,
                  float bearingX, float advance, float width);
    // Frees every own glyph and returns every field to its empty value.
    void Reset();

    // The glyph drawn for the code point: the font's own or the all-zero default.
    const Glyph& GetGlyph(uint32_t codePoint) const;
    bool HasGlyph(uint32_t codePoint) const;

    std::shared_ptr<cTexture> texture;  // the batch key of text drawn with this font
    float lineHeight = 0.0f;
    float spacing = 0.0f;
    float factor1 = 1.0f;
    float factor2 = 1.0f;

    std::string name;
    std::string secondText;
    int32_t parameter = 0;
    std::string textureName;
    int32_t textureWidth = 0;
    int32_t textureHeight = 0;

private:
    Glyph defaultGlyph_;
    std::vector<const Glyph*> table_;            // kGlyphTableSize entries
    std::vector<std::unique_ptr<Glyph>> owned_;  // the font's own glyphs
};

using FontPtr = std::shared_ptr<cFont>;

// Font name -> font. operator[] creates an empty entry; users check for it.
using FontMap = std::map<std::string, FontPtr>;
FontMap& GetFontMap();

// The registered font of that name or null; never creates an entry.
FontPtr FindFont(const std::string& name);
// An existing font of that name is reset and returned (a re-run font script rebuilds
// it in place); otherwise a new font is registered under the name.
cFont* FindOrCreateFont(const std::string& name);
// initFont / setFontTexture / setFontTransform: plain stores. The texture is taken
// from the registry by name at this moment (an empty entry when not registered yet).
void InitFont(cFont& font, const std::string& name, const std::string& secondText,
              int32_t parameter, float lineHeight);
void SetFontTexture(cFont& font, const std::string& textureName, int32_t width, int32_t height);
void SetFontTransform(cFont& font, float spacing, float factor1, float factor2);
// Adds every record; 1 when the font is null, else 0.
int FillFont(cFont* font, const std::vector<GlyphRecord>& records);

}  // namespace vrk
