// Paints a drawing recipe, the manifest's array of shape tables, onto a canvas.
// Each table names its shape in the field "op"; coordinates are pixels from the
// top-left corner of the picture (or of the enclosing group).
#pragma once
extern "C" {
#include <lua.h>
}

#include "canvas.h"

class RecipePainter {
public:
    explicit RecipePainter(Canvas& canvas) : canvas_(canvas) {}

    // Paints the recipe array on top of the Lua stack (left there). Returns the
    // number of tables it could not use; each gets a warning naming the context.
    int Paint(lua_State* lua, const char* context);

private:
    void PaintOne(lua_State* lua, const std::string& op, const char* context);
    void PaintGroup(lua_State* lua, const char* context);
    void PaintFrame(lua_State* lua);
    void PaintLabel(lua_State* lua);
    void PaintGradient(lua_State* lua);
    void PaintSpeckle(lua_State* lua);

    Canvas& canvas_;
    float offsetX_ = 0.0f;  // the enclosing groups' origin
    float offsetY_ = 0.0f;
    int unknown_ = 0;
};
