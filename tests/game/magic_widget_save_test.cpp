// The level editor's "_save" when it cannot save: a level that loaded only in part
// is neither stored nor written, and level files that cannot be written are
// reported; either way the editor shows its message box and plays no click.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/log/logger.h"
#include "framework/app/player_base.h"
#include "framework/widgets/message_box_wf.h"
#include "objects/level_contract.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/editor_magic_widget.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr uint32_t kLevels = 40;
constexpr uint32_t kTab = 9;
// A type id no version of the game has used: a level from a newer version.
constexpr uint32_t kUnknownType = 0x7777;

class MagicWidgetSaveTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        logger_ = std::make_unique<vrk::Logger>();
        logger_->SetConsole(std::make_unique<test::RecordingConsole>(&lines_));
        middle_.levelCount = kLevels;
        middle_.messageBox = &messageBox_;
        StartGame();
        std::filesystem::create_directories(folder_.Path() / "level");
    }
    void TearDown() override
    {
        middle_.messageBox = nullptr;
        logger_.reset();
    }
    vrk::cByteStream* Stream(uint32_t index) { return middle_.GetLevelFiles().GetLevelStream(index); }
    void EditLevel(uint32_t index)
    {
        Player()->SetCurrentLevel(static_cast<int32_t>(index));
        ASSERT_TRUE(screen_.StartGame());
        screen_.SetMode(kModeEditor);
    }
    void Send(const std::string& name) { screen_.SendEditorCommand(0, name, 0); }
    int Count(const std::string& text) const
    {
        return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
    int Clicks() const { return Count("sound buffer not found 'click'"); }
    int MessageBoxes() const
    {
        return static_cast<int>(std::count_if(middle_.windows.begin(), middle_.windows.end(),
                                              [](const auto& window) { return window.first == "messagebox"; }));
    }
    size_t Objects(int32_t kind)
    {
        ObjectList found;
        return screen_.FindObjectsOfKind(found, kind, -1);
    }

    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_;
    cMessageBoxWF messageBox_;
    test::TempFolder folder_;
    test::MacroScope macros_{{{"{StaticPath}", folder_.Str()}}};
    test::EditorMagicWidget screen_;
};

TEST_F(MagicWidgetSaveTest, LevelLoadedOnlyInPart_IsNeitherStoredNorWritten)
{
    // Four decorations; the third entry's type is one this version does not know,
    // so the level stops after the second.
    vrk::cByteStream two;
    WriteScene(two, "newer", {{kTypeBack, "back"}, {kTypeDecor, "a"}});
    vrk::cByteStream four;
    WriteScene(four, "newer", {{kTypeBack, "back"}, {kTypeDecor, "a"}, {kTypeDecor, "b"}, {kTypeDecor, "c"}});
    std::vector<unsigned char> bytes = four.Bytes();
    const size_t thirdEntry = two.Bytes().size();
    ASSERT_LT(thirdEntry + 4, bytes.size());
    for (int i = 0; i < 4; ++i) bytes[thirdEntry + i] = static_cast<unsigned char>(kUnknownType >> (8 * i));
    vrk::cByteStream newer;
    for (const unsigned char byte : bytes) newer.WriteByte(byte);
    *Stream(3) = newer;

    EditLevel(3);
    EXPECT_FALSE(screen_.IsLevelLoadedWhole());
    EXPECT_EQ(Objects(kTypeDecor), 1u) << "what loaded is shown";
    const int clicks = Clicks();
    Send("_save");
    EXPECT_EQ(Stream(3)->Bytes(), bytes);
    EXPECT_EQ(Count("loaded only in part"), 1);
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_EQ(Clicks(), clicks);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "level" / "level003.lvl"));

    // Leaving the editor keeps the original bytes too.
    screen_.Key(kTab);
    EXPECT_EQ(Stream(3)->Bytes(), bytes);

    // A whole level is stored and saved as before.
    WriteScene(*Stream(4), "whole", {{kTypeBack, "back"}, {kTypeDecor, "a"}});
    EditLevel(4);
    EXPECT_TRUE(screen_.IsLevelLoadedWhole());
    const int before = Clicks();
    Send("_save");
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "level" / "level004.lvl"));
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_EQ(Clicks(), before + 1);
}

TEST_F(MagicWidgetSaveTest, LevelCutInsideItsHeader_IsNeitherStoredNorWritten)
{
    // A level of the game cut inside its header: in its version, inside its name,
    // and one byte short of its object count.
    const std::string real = test::TempFolder::Read(std::string(KELVARA_SOURCE_DIR) + "/data/level/level005.lvl");
    ASSERT_GT(real.size(), 6u);
    const size_t nameLength = static_cast<unsigned char>(real[4]) | (static_cast<unsigned char>(real[5]) << 8);
    const size_t headerBytes = 4 + 2 + nameLength + 4 + 4;
    ASSERT_LT(headerBytes, real.size());
    int partLogged = 0;
    for (const size_t cut : {size_t(3), size_t(4 + 2 + nameLength / 2), headerBytes - 1}) {
        SCOPED_TRACE("cut after " + std::to_string(cut) + " bytes");
        std::vector<unsigned char> bytes(real.begin(), real.begin() + static_cast<std::ptrdiff_t>(cut));
        *Stream(5) = vrk::cByteStream();
        for (const unsigned char byte : bytes) Stream(5)->WriteByte(byte);
        EditLevel(5);
        EXPECT_FALSE(screen_.IsLevelLoadedWhole());
        EXPECT_GT(Count("ends inside its header"), partLogged);
        partLogged = Count("ends inside its header");
        const int boxes = MessageBoxes();
        const int clicks = Clicks();
        Send("_save");
        EXPECT_EQ(Stream(5)->Bytes(), bytes);
        EXPECT_EQ(MessageBoxes(), boxes + 1);
        EXPECT_EQ(Clicks(), clicks);
        EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "level" / "level005.lvl"));
        screen_.Key(kTab);
        EXPECT_EQ(Stream(5)->Bytes(), bytes);
        partLogged = Count("ends inside its header");
    }

    // The whole level, and an empty stream (a level not made yet), load whole.
    *Stream(5) = vrk::cByteStream();
    for (const char byte : real) Stream(5)->WriteByte(static_cast<unsigned char>(byte));
    EditLevel(5);
    EXPECT_TRUE(screen_.IsLevelLoadedWhole());
    screen_.Key(kTab);
    *Stream(6) = vrk::cByteStream();
    EditLevel(6);
    EXPECT_TRUE(screen_.IsLevelLoadedWhole());
    EXPECT_EQ(Count("ends inside its header"), partLogged);
}

TEST_F(MagicWidgetSaveTest, FailedWrite_ShowsTheMessageBoxAndPlaysNoClick)
{
    WriteScene(*Stream(2), "L2", {{kTypeBack, "back"}});
    EditLevel(2);
    // No level folder to write into.
    std::filesystem::remove_all(folder_.Path() / "level");
    const int clicks = Clicks();
    Send("_save");
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_EQ(Clicks(), clicks);
    EXPECT_GE(Count("level002.lvl not saved"), 1);

    std::filesystem::create_directories(folder_.Path() / "level");
    Send("_save");
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_EQ(Clicks(), clicks + 1);
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "level" / "level002.lvl"));
}

}  // namespace
