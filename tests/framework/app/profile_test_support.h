// Helpers shared by the profile and level-cache tests: "{AppPath}" and "{StaticPath}"
// pointed at a temporary folder (restored afterwards), a recording logger, a player
// list that makes game profiles, and small file helpers.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/app/player.h"
#include "framework/app/player_list.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace test {

class ProfileTest : public ::testing::Test {
protected:
    static constexpr uint32_t kAchievements = 30;
    static constexpr uint32_t kLevels = 40;

    ProfileTest()
    {
        std::filesystem::create_directories(AppFolder() / "profile");
        std::filesystem::create_directories(StaticFolder() / "level");
    }

    std::filesystem::path AppFolder() const { return folder_.Path() / "app"; }
    std::filesystem::path StaticFolder() const { return folder_.Path() / "static"; }
    std::filesystem::path ProfileFolder() const { return AppFolder() / "profile"; }
    std::filesystem::path InfoFile() const { return ProfileFolder() / "info.dat"; }
    std::filesystem::path PlayerFile(const std::string& id) const { return ProfileFolder() / id / "middle.dat"; }

    static std::string Bytes(const vrk::cByteStream& stream)
    {
        return std::string(stream.Bytes().begin(), stream.Bytes().end());
    }
    static void WriteFile(const std::filesystem::path& file, const std::string& bytes)
    {
        std::filesystem::create_directories(file.parent_path());
        std::FILE* out = std::fopen(file.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    static void WriteFile(const std::filesystem::path& file, const vrk::cByteStream& stream)
    {
        WriteFile(file, Bytes(stream));
    }
    static std::string ReadFile(const std::filesystem::path& file) { return TempFolder::Read(file); }

    LogRecorder log_;
    PlayerList::Counts counts_{kAchievements, 0, kLevels};

private:
    TempFolder folder_;
    MacroScope macros_{{{"{AppPath}", (folder_.Path() / "app").string()},
                        {"{StaticPath}", (folder_.Path() / "static").string()}}};

protected:
    // Declared last: destroyed first, while the macros still point here.
    PlayerList list_{[this](const std::string& id) { return std::make_unique<cPlayer>(list_, id); },
                     [this] { return counts_; }};
};

}  // namespace test
