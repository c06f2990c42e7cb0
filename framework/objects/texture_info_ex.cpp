// cTextureInfoEx: sprite descriptions, their registry, the Lua node readers and the
// lookup by sprite name.
#include "framework/objects/texture_info_ex.h"

#include <lua.hpp>

#include <algorithm>

#include "engine/log/log.h"

namespace {

constexpr const char* kLookUpSender = "cGarden::GetSpriteInfoEx";
constexpr const char* kNodesSender = "addTextureInfoExNodes";

float NumberField(lua_State* state, const char* field)
{
    // Raw reads: a metatable of a script's table cannot run code (or raise a Lua
    // error through this C++ frame) while the nodes are read.
    lua_pushstring(state, field);
    lua_rawget(state, -2);
    // Only real numbers count; a string that looks like one is still "not a number".
    const float value = lua_type(state, -1) == LUA_TNUMBER ? static_cast<float>(lua_tonumber(state, -1)) : 0.0f;
    lua_pop(state, 1);
    return value;
}

}  // namespace

cTextureInfoEx::cTextureInfoEx(const std::string& infoName)
    : name(infoName), frames(std::make_shared<SpriteFrames>())
{
}

int32_t cTextureInfoEx::SetNodes(const std::vector<TextureInfoNode>& nodes, float rate)
{
    auto tables = std::make_shared<SpriteFrames>();
    tables->windows.reserve(nodes.size());
    tables->hotSpots.reserve(nodes.size());
    tables->sizes.reserve(nodes.size());
    for (const TextureInfoNode& node : nodes) {
        tables->windows.push_back(FrameWindow{node.u, node.v, node.cu, node.cv});
        tables->hotSpots.emplace_back(node.dx, node.dy);
        tables->sizes.emplace_back(node.w, node.h);
    }
    frames = std::move(tables);
    framesPerSecond = rate;
    return static_cast<int32_t>(GetFrameCount());
}

uint32_t cTextureInfoEx::GetFrameCount() const
{
    return frames ? static_cast<uint32_t>(frames->windows.size()) : 0;
}

SpriteInfo cTextureInfoEx::GetSpriteInfo() const
{
    SpriteInfo info;
    info.frameCount = GetFrameCount();
    if (info.frameCount == 0) return info;
    info.texture = texture;
    info.frames = frames;
    info.framesPerSecond = framesPerSecond;
    return info;
}

TextureInfoExMap& GetTextureInfoExMap()
{
    static TextureInfoExMap registry;
    return registry;
}

cTextureInfoEx* CreateTextureInfoEx(const std::string& name)
{
    auto description = std::make_shared<cTextureInfoEx>(name);
    GetTextureInfoExMap()[name] = description;
    return description.get();
}

TextureInfoExPtr FindRegisteredTextureInfoEx(const cTextureInfoEx* description)
{
    if (description == nullptr) return nullptr;
    const TextureInfoExMap& registry = GetTextureInfoExMap();
    // Look under its own name first; the full walk only finds one that was
    // registered under a name it does not carry (never done, but cheap to honour).
    const auto named = registry.find(description->name);
    if (named != registry.end() && named->second.get() == description) return named->second;
    for (const auto& [key, entry] : registry) {
        if (entry.get() == description) return entry;
    }
    return nullptr;
}

int AddTextureInfoExNodes(cTextureInfoEx* description, const std::string& textureName,
                          const std::vector<TextureInfoNode>& nodes, float rate)
{
    const TextureInfoExPtr registered = FindRegisteredTextureInfoEx(description);
    if (registered == nullptr) {
        if (description != nullptr) {
            vrk::LogWrite("addTextureInfoExNodes", "^5", "Sprite description is no longer registered: %s",
                          vrk::FormatArg::FromString(textureName));
        }
        return 1;
    }
    registered->texture = vrk::GetTextureMap()[textureName];
    registered->SetNodes(nodes, rate);
    return 0;
}

bool ReadTextureInfoNode(lua_State* state, TextureInfoNode& node)
{
    node = TextureInfoNode{};
    if (state == nullptr || lua_type(state, -1) != LUA_TTABLE) return false;
    node.dx = NumberField(state, "dx");
    node.dy = NumberField(state, "dy");
    node.u = NumberField(state, "u");
    node.v = NumberField(state, "v");
    node.cu = NumberField(state, "cu");
    node.cv = NumberField(state, "cv");
    node.w = NumberField(state, "w");
    node.h = NumberField(state, "h");
    return true;
}

bool ReadTextureInfoNodes(lua_State* state, int index, std::vector<TextureInfoNode>& nodes)
{
    nodes.clear();
    if (state == nullptr || lua_type(state, index) != LUA_TTABLE) return false;
    const int table = index < 0 ? lua_gettop(state) + index + 1 : index;
    // The table's length (lua_objlen) is not trusted: a sparse table reports a
    // border far beyond its elements. The walk ends at the first missing element.
    for (int i = 1;; ++i) {
        lua_rawgeti(state, table, i);
        if (lua_isnil(state, -1)) {
            lua_pop(state, 1);
            break;
        }
        if (nodes.size() >= kMaxSpriteFrames) {
            lua_pop(state, 1);
            vrk::LogWrite(kNodesSender, "^5", "Sprite description has more than %d frames; the rest are dropped",
                          vrk::FormatArg::FromInt(static_cast<int32_t>(kMaxSpriteFrames)));
            break;
        }
        TextureInfoNode node;
        ReadTextureInfoNode(state, node);
        nodes.push_back(node);
        lua_pop(state, 1);
    }
    return true;
}

SpriteInfo LookUpSpriteInfoEx(const std::string& name)
{
    if (name.empty()) return SpriteInfo{};
    const TextureInfoExPtr& description = GetTextureInfoExMap()[name];
    SpriteInfo info;
    if (description != nullptr) info = description->GetSpriteInfo();
    if (!info.IsSprite()) {
        vrk::LogWrite(kLookUpSender, "^5", "SpriteEx with area %s not found", vrk::FormatArg::FromString(name));
        return SpriteInfo{};
    }
    return info;
}
