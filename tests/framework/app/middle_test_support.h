// Shared pieces of the start-up tests: an engine core with "{StaticPath}" in a
// temporary folder the test fills with scripts and pictures, and an application
// object that counts its start-up steps instead of running the game's.
#pragma once
#include <gtest/gtest.h>

#include <lua.hpp>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/files/path_macros.h"
#include "engine/render/texture.h"
#include "engine/script/script.h"
#include "framework/app/middle.h"
#include "framework/app/player.h"
#include "framework/objects/texture_info_ex.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/support/temp_folder.h"

namespace test {

// cMiddle with the pure operations filled and the later start-up steps counted.
class CountingMiddle : public cMiddle {
public:
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) override
    {
        return std::make_unique<cPlayer>(GetPlayerList(), id);
    }
    int32_t GetLimit42() override { return 100; }
    int32_t GetLimit43() override { return 100; }
    void OnSplashEnd() override { ++splashEnds; }
    void FinishInit() override { ++finishes; }

    int splashEnds = 0;
    int finishes = 0;
};

// The plain application, start-up steps and all.
class PlainMiddle : public cMiddle {
public:
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) override
    {
        return std::make_unique<cPlayer>(GetPlayerList(), id);
    }
    int32_t GetLimit42() override { return 100; }
    int32_t GetLimit43() override { return 100; }
};

class StartupTest : public CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        savedStatic_ = vrk::GetPathMacro("{StaticPath}");
        vrk::SetPathMacro("{StaticPath}", Static());
    }
    void TearDown() override
    {
        CoreTest::TearDown();
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        vrk::GetTextureNameList().clear();
        vrk::SetPathMacro("{StaticPath}", savedStatic_);
    }

    std::string Static() const { return folder_.Str() + "/static"; }
    // Writes a file below "{StaticPath}" and returns its full path.
    std::string WriteStatic(const std::string& relative, const std::string& bytes) const
    {
        return folder_.Write("static/" + relative, bytes);
    }
    // A 4 x 4 RGB picture below "{StaticPath}".
    std::string WritePicture(const std::string& relative) const
    {
        const std::string file = WriteStatic(relative, "");
        PngPicture picture;
        picture.pixels.assign(4 * 4 * 3, 0x80);
        EXPECT_TRUE(WritePng(file, picture));
        return file;
    }
    void MakeFolder(const std::string& relative) const
    {
        std::filesystem::create_directories(folder_.Path() / "static" / relative);
    }

    static void RunLua(const std::string& text) { ASSERT_EQ(vrk::cScript::RunBuffer(text), 0) << text; }
    static double LuaNumber(const std::string& expression)
    {
        RunLua("__result = " + expression);
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, "__result");
        const double value = lua_tonumber(state, -1);
        lua_pop(state, 1);
        return value;
    }
    static bool LuaIsNil(const std::string& expression)
    {
        RunLua("__result = " + expression);
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, "__result");
        const bool isNil = lua_isnil(state, -1);
        lua_pop(state, 1);
        return isNil;
    }

private:
    TempFolder folder_;
    std::string savedStatic_;
};

}  // namespace test
