// Shared pieces of the map, achievements, comics and menu screen tests: an
// application object that records what the screens ask of it instead of opening
// windows or writing files, with "{AppPath}" in a temporary folder, a logged-on
// player, the object types registered and small sprites for the screens' pictures.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/render/font.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/app/player.h"
#include "framework/widgets/level_file.h"
#include "framework/widgets/object_types.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/support/temp_folder.h"

namespace test {

class ScreenMiddle : public cMiddle {
public:
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::string& id) override
    {
        return std::make_unique<cPlayer>(GetPlayerList(), id);
    }
    int32_t GetLimit42() override { return kLevelFileVersion; }
    int32_t GetLimit43() override { return kLevelFileVersion; }
    uint32_t GetLevelCount() override { return levelCount; }
    bool ShowWindow(const std::string& windowName, intptr_t context) override
    {
        windows.emplace_back(windowName, context);
        return true;
    }
    void ShowComics(const std::string& target, const std::string& current) override
    {
        comics.emplace_back(target, current);
    }
    bool SaveMapFile() override { return SaveFile(); }
    bool SaveAchieveFile() override { return SaveFile(); }
    bool SaveMenuFile() override { return SaveFile(); }
    bool SaveComicsFile() override { return SaveFile(); }

    uint32_t levelCount = 5;
    std::vector<std::pair<std::string, intptr_t>> windows;
    std::vector<std::pair<std::string, std::string>> comics;
    // Screen file writes asked for, and whether they fail (as a full disk would).
    int savedFiles = 0;
    bool failWrites = false;

private:
    bool SaveFile()
    {
        ++savedFiles;
        return !failWrites;
    }
};

class ScreenTest : public ::testing::Test {
protected:
    static constexpr const char* kCaptionFont = "a_fontsystem9";

    ScreenTest()
    {
        RegisterFrameworkObjectTypes();
        for (const char* sprite : {"map_ready", "map_bronze", "map_silver", "map_gold", "map_selection",
                                   "map_shadow", "map_pt", "achieve_base", "achieve_question"}) {
            // 48 x 48 frames with the hot spot in the middle.
            RegisterTestSprite(sprite, 1, 0.0f, 48.0f, 48.0f, 24.0f, 24.0f);
        }
        // Captions are laid out only with a font.
        vrk::GetFontMap()[kCaptionFont] = std::make_shared<vrk::cFont>();
    }
    ~ScreenTest() override
    {
        vrk::GetFontMap().erase(kCaptionFont);
        for (const std::string& key : textKeys_) vrk::TextTable().erase(key);
    }

    // Makes the profile folders, the empty level streams and logs a new player on,
    // with the achievements defined so far.
    void StartGame()
    {
        ASSERT_EQ(middle_.Init(), 0);
        ASSERT_EQ(middle_.LogonPlayer(""), 0);
        ASSERT_NE(Player(), nullptr);
    }
    cPlayerBase* Player() { return middle_.GetPlayerList().GetActivePlayer(); }
    void SetText(const std::string& key, const std::string& text)
    {
        vrk::TextTable()[key] = text;
        textKeys_.push_back(key);
    }
    // A level stream built through the object factory, as the level tool builds them.
    static void WriteScene(vrk::cByteStream& stream, const std::string& name,
                           const std::vector<std::pair<int32_t, std::string>>& typesAndNames)
    {
        cLevelFile level;
        level.InitLevel(name);
        uint32_t id = 0;
        for (const auto& [type, objectName] : typesAndNames) {
            cObject* object = level.CreateObject(type, ++id);
            ASSERT_NE(object, nullptr) << type;
            object->SetName(objectName);
            object->SetSprite(objectName);
        }
        level.SetLastObjectId(id);
        level.Save(stream);
    }

private:
    TempFolder folder_;
    MacroScope macros_{{{"{AppPath}", (folder_.Path() / "app").string()}}};
    RegistryCleaner registries_;
    std::vector<std::string> textKeys_;

protected:
    // Declared last: gone before the macros and registries are put back.
    ScreenMiddle middle_;
};

}  // namespace test
