// Sprite descriptions: nodes read from Lua, table replacement, the registry and the
// lookup by sprite name.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <memory>
#include <string>

#include "framework/objects/texture_info_ex.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

struct LuaCloser {
    void operator()(lua_State* state) const { lua_close(state); }
};

class TextureInfoExTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lua_.reset(luaL_newstate());
        luaL_openlibs(lua_.get());
    }
    // Runs "return <expression>" and leaves the value on top of the stack.
    void Push(const std::string& expression)
    {
        const std::string chunk = "return " + expression;
        ASSERT_EQ(luaL_loadstring(lua_.get(), chunk.c_str()), 0);
        ASSERT_EQ(lua_pcall(lua_.get(), 0, 1, 0), 0);
    }

    std::unique_ptr<lua_State, LuaCloser> lua_;
    test::RegistryCleaner cleaner_;
};

TEST_F(TextureInfoExTest, ReadNode_MissingFieldsAreZero)
{
    Push("{ u = 0.5, w = 32, dx = 'x' }");
    TextureInfoNode node;
    EXPECT_TRUE(ReadTextureInfoNode(lua_.get(), node));
    cTextureInfoEx description("a");
    description.SetNodes({node}, 1.0f);
    EXPECT_EQ(description.frames->windows[0].u, 0.5f);
    EXPECT_EQ(description.frames->windows[0].v, 0.0f);
    EXPECT_EQ(description.frames->windows[0].width, 0.0f);
    EXPECT_EQ(description.frames->hotSpots[0], vec2(0.0f, 0.0f));
    EXPECT_EQ(description.frames->sizes[0], vec2(32.0f, 0.0f));
    EXPECT_EQ(lua_gettop(lua_.get()), 1);
}

TEST_F(TextureInfoExTest, ReadNode_NotATableGivesZerosAndFalse)
{
    Push("'text'");
    TextureInfoNode node;
    node.u = 7.0f;
    EXPECT_FALSE(ReadTextureInfoNode(lua_.get(), node));
    EXPECT_EQ(node.u, 0.0f);
}

TEST_F(TextureInfoExTest, ReadNodes_NonTableElementBecomesZeroFrame)
{
    Push("{ { u = 1, v = 2, cu = 3, cv = 4, dx = 5, dy = 6, w = 7, h = 8 }, 'oops', { w = 9 } }");
    std::vector<TextureInfoNode> nodes;
    ASSERT_TRUE(ReadTextureInfoNodes(lua_.get(), -1, nodes));
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].u, 1.0f);
    EXPECT_EQ(nodes[0].h, 8.0f);
    EXPECT_EQ(nodes[1].u, 0.0f);
    EXPECT_EQ(nodes[1].w, 0.0f);
    EXPECT_EQ(nodes[2].w, 9.0f);
    EXPECT_EQ(lua_gettop(lua_.get()), 1);
}

TEST_F(TextureInfoExTest, ReadNodes_NotATableIsFalse)
{
    Push("42");
    std::vector<TextureInfoNode> nodes(2);
    EXPECT_FALSE(ReadTextureInfoNodes(lua_.get(), -1, nodes));
    EXPECT_TRUE(nodes.empty());
}

TEST_F(TextureInfoExTest, ReadNodes_MetatableIsNotConsulted)
{
    // A node whose metatable would raise an error on every missing field.
    Push("{ setmetatable({ w = 4 }, { __index = function() error('no') end }) }");
    std::vector<TextureInfoNode> nodes;
    ASSERT_TRUE(ReadTextureInfoNodes(lua_.get(), -1, nodes));
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0].w, 4.0f);
    EXPECT_EQ(nodes[0].u, 0.0f);
}

TEST_F(TextureInfoExTest, ReadNodes_SparseOrHugeListIsCappedWithAWarning)
{
    // Keys 1, 2, 4, 8, ... 2^26 in one constructor: lua_objlen reports 67 million.
    std::string sparse = "{ [1] = { w = 1 }";
    for (int64_t key = 2; key <= (int64_t{1} << 26); key *= 2) sparse += ", [" + std::to_string(key) + "] = {}";
    Push(sparse + " }");
    ASSERT_EQ(lua_objlen(lua_.get(), -1), size_t{1} << 26);
    std::vector<TextureInfoNode> nodes;
    ASSERT_TRUE(ReadTextureInfoNodes(lua_.get(), -1, nodes));
    EXPECT_EQ(nodes.size(), 2u) << "the walk ends at the first missing element";

    test::LogCapture log;
    Push("(function() local t = {} for i = 1, " + std::to_string(kMaxSpriteFrames + 5) +
         " do t[i] = {} end return t end)()");
    ASSERT_TRUE(ReadTextureInfoNodes(lua_.get(), -1, nodes));
    EXPECT_EQ(nodes.size(), kMaxSpriteFrames);
    EXPECT_EQ(log.Count("frames; the rest are dropped"), 1);
    EXPECT_EQ(lua_gettop(lua_.get()), 2);
}

TEST_F(TextureInfoExTest, AddNodes_SetsTextureRateAndFrames)
{
    const vrk::TexturePtr texture = test::RegisterTestTexture("tex");
    cTextureInfoEx* description = CreateTextureInfoEx("walk");
    std::vector<TextureInfoNode> nodes(3);
    EXPECT_EQ(AddTextureInfoExNodes(description, "tex", nodes, 12.0f), 0);
    EXPECT_EQ(description->texture, texture);
    EXPECT_EQ(description->GetFrameCount(), 3u);
    EXPECT_EQ(description->framesPerSecond, 12.0f);
}

TEST_F(TextureInfoExTest, AddNodes_EmptyArrayEmptiesTables)
{
    cTextureInfoEx* description = test::RegisterTestSprite("walk", 4, 10.0f);
    EXPECT_EQ(AddTextureInfoExNodes(description, "walk_tex", {}, 10.0f), 0);
    EXPECT_EQ(description->GetFrameCount(), 0u);
    EXPECT_TRUE(description->frames->hotSpots.empty());
    EXPECT_TRUE(description->frames->sizes.empty());
    EXPECT_FALSE(description->GetSpriteInfo().IsSprite());
}

TEST_F(TextureInfoExTest, AddNodes_UnknownTextureLeavesNullAndEmptyEntry)
{
    cTextureInfoEx* description = CreateTextureInfoEx("walk");
    EXPECT_EQ(AddTextureInfoExNodes(description, "missing", std::vector<TextureInfoNode>(2), 5.0f), 0);
    EXPECT_EQ(description->texture, nullptr);
    EXPECT_EQ(vrk::GetTextureMap().count("missing"), 1u);
    EXPECT_EQ(vrk::FindTexture("missing"), nullptr);
}

TEST_F(TextureInfoExTest, AddNodes_NullOrReplacedDescriptionFails)
{
    EXPECT_EQ(AddTextureInfoExNodes(nullptr, "tex", {}, 1.0f), 1);
    cTextureInfoEx* stale = CreateTextureInfoEx("walk");
    EXPECT_EQ(FindRegisteredTextureInfoEx(stale).get(), stale);
    // Keep the old description's memory alive so the stale pointer is not reused.
    const TextureInfoExPtr keep = GetTextureInfoExMap()["walk"];
    CreateTextureInfoEx("walk");
    EXPECT_EQ(FindRegisteredTextureInfoEx(stale), nullptr);
    EXPECT_EQ(AddTextureInfoExNodes(stale, "tex", std::vector<TextureInfoNode>(1), 1.0f), 1);
    EXPECT_EQ(stale->GetFrameCount(), 0u);
}

TEST_F(TextureInfoExTest, Create_ReplacesUnderSameNameAndOldRecordsStayValid)
{
    test::RegisterTestSprite("walk", 4, 10.0f, 32.0f, 16.0f);
    const SpriteInfo before = GetTextureInfoExMap()["walk"]->GetSpriteInfo();
    test::RegisterTestSprite("walk", 2, 5.0f, 8.0f, 8.0f);
    EXPECT_EQ(GetTextureInfoExMap().size(), 1u);
    EXPECT_EQ(GetTextureInfoExMap()["walk"]->GetFrameCount(), 2u);
    // The record taken before still reads its own four frames.
    ASSERT_TRUE(before.HasFrame(3));
    EXPECT_EQ(before.Size(3), vec2(32.0f, 16.0f));
}

TEST_F(TextureInfoExTest, Refill_OldRecordKeepsItsTables)
{
    cTextureInfoEx* description = test::RegisterTestSprite("walk", 4, 10.0f);
    const SpriteInfo before = description->GetSpriteInfo();
    description->SetNodes({}, 10.0f);
    EXPECT_EQ(before.frameCount, 4u);
    EXPECT_TRUE(before.HasFrame(3));
    EXPECT_FALSE(before.HasFrame(4));
    EXPECT_FALSE(before.HasFrame(-1));
}

TEST_F(TextureInfoExTest, LookUp_FindsRecordWithoutLog)
{
    test::LogCapture log;
    test::RegisterTestSprite("walk", 3, 8.0f);
    const SpriteInfo info = LookUpSpriteInfoEx("walk");
    EXPECT_TRUE(info.IsSprite());
    EXPECT_EQ(info.frameCount, 3u);
    EXPECT_EQ(info.framesPerSecond, 8.0f);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(TextureInfoExTest, LookUp_EmptyNameIsSilent)
{
    test::LogCapture log;
    EXPECT_FALSE(LookUpSpriteInfoEx("").IsSprite());
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_TRUE(GetTextureInfoExMap().empty());
}

TEST_F(TextureInfoExTest, LookUp_MissingNameWarnsEachCallAndLeavesEntry)
{
    test::LogCapture log;
    EXPECT_FALSE(LookUpSpriteInfoEx("ghost").IsSprite());
    EXPECT_FALSE(LookUpSpriteInfoEx("ghost").IsSprite());
    EXPECT_EQ(log.Count("SpriteEx with area ghost not found"), 2);
    EXPECT_TRUE(log.Contains("cGarden::GetSpriteInfoEx"));
    EXPECT_EQ(GetTextureInfoExMap().count("ghost"), 1u);
}

TEST_F(TextureInfoExTest, LookUp_DescriptionWithoutFramesOrTextureIsNoSprite)
{
    test::LogCapture log;
    test::RegisterTestSprite("empty", 0, 8.0f);
    cTextureInfoEx* untextured = CreateTextureInfoEx("untextured");
    untextured->SetNodes(std::vector<TextureInfoNode>(2), 8.0f);
    const SpriteInfo empty = LookUpSpriteInfoEx("empty");
    EXPECT_FALSE(empty.IsSprite());
    EXPECT_EQ(empty.texture, nullptr);
    EXPECT_FALSE(LookUpSpriteInfoEx("untextured").IsSprite());
    EXPECT_EQ(log.Count("not found"), 2);
}

}  // namespace
