// The loading functions of the data scripts: each queues load items on the loading
// screen (or, for updateTextures, reloads pictures at once) and answers a code.
#include <lua.hpp>

#include <functional>
#include <memory>
#include <string>

#include "engine/files/file_system.h"
#include "engine/files/folder_iterator.h"
#include "engine/gui/engine_bindings_args.h"
#include "engine/render/texture.h"
#include "framework/widgets/game_bindings.h"
#include "framework/widgets/load_items.h"
#include "framework/widgets/texture_files.h"

namespace game_bindings {

namespace {

using vrk::bindings::StringArg;

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr const char* kSoundExtension = "ogg";
// Playbacks of every sample that loadSounds queues, and of loadSound without a count.
constexpr int32_t kDefaultPlaybacks = 1;

int PushCode(lua_State* state, int code)
{
    lua_pushnumber(state, code);
    return 1;
}

// Calls visit for every file (not folder) directly in the folder.
void ForEachFile(const std::string& folder, const std::function<void(const vrk::PathRecord&)>& visit)
{
    vrk::cFolderIterator iterator;
    for (vrk::PathRecord entry = iterator.First(vrk::PathRecord(folder)); !entry.IsEmpty();
         entry = iterator.Next()) {
        if (!vrk::IsFolder(entry.path)) visit(entry);
    }
}

// A file that exists, is no folder and is a sound file.
bool IsSoundFile(const std::string& file)
{
    return vrk::FileExists(file) && !vrk::IsFolder(file) && vrk::PathRecord(file).extension == kSoundExtension;
}

}  // namespace

int LoadTextures(lua_State* state)
{
    const std::string folder = StringArg(state, 1);
    if (!vrk::IsFolder(folder)) return PushCode(state, kFailure);
    bool later = false;
    vrk::bindings::BoolArg(state, 2, later);
    ForEachFile(folder, [later](const vrk::PathRecord& entry) {
        if (!IsTextureExtension(entry.extension)) return;
        auto item = std::make_unique<cLoadTexture>(entry.path);
        item->SetParam(later ? kTextureReadLater : kTextureReadNow);
        cLoadData::Queue(std::move(item));
    });
    return PushCode(state, kSuccess);
}

int UpdateTextures(lua_State* state)
{
    const std::string folder = StringArg(state, 1);
    if (!vrk::IsFolder(folder)) return PushCode(state, kFailure);
    ForEachFile(folder, [](const vrk::PathRecord& entry) {
        if (IsTextureExtension(entry.extension)) UpdateTextureWithScript(entry.name, entry);
    });
    return PushCode(state, kSuccess);
}

int ExcludeFromCompression(lua_State* state)
{
    vrk::GetTextureNameList().push_back(StringArg(state, 1));
    return PushCode(state, kSuccess);
}

int LoadSounds(lua_State* state)
{
    const std::string folder = StringArg(state, 1);
    if (!vrk::IsFolder(folder)) return PushCode(state, kFailure);
    ForEachFile(folder, [](const vrk::PathRecord& entry) {
        if (entry.extension != kSoundExtension) return;
        auto item = std::make_unique<cLoadSound>(entry.path);
        item->SetParam(kDefaultPlaybacks);
        cLoadData::Queue(std::move(item));
    });
    return PushCode(state, kSuccess);
}

int LoadSound(lua_State* state)
{
    const std::string file = StringArg(state, 1);
    if (vrk::IsFolder(file) || vrk::PathRecord(file).extension != kSoundExtension) return PushCode(state, kFailure);
    const int32_t count = lua_isnumber(state, 2) ? vrk::bindings::IntArg(state, 2) : kDefaultPlaybacks;
    auto item = std::make_unique<cLoadSound>(file);
    item->SetParam(count);
    cLoadData::Queue(std::move(item));
    return PushCode(state, kSuccess);
}

int LoadMusic(lua_State* state)
{
    const std::string file = StringArg(state, 1);
    if (IsSoundFile(file)) cLoadData::Queue(std::make_unique<cLoadMusic>(file));
    return PushCode(state, kSuccess);
}

int LoadStream(lua_State* state)
{
    const std::string file = StringArg(state, 1);
    if (IsSoundFile(file)) cLoadData::Queue(std::make_unique<cLoadStream>(file));
    return PushCode(state, kSuccess);
}

}  // namespace game_bindings
