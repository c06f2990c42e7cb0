// The game's Lua functions: registration, the splash sequence, sprite descriptions
// and the game's controls.
#include "framework/widgets/game_bindings.h"

#include <lua.hpp>

#include <string>
#include <vector>

#include "engine/gui/engine_bindings.h"
#include "engine/gui/engine_bindings_args.h"
#include "engine/render/texture.h"
#include "engine/script/script.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/animation_ctrl.h"
#include "framework/widgets/cup_ctrl.h"
#include "framework/widgets/editor_toolbar_ctrl.h"
#include "framework/widgets/face_ctrl.h"
#include "framework/widgets/splash_widget.h"

namespace game_bindings {

namespace {

using vrk::bindings::FloatArg;
using vrk::bindings::StringArg;

constexpr int kNodesArgument = 3;
constexpr int kFailureCode = 1;

const void* HandleArg(lua_State* state, int index)
{
    return lua_islightuserdata(state, index) ? lua_touserdata(state, index) : nullptr;
}

// The registered description at that address; only addresses are compared, so a
// handle to a replaced description is never read.
TextureInfoExPtr RegisteredDescriptionAt(const void* handle)
{
    if (handle == nullptr) return nullptr;
    for (const auto& entry : GetTextureInfoExMap())
        if (entry.second.get() == handle) return entry.second;
    return nullptr;
}

// A control in a live window, which owns it; nil for anything else.
template <typename T>
int CreateControl(lua_State* state)
{
    vrk::cWindow* window = vrk::bindings::WindowArg(state, 1);
    if (window == nullptr) return 0;
    vrk::cCtrl* control = new T(window, StringArg(state, 2));
    lua_pushlightuserdata(state, control);
    return 1;
}

}  // namespace

int SetSplashBackColor(lua_State* state)
{
    cSplashWidget* splash = cSplashWidget::FindLive(HandleArg(state, 1));
    if (splash) splash->SetBackColor(FloatArg(state, 2), FloatArg(state, 3), FloatArg(state, 4));
    return 0;
}

int AddSplashNode(lua_State* state)
{
    cSplashWidget* splash = cSplashWidget::FindLive(HandleArg(state, 1));
    if (!splash) return 0;
    lua_pushlightuserdata(state, splash->AddNode(FloatArg(state, 2)));
    return 1;
}

int AddSplashNodeImage(lua_State* state)
{
    SplashNode* node = cSplashWidget::FindLiveNode(HandleArg(state, 1));
    if (!node) return 0;
    // The registry's index: a name nobody loaded leaves an empty entry and no picture.
    vrk::TexturePtr texture = vrk::GetTextureMap()[StringArg(state, 2)];
    node->AddImage(std::move(texture), SplashNode::Rect{FloatArg(state, 3), FloatArg(state, 4),
                                                        FloatArg(state, 5), FloatArg(state, 6)});
    return 0;
}

int CreateTextureInfoExFunction(lua_State* state)
{
    lua_pushlightuserdata(state, CreateTextureInfoEx(StringArg(state, 1)));
    return 1;
}

int AddTextureInfoExNodesFunction(lua_State* state)
{
    TextureInfoExPtr description = RegisteredDescriptionAt(HandleArg(state, 1));
    if (!description) {
        lua_pushnumber(state, kFailureCode);
        return 1;
    }
    std::vector<TextureInfoNode> nodes;
    ReadTextureInfoNodes(state, kNodesArgument, nodes);
    lua_pushnumber(state, AddTextureInfoExNodes(description.get(), StringArg(state, 2), nodes, FloatArg(state, 4)));
    return 1;
}

int CreateEditorToolbarCtrl(lua_State* state) { return CreateControl<cEditorToolbarCtrl>(state); }
int CreateFaceCtrl(lua_State* state) { return CreateControl<cFaceCtrl>(state); }
int CreateCupCtrl(lua_State* state) { return CreateControl<cCupCtrl>(state); }
int CreateAnimationCtrl(lua_State* state) { return CreateControl<cAnimationCtrl>(state); }

}  // namespace game_bindings

void RegisterGameScriptFunctions()
{
    lua_State* state = vrk::GetLuaState();
    if (!state) return;
    vrk::RegisterEngineBindings();

    using vrk::bindings::Guarded;
    struct Entry {
        const char* name;
        lua_CFunction function;
    };
    static const Entry kFunctions[] = {
        {"setSplashBackColor", Guarded<game_bindings::SetSplashBackColor>},
        {"addSplashNode", Guarded<game_bindings::AddSplashNode>},
        {"addSplashNodeImage", Guarded<game_bindings::AddSplashNodeImage>},
        {"loadTextures", Guarded<game_bindings::LoadTextures>},
        {"updateTextures", Guarded<game_bindings::UpdateTextures>},
        {"excludeFromCompression", Guarded<game_bindings::ExcludeFromCompression>},
        {"loadSounds", Guarded<game_bindings::LoadSounds>},
        {"loadSound", Guarded<game_bindings::LoadSound>},
        {"loadMusic", Guarded<game_bindings::LoadMusic>},
        {"loadStream", Guarded<game_bindings::LoadStream>},
        {"createTextureInfoEx", Guarded<game_bindings::CreateTextureInfoExFunction>},
        {"addTextureInfoExNodes", Guarded<game_bindings::AddTextureInfoExNodesFunction>},
        {"createEditorToolbarCtrl", Guarded<game_bindings::CreateEditorToolbarCtrl>},
        {"createFaceCtrl", Guarded<game_bindings::CreateFaceCtrl>},
        {"createCupCtrl", Guarded<game_bindings::CreateCupCtrl>},
        {"createAnimationCtrl", Guarded<game_bindings::CreateAnimationCtrl>},
    };
    for (const Entry& entry : kFunctions) {
        lua_pushcfunction(state, entry.function);
        vrk::SetGlobalRaw(state, entry.name);
    }
}
