// Manifest running: Lua state, texture tables, output files.
#include "manifest.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "../common/manifest_lua.h"
#include "canvas.h"
#include "ground_file_reader.h"
#include "lua_table.h"
#include "prelude.h"
#include "recipe_painter.h"
#include "sprite_script.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLargestTexture = 4096;

bool IsPowerOfTwo(int value)
{
    return value > 0 && value <= kLargestTexture && (value & (value - 1)) == 0;
}

std::vector<SpriteDef> ReadSprites(lua_State* lua, const std::string& path, int& problems)
{
    std::vector<SpriteDef> sprites;
    if (!lua_table::PushTable(lua, "sprites")) return sprites;
    const size_t count = lua_objlen(lua, -1);
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        SpriteDef sprite;
        sprite.name = lua_table::Text(lua, "name");
        sprite.framesPerSecond = lua_table::Number(lua, "fps", 0);
        sprite.note = lua_table::Text(lua, "note");
        if (lua_table::PushTable(lua, "frames")) {
            const size_t frames = lua_objlen(lua, -1);
            for (size_t f = 1; f <= frames; ++f) {
                lua_rawgeti(lua, -1, static_cast<int>(f));
                if (lua_istable(lua, -1)) {
                    SpriteFrame frame;
                    frame.x = lua_table::Number(lua, "x", 0);
                    frame.y = lua_table::Number(lua, "y", 0);
                    frame.w = lua_table::Number(lua, "w", 0);
                    frame.h = lua_table::Number(lua, "h", 0);
                    frame.hotX = lua_table::Number(lua, "hx", frame.w * 0.5f);
                    frame.hotY = lua_table::Number(lua, "hy", frame.h * 0.5f);
                    sprite.frames.push_back(frame);
                }
                lua_pop(lua, 1);
            }
            lua_pop(lua, 1);
        }
        lua_pop(lua, 1);
        if (sprite.name.empty() || sprite.frames.empty()) {
            std::fprintf(stderr, "art_tool: warning: %s: sprite %zu has no name or no frames\n", path.c_str(), i);
            ++problems;
            continue;
        }
        sprites.push_back(std::move(sprite));
    }
    lua_pop(lua, 1);
    return sprites;
}

// Builds the texture table on top of the stack. False when it cannot be written.
bool BuildTexture(lua_State* lua, const fs::path& outputFolder, std::set<std::string>& textureNames,
                  std::set<std::string>& spriteNames, int& problems)
{
    const std::string path = lua_table::Text(lua, "path");
    const std::vector<float> size = lua_table::Numbers(lua, "size");
    if (path.empty() || size.size() != 2) {
        std::fprintf(stderr, "art_tool: texture without path or size {w, h}\n");
        return false;
    }
    const int width = static_cast<int>(size[0]);
    const int height = static_cast<int>(size[1]);
    if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height)) {
        std::fprintf(stderr, "art_tool: %s: size %d x %d is not a power of two up to %d\n", path.c_str(), width,
                     height, kLargestTexture);
        return false;
    }
    // The game registers textures by file name alone, so names must be unique
    // across every folder.
    const std::string name = fs::path(path).filename().string();
    if (!textureNames.insert(name).second) {
        std::fprintf(stderr, "art_tool: %s: a texture named \"%s\" exists already\n", path.c_str(), name.c_str());
        return false;
    }

    Canvas canvas(width, height);
    RecipePainter painter(canvas);
    if (lua_table::PushTable(lua, "draw")) {
        problems += painter.Paint(lua, path.c_str());
        lua_pop(lua, 1);
    }
    const std::vector<SpriteDef> sprites = ReadSprites(lua, path, problems);
    const std::string tail = lua_table::Text(lua, "script_tail");
    for (const SpriteDef& sprite : sprites) {
        if (!spriteNames.insert(sprite.name).second) {
            std::fprintf(stderr, "art_tool: warning: %s: sprite \"%s\" is described twice\n", path.c_str(),
                         sprite.name.c_str());
            ++problems;
        }
    }

    const fs::path picture = outputFolder / (path + ".png");
    std::error_code error;
    fs::create_directories(picture.parent_path(), error);
    if (!canvas.WritePng(picture.string())) {
        std::fprintf(stderr, "art_tool: cannot write %s\n", picture.string().c_str());
        return false;
    }
    const fs::path script = outputFolder / (path + ".lua");
    if (!sprites.empty() || !tail.empty()) {
        std::ofstream out(script, std::ios::binary | std::ios::trunc);
        out << SpriteScript(name, width, height, sprites, tail);
        if (!out) {
            std::fprintf(stderr, "art_tool: cannot write %s\n", script.string().c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

ManifestResult BuildManifest(const std::string& manifestFile, const std::string& outputFolder)
{
    ManifestResult result;
    const manifest_lua::LuaStatePtr owner = manifest_lua::RunManifest(manifestFile, kManifestPrelude, "art_tool",
                                                                      ground_file::RegisterGroundFileReader);
    if (!owner) return result;
    lua_State* lua = owner.get();
    result.ran = true;

    std::set<std::string> textureNames;
    std::set<std::string> spriteNames;
    lua_getglobal(lua, "textures");
    const size_t count = lua_istable(lua, -1) ? lua_objlen(lua, -1) : 0;
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        if (lua_istable(lua, -1) && BuildTexture(lua, outputFolder, textureNames, spriteNames, result.problems)) {
            ++result.texturesWritten;
        } else {
            ++result.problems;
        }
        lua_pop(lua, 1);
    }
    lua_pop(lua, 1);
    return result;
}
