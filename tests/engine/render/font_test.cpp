// Glyph tables, the font registry and the five font functions of the Lua set.
#include "engine/render/font.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include "engine/render/font_bindings.h"
#include "engine/render/texture.h"
#include "tests/engine/render/render_test_support.h"

namespace {

using vrk::cFont;

class FontTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        vrk::GetFontMap().clear();
        vrk::GetTextureMap().clear();
    }
    test::LogCapture log_;
};

TEST_F(FontTest, AddGlyph_ConvertsPixelsToTextureCoordinatesWithVUp)
{
    cFont font;
    font.textureWidth = 256;
    font.textureHeight = 128;
    font.AddGlyph("A", 16, 0, 8, 16, 1.5f, 9.0f, 8.0f);
    const vrk::Glyph& glyph = font.GetGlyph('A');
    EXPECT_FLOAT_EQ(glyph.u, 0.0625f);
    EXPECT_FLOAT_EQ(glyph.uSize, 0.03125f);
    EXPECT_FLOAT_EQ(glyph.vSize, 0.125f);
    EXPECT_FLOAT_EQ(glyph.v, 0.875f);
    EXPECT_FLOAT_EQ(glyph.bearingX, 1.5f);
    EXPECT_FLOAT_EQ(glyph.advance, 9.0f);
    EXPECT_FLOAT_EQ(glyph.width, 8.0f);
}

TEST_F(FontTest, AddGlyph_WithoutTextureSizeKeepsPixels)
{
    cFont font;
    font.AddGlyph("B", 16, 4, 8, 16, 0, 0, 0);
    EXPECT_FLOAT_EQ(font.GetGlyph('B').u, 16.0f);
    EXPECT_FLOAT_EQ(font.GetGlyph('B').v, 4.0f);
}

TEST_F(FontTest, AddGlyph_KeepsTheFirstDefinitionOfASymbol)
{
    cFont font;
    font.name = "f";
    font.AddGlyph("\xC2\xBD", 0, 0, 0, 0, 0, 7.0f, 0);  // the first resource icon
    font.AddGlyph("\xC2\xBD", 0, 0, 0, 0, 0, 3.0f, 0);
    EXPECT_FLOAT_EQ(font.GetGlyph(0xBD).advance, 7.0f);
    EXPECT_TRUE(log_.Contains("f - symbol \xC2\xBD already exist"));
}

TEST_F(FontTest, AddGlyph_RefusesEmptyAndOutOfTableSymbols)
{
    cFont font;
    font.name = "f";
    font.AddGlyph("", 0, 0, 0, 0, 0, 1, 1);
    font.AddGlyph("\xEF\xBF\xBF", 0, 0, 0, 0, 0, 1, 1);      // U+FFFF
    font.AddGlyph("\xF0\x9F\x98\x80", 0, 0, 0, 0, 0, 1, 1);  // U+1F600
    EXPECT_TRUE(log_.Contains("f - empty symbol founded"));
    EXPECT_EQ(log_.Count("f - unsupported symbol"), 2);
    EXPECT_FALSE(font.HasGlyph(0xFFFF));
    EXPECT_FLOAT_EQ(font.GetGlyph(0x1F600).advance, 0.0f);
}

TEST_F(FontTest, FindOrCreateFont_ExistingNameReturnsTheSameFontEmptied)
{
    cFont* first = vrk::FindOrCreateFont("a_test");
    first->AddGlyph("x", 0, 0, 0, 0, 0, 5, 5);
    vrk::InitFont(*first, "a_test", "second", 3, 14.0f);
    vrk::SetFontTransform(*first, 2.0f, 0.5f, 0.25f);
    cFont* again = vrk::FindOrCreateFont("a_test");
    EXPECT_EQ(again, first);
    EXPECT_FALSE(again->HasGlyph('x'));
    EXPECT_TRUE(again->name.empty());
    EXPECT_EQ(again->lineHeight, 0.0f);
    EXPECT_EQ(again->spacing, 0.0f);
    EXPECT_EQ(again->factor1, 1.0f);
    EXPECT_EQ(again->factor2, 1.0f);
}

TEST_F(FontTest, SetFontTexture_KeepsDrawingAfterTheRegistryIsEmptied)
{
    auto texture = vrk::CreateTextureFromImage("font_pic", nullptr);
    cFont* font = vrk::FindOrCreateFont("f");
    vrk::SetFontTexture(*font, "font_pic", 64, 32);
    vrk::GetTextureMap().clear();
    texture.reset();
    ASSERT_NE(font->texture, nullptr);
    EXPECT_EQ(font->texture->name, "font_pic");
}

TEST_F(FontTest, SetFontTexture_OfAnUnknownNameLeavesAnEmptyEntry)
{
    cFont* font = vrk::FindOrCreateFont("f");
    vrk::SetFontTexture(*font, "later", 64, 64);
    EXPECT_EQ(font->texture, nullptr);
    EXPECT_EQ(vrk::GetTextureMap().count("later"), 1u);
    EXPECT_EQ(vrk::FindTexture("later"), nullptr);
}

TEST_F(FontTest, FillFont_NullFontGivesOne)
{
    EXPECT_EQ(vrk::FillFont(nullptr, {}), 1);
    cFont font;
    EXPECT_EQ(vrk::FillFont(&font, {vrk::GlyphRecord{"q", 1, 0, 0, 0, 0, 0, 6}}), 0);
    EXPECT_FLOAT_EQ(font.GetGlyph('q').advance, 6.0f);
}

class FontLuaTest : public FontTest {
protected:
    void SetUp() override
    {
        state_ = luaL_newstate();
        luaL_openlibs(state_);
        vrk::RegisterFontFunctions(state_);
    }
    void TearDown() override
    {
        lua_close(state_);
        FontTest::TearDown();
    }
    void Run(const char* script)
    {
        ASSERT_EQ(luaL_dostring(state_, script), 0) << lua_tostring(state_, -1);
    }
    lua_State* state_ = nullptr;
};

TEST_F(FontLuaTest, FontScript_BuildsTheFont)
{
    Run("local f = createFont('a_lua')\n"
        "initFont(f, 'a_lua', 'x', 7, 14)\n"
        "setFontTexture(f, 'a_lua_pic', 256)\n"
        "setFontTransform(f, 1)\n"
        "result = fillFont(f, { {ch='A', fWidth=8, u=16, v=0, cu=8, cv=16, fBearingX=1, dx=9},"
        " 'not a table', {ch='B'} })\n");
    vrk::FontPtr font = vrk::FindFont("a_lua");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->name, "a_lua");
    EXPECT_EQ(font->secondText, "x");
    EXPECT_EQ(font->parameter, 7);
    EXPECT_FLOAT_EQ(font->lineHeight, 14.0f);
    EXPECT_EQ(font->textureName, "a_lua_pic");
    EXPECT_EQ(font->textureHeight, 256) << "the height defaults to the width";
    EXPECT_FLOAT_EQ(font->spacing, 1.0f);
    EXPECT_FLOAT_EQ(font->factor1, 0.0f) << "missing numbers are 0";
    EXPECT_FLOAT_EQ(font->GetGlyph('A').u, 0.0625f);
    EXPECT_TRUE(font->HasGlyph('B'));
    lua_getglobal(state_, "result");
    EXPECT_EQ(lua_tonumber(state_, -1), 0.0);
}

TEST_F(FontLuaTest, FillFont_SparseOrHugeGlyphListIsBounded)
{
    // Keys 1, 2, 4, 8, ... 2^26 in one constructor: lua_objlen reports 67 million,
    // which once reserved gigabytes before a single glyph was read.
    Run("local f = createFont('sparse')\n"
        "local text = '{ [1] = {ch=\\'A\\'}, [2] = {ch=\\'D\\'}'\n"
        "local k = 4 while k <= 2^26 do text = text .. ', [' .. k .. '] = {ch=\\'Z\\'}' k = k * 2 end\n"
        "local t = loadstring('return ' .. text .. ' }')()\n"
        "assert(#t == 2^26)\n"
        "fillFont(f, t)\n"
        "local g = createFont('huge')\n"
        "local all = {} for i = 1, 65536 + 3 do all[i] = 'x' end\n"
        "fillFont(g, all)\n");
    vrk::FontPtr font = vrk::FindFont("sparse");
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->HasGlyph('D'));
    EXPECT_FALSE(font->HasGlyph('Z')) << "the walk ends at the first missing element";
    EXPECT_EQ(log_.Count("Glyph list has more than 65536 entries"), 1);
}

TEST_F(FontLuaTest, ForeignOrMissingFontArgument_DoesNothing)
{
    Run("initFont('text', 'a', 'b', 1, 2)\n"
        "r1 = fillFont(nil, {})\n"
        "local t = {}\n"
        "r2 = fillFont(io.stdout, {})\n"
        "setFontTexture(io.stdout, 'x', 1, 1)\n");
    lua_getglobal(state_, "r1");
    EXPECT_TRUE(lua_isnil(state_, -1));
    lua_getglobal(state_, "r2");
    EXPECT_EQ(lua_tonumber(state_, -1), 1.0) << "a userdata that is no font counts as a null font";
    EXPECT_TRUE(vrk::GetFontMap().empty());
}

}  // namespace

namespace {

class CommittedFontTest : public FontLuaTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommittedFontTest, ScriptBuildsTheFontWithResourceIcons)
{
    const std::string script = std::string(KELVARA_SOURCE_DIR) + "/data/font/en/" + GetParam() + ".lua";
    ASSERT_EQ(luaL_dofile(state_, script.c_str()), 0) << lua_tostring(state_, -1);
    vrk::FontPtr font = vrk::FindFont(GetParam());
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->name, GetParam());
    EXPECT_EQ(font->textureName, GetParam());
    EXPECT_GT(font->lineHeight, 0.0f);
    EXPECT_GT(font->GetGlyph('A').width, 0.0f);
    EXPECT_GT(font->GetGlyph(' ').advance, 0.0f);
    for (uint32_t icon : {0xBDu, 0xBCu, 0xBEu, 0x2030u}) {
        EXPECT_TRUE(font->HasGlyph(icon)) << icon;
        EXPECT_GT(font->GetGlyph(icon).uSize, 0.0f) << icon;
    }
    const vrk::Glyph& glyph = font->GetGlyph('W');
    EXPECT_GE(glyph.v, 0.0f);
    EXPECT_LE(glyph.v + glyph.vSize, 1.0f);
    EXPECT_FALSE(log_.Contains("cFont")) << "no glyph warnings";
}

INSTANTIATE_TEST_SUITE_P(Fonts, CommittedFontTest,
                         ::testing::Values("a_fontsystem9", "a_fontsystem14", "TimesNewRomanItalic22",
                                           "MonotypeCorsivaRegular36g"));

}  // namespace
