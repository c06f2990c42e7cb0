// The map, menu, achievements and comics screens keep a scene they read only in
// part out of their stream and their file, and their "_save" tells a failed write
// from a saved one: a message box for each failure, the click only for a save.
#include "framework/widgets/scene_save.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "framework/widgets/achieve_base_widget.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/map_base_widget.h"
#include "framework/widgets/menu_base_widget.h"
#include "framework/widgets/message_box_wf.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

// A type id no version of the game has used: a scene from a newer version.
constexpr uint32_t kUnknownType = 0x7777;

class RecordingMessageBox : public cMessageBoxWF {
public:
    int32_t SetTexts(const std::string& title, const std::string& text) override
    {
        texts.push_back(text);
        return cMessageBoxWF::SetTexts(title, text);
    }
    std::vector<std::string> texts;
};

struct ScreenCase {
    const char* file;
    std::function<std::unique_ptr<cBaseWidget>()> make;
    std::function<vrk::cByteStream*(LevelFileCache&)> stream;
};

// The four screens that store their scene with "_save", each with its file.
std::vector<ScreenCase> FourScreens()
{
    return {
        {"map.lvl", [] { return std::make_unique<cMapBaseWidget>(); },
         [](LevelFileCache& files) { return files.GetMapStream(); }},
        {"menu.lvl", [] { return std::make_unique<cMenuBaseWidget>(); },
         [](LevelFileCache& files) { return files.GetMenuStream(); }},
        {"achieve.lvl", [] { return std::make_unique<cAchieveBaseWidget>(); },
         [](LevelFileCache& files) { return files.GetAchieveStream(); }},
        {"comics.lvl", [] { return std::make_unique<cComicsBaseWidget>(); },
         [](LevelFileCache& files) { return files.GetComicsStream(); }},
    };
}

class SceneSaveTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        logger_ = std::make_unique<vrk::Logger>();
        logger_->SetConsole(std::make_unique<test::RecordingConsole>(&lines_));
        StartGame();
        middle_.messageBox = &messageBox_;
    }
    void TearDown() override
    {
        middle_.messageBox = nullptr;
        logger_.reset();
    }
    int Count(const std::string& text) const
    {
        return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
    int Clicks() const { return Count("sound buffer not found 'click'"); }

    // Three decorations, the second of a type this version does not know.
    static std::vector<unsigned char> NewerScene()
    {
        vrk::cByteStream one;
        WriteScene(one, "newer", {{kTypeDecor, "a"}});
        vrk::cByteStream three;
        WriteScene(three, "newer", {{kTypeDecor, "a"}, {kTypeDecor, "b"}, {kTypeDecor, "c"}});
        std::vector<unsigned char> bytes = three.Bytes();
        const size_t secondEntry = one.Bytes().size();
        for (size_t i = 0; i < 4; ++i) bytes[secondEntry + i] = static_cast<unsigned char>(kUnknownType >> (8 * i));
        return bytes;
    }

    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_;
    RecordingMessageBox messageBox_;
};

TEST_F(SceneSaveTest, EveryScreen_KeepsAScenePartlyReadAndClicksOnlyWhenTheFileIsWritten)
{
    const std::vector<ScreenCase> screens = FourScreens();
    const std::vector<unsigned char> newer = NewerScene();
    for (const ScreenCase& screen : screens) {
        SCOPED_TRACE(screen.file);
        vrk::cByteStream* stream = screen.stream(middle_.GetLevelFiles());
        *stream = vrk::cByteStream();
        for (const unsigned char byte : newer) stream->WriteByte(byte);
        std::unique_ptr<cBaseWidget> widget = screen.make();
        middle_.savedFiles = 0;
        messageBox_.texts.clear();

        // Read in part: "_save" neither stores nor writes, says so, and plays no click.
        widget->OnFocus();
        ObjectList decor;
        EXPECT_EQ(widget->FindObjectsOfKind(decor, kTypeDecor, -1), 1u) << "what was read is shown";
        int clicks = Clicks();
        widget->OnGuiEvent(0, "_save", 0);
        EXPECT_EQ(stream->Bytes(), newer);
        EXPECT_EQ(middle_.savedFiles, 0);
        EXPECT_EQ(Count(std::string(screen.file) + " loaded only in part"), 1);
        ASSERT_EQ(messageBox_.texts.size(), 1u);
        EXPECT_NE(messageBox_.texts.back().find("loaded only in part"), std::string::npos);
        EXPECT_EQ(Clicks(), clicks);
        // Nor does leaving the screen put the shortened scene into the stream.
        widget->OnUnfocus();
        EXPECT_EQ(stream->Bytes(), newer);

        // Read whole: a write that fails is reported, without the click.
        *stream = vrk::cByteStream();
        WriteScene(*stream, "whole", {{kTypeDecor, "a"}, {kTypeDecor, "b"}});
        widget->OnFocus();
        middle_.failWrites = true;
        widget->OnGuiEvent(0, "_save", 0);
        middle_.failWrites = false;
        EXPECT_EQ(middle_.savedFiles, 1);
        ASSERT_EQ(messageBox_.texts.size(), 2u);
        EXPECT_NE(messageBox_.texts.back().find("could not be written"), std::string::npos);
        EXPECT_EQ(Clicks(), clicks);

        // And a write that works clicks once, with no message box.
        widget->OnGuiEvent(0, "_save", 0);
        EXPECT_EQ(middle_.savedFiles, 2);
        EXPECT_EQ(messageBox_.texts.size(), 2u);
        EXPECT_EQ(Clicks(), clicks + 1);
        widget->OnUnfocus();
    }
}

TEST_F(SceneSaveTest, EveryScreen_KeepsItsFileCutInsideTheHeaderOutOfTheStream)
{
    const std::vector<ScreenCase> screens = FourScreens();
    for (const ScreenCase& screen : screens) {
        SCOPED_TRACE(screen.file);
        // The game's own file, cut one byte short of its object count.
        const std::string real =
            test::TempFolder::Read(std::string(KELVARA_SOURCE_DIR) + "/data/level/" + screen.file);
        ASSERT_GT(real.size(), 6u);
        const size_t nameLength = static_cast<unsigned char>(real[4]) | (static_cast<unsigned char>(real[5]) << 8);
        const size_t shortOfTheCount = 4 + 2 + nameLength + 7;
        const std::vector<unsigned char> cut(real.begin(), real.begin() + static_cast<std::ptrdiff_t>(shortOfTheCount));
        vrk::cByteStream* stream = screen.stream(middle_.GetLevelFiles());
        *stream = vrk::cByteStream();
        for (const unsigned char byte : cut) stream->WriteByte(byte);
        std::unique_ptr<cBaseWidget> widget = screen.make();
        middle_.savedFiles = 0;

        widget->OnFocus();
        widget->OnGuiEvent(0, "_save", 0);
        EXPECT_EQ(Count(std::string(screen.file) + " loaded only in part"), 1);
        widget->OnUnfocus();
        EXPECT_EQ(stream->Bytes(), cut);
        EXPECT_EQ(middle_.savedFiles, 0);
    }
    EXPECT_EQ(Count("ends inside its header"), 4);
}

}  // namespace
