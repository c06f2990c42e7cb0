// The font tool: for every font the game names, rasterises a free TrueType font
// into NAME.png (white glyphs with coverage alpha, plus the resource icons) and
// NAME.lua (the script that builds the glyph table through the font functions).
//
//   font_tool OUTPUT_FOLDER [TRUETYPE_FOLDER]
//
// The TrueType folder defaults to Debian's fonts-dejavu-core location.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "glyph_atlas.h"
#include "resource_icons.h"

namespace {

constexpr int kAtlasWidth = 256;
constexpr int kLargeAtlasWidth = 512;
constexpr int kLargeFontPixels = 30;

struct FontEntry {
    const char* name;      // the name the game looks fonts up by
    const char* typeface;  // file in the TrueType folder
    int pixels;            // pixel size asked of FreeType
};

// Game font names with the free typeface that stands in for each.
const FontEntry kFonts[] = {
    {"a_fontsystem9", "DejaVuSans.ttf", 12},
    {"a_fontsystem14", "DejaVuSansMono.ttf", 16},
    {"TimesNewRomanItalic22", "DejaVuSerif-Italic.ttf", 22},
    {"MonotypeCorsivaRegular36g", "DejaVuSerifCondensed-Italic.ttf", 36},
};

std::vector<uint32_t> CharacterSet()
{
    std::vector<uint32_t> set;
    for (uint32_t c = 0x20; c <= 0x7E; ++c) set.push_back(c);
    for (uint32_t c = 0xA0; c <= 0xFF; ++c) {
        bool icon = false;
        for (uint32_t iconCode : kResourceIconCodePoints) icon |= iconCode == c;
        if (!icon) set.push_back(c);
    }
    for (uint32_t c : {0x2013u, 0x2014u, 0x2018u, 0x2019u, 0x201Cu, 0x201Du, 0x2026u, 0x20ACu, 0x2122u}) {
        set.push_back(c);
    }
    return set;
}

std::string LuaQuoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

bool MakeFont(FT_Library library, const FontEntry& entry, const std::string& typefaceFolder,
              const std::string& outputFolder)
{
    FT_Face face = nullptr;
    const std::string typeface = typefaceFolder + "/" + entry.typeface;
    if (FT_New_Face(library, typeface.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "font_tool: cannot open %s\n", typeface.c_str());
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(entry.pixels));
    const int ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descender = static_cast<int>(face->size->metrics.descender >> 6);  // negative
    const int lineHeight = ascender - descender;
    GlyphAtlas atlas(entry.pixels >= kLargeFontPixels ? kLargeAtlasWidth : kAtlasWidth, lineHeight);
    std::vector<GlyphEntry> glyphs;

    for (uint32_t codePoint : CharacterSet()) {
        if (FT_Get_Char_Index(face, codePoint) == 0) continue;
        if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        GlyphEntry entry;
        entry.symbol = EncodeUtf8(codePoint);
        entry.advance = static_cast<float>(slot->advance.x >> 6);
        entry.bearingX = static_cast<float>(slot->bitmap_left);
        const int width = static_cast<int>(slot->bitmap.width);
        if (width > 0 && !atlas.Place(width, entry.u, entry.v)) continue;
        entry.cu = width;
        entry.cv = width > 0 ? lineHeight : 0;
        entry.width = static_cast<float>(width);
        const int top = entry.v + ascender - slot->bitmap_top;  // bitmap's first row
        for (unsigned row = 0; row < slot->bitmap.rows; ++row) {
            const int y = top + static_cast<int>(row);
            if (y < entry.v || y >= entry.v + lineHeight) continue;  // clipped to the cell
            for (int column = 0; column < width; ++column) {
                const uint8_t coverage = slot->bitmap.buffer[row * static_cast<unsigned>(slot->bitmap.pitch) +
                                                             static_cast<unsigned>(column)];
                if (coverage) atlas.Put(entry.u + column, y, 0xFFFFFF00u | coverage);
            }
        }
        glyphs.push_back(entry);
    }
    const int iconSize = ascender;
    for (int index = 0; index < 4; ++index) {
        GlyphEntry entry;
        entry.symbol = EncodeUtf8(kResourceIconCodePoints[index]);
        if (!atlas.Place(iconSize, entry.u, entry.v)) continue;
        entry.cu = iconSize;
        entry.cv = lineHeight;
        entry.width = static_cast<float>(iconSize);
        entry.advance = static_cast<float>(iconSize + 1);
        DrawResourceIcon(atlas, index, entry.u, entry.v, iconSize);
        glyphs.push_back(entry);
    }
    atlas.Finish();
    FT_Done_Face(face);

    const std::string base = outputFolder + "/" + entry.name;
    if (!atlas.WritePng(base + ".png")) {
        std::fprintf(stderr, "font_tool: cannot write %s.png\n", base.c_str());
        return false;
    }
    std::ofstream script(base + ".lua", std::ios::binary);
    script << "-- Font \"" << entry.name << "\": " << entry.typeface << " at " << entry.pixels
           << " pixels, made by tools/font_tool. Generated file.\n";
    script << "local font = createFont(" << LuaQuoted(entry.name) << ")\n";
    script << "initFont(font, " << LuaQuoted(entry.name) << ", \"\", " << entry.pixels << ", " << lineHeight << ")\n";
    script << "setFontTexture(font, " << LuaQuoted(entry.name) << ", " << atlas.Width() << ", " << atlas.Height() << ")\n";
    script << "setFontTransform(font, 0, 1, 1)\n";
    script << "fillFont(font, {\n";
    for (const GlyphEntry& g : glyphs) {
        script << "  { ch = " << LuaQuoted(g.symbol) << ", fWidth = " << g.width << ", u = " << g.u
               << ", v = " << g.v << ", cu = " << g.cu << ", cv = " << g.cv << ", fBearingX = " << g.bearingX
               << ", dx = " << g.advance << " },\n";
    }
    script << "})\n";
    if (!script.good()) {
        std::fprintf(stderr, "font_tool: cannot write %s.lua\n", base.c_str());
        return false;
    }
    std::printf("%s: %zu glyphs, %dx%d, line height %d\n", entry.name, glyphs.size(), atlas.Width(),
                atlas.Height(), lineHeight);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: font_tool OUTPUT_FOLDER [TRUETYPE_FOLDER]\n");
        return 2;
    }
    const std::string output = argv[1];
    const std::string typefaces = argc > 2 ? argv[2] : "/usr/share/fonts/truetype/dejavu";
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "font_tool: FreeType did not start\n");
        return 1;
    }
    bool ok = true;
    for (const FontEntry& entry : kFonts) ok = MakeFont(library, entry, typefaces, output) && ok;
    FT_Done_FreeType(library);
    return ok ? 0 : 1;
}
