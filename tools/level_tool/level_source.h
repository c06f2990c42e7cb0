// Level sources: a Lua script that describes a level with the calls
//   level { name = "menu", version = 100, last_id = 0 }
//   object { type = "cDecor", id = 0, layer = 5, name = "", sprite = "simple=tree",
//            tag = "", data = 0, x = 0, y = 0, angle = 0, scale_x = 1, scale_y = 1,
//            home_x = 0, home_y = 0 }
//   grid { width = 22, height = 16, cells = { 0, 0, -1, ... }, extra = { ... } }
// in the order the objects are to be written; loops and comments are plain Lua.
// Every object field but type may be left out (layer then is the class's own). The
// grid, at most one, is the path grid of a playable level: width * height stored
// terrain costs column by column (x outer, y inner from the bottom row), and as
// many extra words when given (else 0). A play level's library also hands over
//   terrain { name = ..., season = ..., origin = ..., u = ..., v = ..., rows = ..., paths = ... }
// once: the description of its ground that the art tool paints, which the tool
// checks and writes itself (terrain_description.h, tools/levels/level_terrain.lua).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "level_grid.h"
#include "terrain_description.h"

class cLevelFile;

struct SourceObject {
    int32_t type = 0;
    uint32_t id = 0;
    bool hasLayer = false;
    int32_t layer = 0;
    std::string name;
    std::string sprite;
    std::string tag;
    uint32_t data = 0;
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    bool hasHome = false;
    float homeX = 0.0f;
    float homeY = 0.0f;
};

struct LevelSource {
    std::string name;
    uint32_t version = 0;
    uint32_t lastId = 0;
    std::vector<SourceObject> objects;
    bool hasGrid = false;
    SourceGrid grid;
    bool hasTerrain = false;
    TerrainDescription terrain;
};

// Runs the script. False with a message when it fails or names an unknown class.
// The script gets the game's script libraries (no file or program access) and a
// `require` of plain module names that finds modules beside the script and then in
// each folder of libraryFolders (the shared level library lives in tools/levels/),
// nowhere else.
bool ReadLevelSource(const std::string& path, LevelSource& source, std::string& error,
                     const std::vector<std::string>& libraryFolders = {});
// Makes the objects in the level through the game's factory. The level's last id
// becomes the highest id in use (or the source's last_id when that is higher), so
// objects added later never take an id the level already holds. False with a
// message for a type the game cannot make.
bool BuildLevel(const LevelSource& source, cLevelFile& level, std::string& error);
