// cTextureInfoEx: a sprite description (an area of a texture cut into frames, each
// with a window, a hot spot and a size, played at a rate), the global registry that
// keeps them by name for the whole run, the Lua readers of the description scripts,
// and the lookup that turns a name into a SpriteInfo record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/texture.h"
#include "framework/objects/sprite_info.h"

struct lua_State;

// One frame as a description script gives it; a missing or non-number field is 0.
struct TextureInfoNode {
    float dx = 0.0f;
    float dy = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
    float cu = 0.0f;
    float cv = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
};

class cTextureInfoEx {
public:
    explicit cTextureInfoEx(const std::string& infoName);
    ~cTextureInfoEx() = default;
    cTextureInfoEx(const cTextureInfoEx&) = delete;
    cTextureInfoEx& operator=(const cTextureInfoEx&) = delete;

    // Replaces the three tables with the nodes (window = u, v, cu, cv; hot spot =
    // dx, dy; size = w, h) and stores the rate. Answers the frame count. Records
    // taken before keep the tables they were given.
    int32_t SetNodes(const std::vector<TextureInfoNode>& nodes, float rate);

    uint32_t GetFrameCount() const;
    // The flat record of this description; without frames it has no texture either,
    // so a description with no frames counts as no sprite.
    SpriteInfo GetSpriteInfo() const;

    std::string name;
    vrk::TexturePtr texture;  // null until nodes are added
    float framesPerSecond = 0.0f;
    std::shared_ptr<const SpriteFrames> frames;  // never null
};

using TextureInfoExPtr = std::shared_ptr<cTextureInfoEx>;
using TextureInfoExMap = std::map<std::string, TextureInfoExPtr>;

// The sprite-description registry: empty at start, emptied by the application at
// exit. A lookup with operator[] leaves an empty entry; users treat it as absent.
TextureInfoExMap& GetTextureInfoExMap();

// Makes a new description and registers it under the name, releasing the previous
// one of that name. The pointer stays valid while the registry holds it.
cTextureInfoEx* CreateTextureInfoEx(const std::string& name);

// The registered description behind a pointer that a script handed back, or null
// when no registry entry holds it any more (replaced or emptied): scripts keep raw
// pointers between calls, so they are checked before use.
TextureInfoExPtr FindRegisteredTextureInfoEx(const cTextureInfoEx* description);

// Gives a registered description its texture (the texture registry's entry of that
// name; an unknown name leaves the texture null) and its nodes. 0 done; 1 for a null
// description or one the registry no longer holds.
int AddTextureInfoExNodes(cTextureInfoEx* description, const std::string& textureName,
                          const std::vector<TextureInfoNode>& nodes, float rate);

// Reads the eight fields of the table on top of the stack. False, with a node of
// zeros, when the value on top is not a table. The stack is left as it was.
bool ReadTextureInfoNode(lua_State* state, TextureInfoNode& node);
// The most frames one description may hold; the rest of a longer list is dropped
// with a warning (a hand-made or damaged description must not claim gigabytes).
constexpr size_t kMaxSpriteFrames = 16384;

// Reads the array at the stack index: one node per element from 1 up to the first
// missing one (at most kMaxSpriteFrames), a node of zeros for an element that is
// not a table. False (no nodes) when the value is not a table. The stack is left
// as it was.
bool ReadTextureInfoNodes(lua_State* state, int index, std::vector<TextureInfoNode>& nodes);

// The application's sprite lookup: an empty name gives an empty record silently;
// otherwise the registry's entry (left behind when absent) is copied, and a record
// without a drawable sprite logs "SpriteEx with area %s not found".
SpriteInfo LookUpSpriteInfoEx(const std::string& name);
