// The game's Lua functions: the splash sequence, the loading queue, sprite
// descriptions and the game's own controls, added to the engine's set. Every handle
// a script hands back is checked against the live objects of its kind; a bad one
// makes the call do nothing.
#pragma once

struct lua_State;

// Registers the engine's functions first, then the sixteen game functions as Lua
// globals. Nothing happens without a Lua state.
void RegisterGameScriptFunctions();

namespace game_bindings {

// Splash sequence.
int SetSplashBackColor(lua_State* state);
int AddSplashNode(lua_State* state);
int AddSplashNodeImage(lua_State* state);
// Loading queue (game_bindings_load.cpp).
int LoadTextures(lua_State* state);
int UpdateTextures(lua_State* state);
int ExcludeFromCompression(lua_State* state);
int LoadSounds(lua_State* state);
int LoadSound(lua_State* state);
int LoadMusic(lua_State* state);
int LoadStream(lua_State* state);
// Sprite descriptions.
int CreateTextureInfoExFunction(lua_State* state);
int AddTextureInfoExNodesFunction(lua_State* state);
// The game's controls.
int CreateEditorToolbarCtrl(lua_State* state);
int CreateFaceCtrl(lua_State* state);
int CreateCupCtrl(lua_State* state);
int CreateAnimationCtrl(lua_State* state);

}  // namespace game_bindings
