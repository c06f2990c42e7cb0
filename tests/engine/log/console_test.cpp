// The developer console: collecting lines, the command file, typing and editing,
// completion, history, scrolling, running Lua and drawing through the recording device.
#include "engine/log/console.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <cstring>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/log/log.h"
#include "engine/log/logger.h"
#include "engine/render/font.h"
#include "engine/script/script.h"
#include "port/window/virtual_keys.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using vrk::Console;
using vrk::FormatArg;
namespace vk = port::vk;

using Lines = std::vector<std::string>;

bool g_controlHeld = false;
bool ControlHeld() { return g_controlHeld; }

// Points "{StaticPath}" at a temporary folder for the test and restores it afterwards.
class TempStaticPath {
public:
    TempStaticPath() : oldValue_(vrk::GetPathMacro("{StaticPath}"))
    {
        vrk::SetPathMacro("{StaticPath}", folder_.Str());
    }
    ~TempStaticPath() { vrk::SetPathMacro("{StaticPath}", oldValue_); }
    void WriteCommands(const std::string& bytes) const { folder_.Write("conf/concom.txt", bytes); }

private:
    test::TempFolder folder_;
    std::string oldValue_;
};

// The console font registered with the fixed test metrics (line height 16, space 5).
vrk::cFont& RegisterConsoleFont()
{
    auto font = std::make_shared<vrk::cFont>();
    test::FillTestFont(*font);
    vrk::GetFontMap()[Console::kFontName] = font;
    return *font;
}

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override { g_controlHeld = false; }
    void TearDown() override { vrk::GetFontMap().clear(); }

    std::unique_ptr<Console> MakeConsole()
    {
        auto console = std::make_unique<Console>();
        console->SetControlKeyTest(ControlHeld);
        return console;
    }
    // Registers the font and slides the panel fully open (640 units at 1280 per second).
    std::unique_ptr<Console> MakeOpenConsole()
    {
        RegisterConsoleFont();
        auto console = MakeConsole();
        console->OnChar('`');
        console->Draw(0.5f);
        return console;
    }
    static void Type(Console& console, const std::string& text)
    {
        for (const char c : text) console.OnChar(static_cast<unsigned char>(c));
    }
    static void AddText(Console& console, const char* text)
    {
        console.AddLine("%s", FormatArg::FromText(text), FormatArg::Empty());
    }

    TempStaticPath static_;
};

// --- Collecting lines ---

struct SplitCase {
    const char* name;
    std::vector<const char*> pieces;
    Lines lines;
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
class ConsoleSplitTest : public ConsoleTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(ConsoleSplitTest, AddLine_SplitsAtLineEndsAndJoinsUnfinishedLines)
{
    auto console = MakeConsole();
    int32_t count = 0;
    for (const char* piece : GetParam().pieces) count = console->AddLine("%s", FormatArg::FromText(piece), FormatArg::Empty());
    EXPECT_EQ(console->Lines(), GetParam().lines);
    EXPECT_EQ(count, static_cast<int32_t>(GetParam().lines.size()));
    EXPECT_EQ(console->TotalLines(), count);
    EXPECT_EQ(console->ScrollPosition(), count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConsoleSplitTest,
    ::testing::Values(SplitCase{"TwoEndedLines", {"a\nb\n"}, {"a", "b"}},
                      SplitCase{"UnfinishedStaysLast", {"a\nb"}, {"a", "b"}},
                      SplitCase{"UnfinishedExtended", {"ab", "cd\nef"}, {"abcd", "ef"}},
                      SplitCase{"UnfinishedEndedLater", {"ab", "c", "\n", "d\n"}, {"abc", "d"}},
                      SplitCase{"CarriageReturnEndsALine", {"x\ry\n"}, {"x", "y"}},
                      SplitCase{"CrLfGivesAnEmptyLine", {"x\r\ny\n"}, {"x", "", "y"}},
                      SplitCase{"EmptyLinesKept", {"\n\n"}, {"", ""}},
                      SplitCase{"NothingAdded", {""}, {}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST_F(ConsoleTest, AddLine_FillsPlaceholdersOnceAndKeepsArgumentTextAsIs)
{
    auto console = MakeConsole();
    console->AddLine("%s=%d\n", FormatArg::FromText("%d%s%n"), FormatArg::FromInt(7));
    EXPECT_EQ(console->Lines(), (Lines{"%d%s%n=7"}));
    console->AddLine(nullptr, FormatArg::Empty(), FormatArg::Empty());
    EXPECT_EQ(console->TotalLines(), 1);
}

TEST_F(ConsoleTest, AddLine_TakesLogEntriesWithSenderAndColourCodes)
{
    test::TempAppPath app;
    vrk::Logger logger;
    auto owned = MakeConsole();
    Console* console = owned.get();
    logger.SetConsole(std::move(owned));
    vrk::LogWrite("cGame", "^5", "Widget with name '%s' not found.", FormatArg::FromText("menu"));
    vrk::LogPlain("partial ");
    vrk::LogPlain("line\n");
    EXPECT_EQ(console->Lines(), (Lines{"^7cGame^6: ^5Widget with name 'menu' not found.", "partial line"}));
}

TEST_F(ConsoleTest, AddLine_ResetsTheScrollPositionToTheNewestLine)
{
    auto console = MakeOpenConsole();
    for (int i = 0; i < 100; ++i) AddText(*console, "line\n");
    console->OnKey(vk::kPageUp);
    ASSERT_EQ(console->ScrollPosition(), 99);
    AddText(*console, "more\n");
    EXPECT_EQ(console->ScrollPosition(), 101);
}

// --- Command file ---

struct CommandFileCase {
    const char* name;
    std::string bytes;
    Lines commands;
};
void PrintTo(const CommandFileCase& c, std::ostream* os) { *os << c.name; }
class ConsoleCommandFileTest : public ConsoleTest, public ::testing::WithParamInterface<CommandFileCase> {};

TEST_P(ConsoleCommandFileTest, Constructor_ReadsCommandsFromStaticConf)
{
    static_.WriteCommands(GetParam().bytes);
    auto console = MakeConsole();
    EXPECT_EQ(console->Commands(), GetParam().commands);
    EXPECT_EQ(console->HistoryIndex(), static_cast<int32_t>(GetParam().commands.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConsoleCommandFileTest,
    ::testing::Values(
        CommandFileCase{"LineFeeds", "setLevel(1)\ngod()\n", {"setLevel(1)", "god()"}},
        CommandFileCase{"CrLfEndsDropped", "a()\r\nb()\r\n\r\n", {"a()", "b()"}},
        CommandFileCase{"Utf8SignatureSkipped", "\xEF\xBB\xBFone\ntwo", {"one", "two"}},
        CommandFileCase{"Utf16LittleEndian", std::string("\xFF\xFEx\0\n\0y\0", 8), {"x", "y"}},
        CommandFileCase{"EmptyFile", "", {}}),
    [](const ::testing::TestParamInfo<CommandFileCase>& info) { return std::string(info.param.name); });

TEST_F(ConsoleTest, Constructor_WithoutCommandFileHasNoCommands)
{
    auto console = MakeConsole();
    EXPECT_TRUE(console->Commands().empty());
    EXPECT_EQ(console->HistoryIndex(), 0);
    EXPECT_FALSE(console->IsOpen());
}

// --- Sliding ---

TEST_F(ConsoleTest, Backtick_OpensReversesAndClosesThePanel)
{
    RegisterConsoleFont();
    auto console = MakeConsole();
    EXPECT_TRUE(console->OnChar('`'));
    EXPECT_FLOAT_EQ(console->SlideSpeed(), 1280.0f);
    console->Draw(0.25f);
    EXPECT_FLOAT_EQ(console->OpenHeight(), 320.0f);
    EXPECT_EQ(console->VisibleLines(), 20);
    console->OnChar('`');  // halfway: the slide turns back
    EXPECT_FLOAT_EQ(console->SlideSpeed(), -1280.0f);
    console->Draw(1.0f);
    EXPECT_FLOAT_EQ(console->OpenHeight(), 0.0f);
    EXPECT_FLOAT_EQ(console->SlideSpeed(), 0.0f);

    console->OnChar('`');
    console->Draw(2.0f);
    EXPECT_FLOAT_EQ(console->OpenHeight(), 640.0f);
    EXPECT_FLOAT_EQ(console->SlideSpeed(), 0.0f);
    EXPECT_EQ(console->VisibleLines(), 40);
    console->OnChar('`');
    EXPECT_FLOAT_EQ(console->SlideSpeed(), -1280.0f);
}

TEST_F(ConsoleTest, Draw_WithoutFontNeitherSlidesNorOpens)
{
    auto console = MakeConsole();
    console->OnChar('`');
    console->Draw(1.0f);
    EXPECT_FALSE(console->IsOpen());
}

TEST_F(ConsoleTest, Closed_KeysAndCharactersOtherThanBacktickAreNotConsumed)
{
    RegisterConsoleFont();
    auto console = MakeConsole();
    EXPECT_FALSE(console->OnChar('a'));
    EXPECT_FALSE(console->OnKey(vk::kReturn));
    EXPECT_TRUE(console->Input().empty());
}

// --- Typing and editing ---

TEST_F(ConsoleTest, OnChar_TypesOnlyCharactersTheFontHas)
{
    vrk::cFont& font = RegisterConsoleFont();
    font.AddGlyph("\xC3\xA9", 0, 0, 0, 0, 1.0f, 10.0f, 8.0f);  // e acute
    auto console = MakeConsole();
    console->OnChar('`');
    console->Draw(0.5f);
    EXPECT_TRUE(console->OnChar('a'));
    EXPECT_TRUE(console->OnChar(0xE9));
    EXPECT_TRUE(console->OnChar(0x416));    // no glyph
    EXPECT_TRUE(console->OnChar(0xD800));   // lone surrogate
    EXPECT_TRUE(console->OnChar(0x1F600));  // beyond 16 bits
    EXPECT_TRUE(console->OnChar('\t'));
    EXPECT_EQ(console->Input(), "a\xC3\xA9");
    EXPECT_EQ(console->Cursor(), 2);
}

TEST_F(ConsoleTest, EditingKeys_MoveAndDeleteByCodePoint)
{
    vrk::cFont& font = RegisterConsoleFont();
    font.AddGlyph("\xC3\xA9", 0, 0, 0, 0, 1.0f, 10.0f, 8.0f);
    auto console = MakeConsole();
    console->OnChar('`');
    console->Draw(0.5f);
    Type(*console, "ab");
    console->OnChar(0xE9);
    Type(*console, "c");  // "abéc", cursor 4
    EXPECT_TRUE(console->OnKey(vk::kLeft));
    console->OnKey(vk::kBack);  // removes é
    EXPECT_EQ(console->Input(), "abc");
    EXPECT_EQ(console->Cursor(), 2);
    console->OnKey(vk::kHome);
    Type(*console, "x");
    EXPECT_EQ(console->Input(), "xabc");
    console->OnKey(vk::kDelete);
    EXPECT_EQ(console->Input(), "xbc");
    console->OnKey(vk::kEnd);
    EXPECT_EQ(console->Cursor(), 3);
    console->OnKey(vk::kDelete);  // at the end: nothing
    console->OnKey(vk::kRight);   // at the end: stays
    EXPECT_EQ(console->Cursor(), 3);
    console->OnKey(vk::kHome);
    console->OnKey(vk::kBack);  // at the start: nothing
    console->OnKey(vk::kLeft);
    EXPECT_EQ(console->Input(), "xbc");
    EXPECT_EQ(console->Cursor(), 0);
    EXPECT_TRUE(console->OnKey(vk::kF1));  // any key is consumed while open
}

TEST_F(ConsoleTest, EditingKeys_SurviveInvalidUtf8FromTheCommandFile)
{
    static_.WriteCommands("go\xFF\xC3(\x80)\n");
    auto console = MakeOpenConsole();
    console->OnKey(vk::kTab);
    ASSERT_EQ(console->Input(), "go\xFF\xC3(\x80)");
    EXPECT_EQ(console->Cursor(), 7);  // every bad byte counts as one code point
    console->OnKey(vk::kBack);
    console->OnKey(vk::kLeft);
    console->OnKey(vk::kLeft);
    console->OnKey(vk::kBack);
    console->OnKey(vk::kDelete);
    EXPECT_EQ(console->Input(), "go\xFF\x80");
    EXPECT_EQ(console->Cursor(), 3);
    console->OnKey(vk::kEnd);
    EXPECT_EQ(console->Cursor(), 4);
}

// --- Completion and history ---

TEST_F(ConsoleTest, Tab_TakesTheLatestCommandBeginningWithTheInput)
{
    static_.WriteCommands("setLevel(1)\ngod()\nsetLevel(2)\nshowFps()\n");
    auto console = MakeOpenConsole();
    Type(*console, "set");
    console->OnKey(vk::kTab);
    EXPECT_EQ(console->Input(), "setLevel(2)");
    EXPECT_EQ(console->Cursor(), 11);

    console->OnKey(vk::kEnd);
    Type(*console, "x");
    console->OnKey(vk::kTab);  // nothing begins with it: unchanged
    EXPECT_EQ(console->Input(), "setLevel(2)x");

    console->OnKey(vk::kHome);
    for (int i = 0; i < 12; ++i) console->OnKey(vk::kDelete);
    console->OnKey(vk::kTab);  // an empty input takes the last command
    EXPECT_EQ(console->Input(), "showFps()");
}

TEST_F(ConsoleTest, History_WalksUpAndDownThroughTheCommands)
{
    static_.WriteCommands("first\nsecond\n");
    auto console = MakeOpenConsole();
    console->OnKey(vk::kDown);  // already past the last
    EXPECT_EQ(console->HistoryIndex(), 2);
    EXPECT_EQ(console->Input(), "");
    console->OnKey(vk::kUp);
    EXPECT_EQ(console->Input(), "second");
    EXPECT_EQ(console->Cursor(), 6);
    console->OnKey(vk::kUp);
    console->OnKey(vk::kUp);  // stays at the first
    EXPECT_EQ(console->Input(), "first");
    EXPECT_EQ(console->HistoryIndex(), 0);
    console->OnKey(vk::kDown);
    EXPECT_EQ(console->Input(), "second");
    console->OnKey(vk::kDown);
    EXPECT_EQ(console->Input(), "");
    EXPECT_EQ(console->Cursor(), 0);
}

TEST_F(ConsoleTest, History_UpWithoutCommandsKeepsTheInput)
{
    auto console = MakeOpenConsole();
    Type(*console, "abc");
    console->OnKey(vk::kHome);
    console->OnKey(vk::kUp);
    EXPECT_EQ(console->Input(), "abc");
    EXPECT_EQ(console->Cursor(), 3);
}

// --- Running commands ---

class ConsoleScriptTest : public ConsoleTest {
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        ASSERT_EQ(vrk::CreateScript(), 1);
        auto owned = MakeOpenConsole();
        console_ = owned.get();
        logger_.SetConsole(std::move(owned));
    }
    void TearDown() override
    {
        vrk::DestroyScript();
        ConsoleTest::TearDown();
    }
    static double Global(const char* name)
    {
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, name);
        const double value = lua_tonumber(state, -1);
        lua_pop(state, 1);
        return value;
    }
    bool Logged(const std::string& piece) const
    {
        for (const std::string& line : console_->Lines()) {
            if (line.find(piece) != std::string::npos) return true;
        }
        return false;
    }
    void Enter(const std::string& text)
    {
        Type(*console_, text);
        console_->OnKey(vk::kReturn);
    }

    test::TempAppPath app_;
    vrk::Logger logger_;
    Console* console_ = nullptr;
};

TEST_F(ConsoleScriptTest, Execute_ReportsWhetherTheLuaRan)
{
    EXPECT_TRUE(console_->Execute("answer = 42"));
    EXPECT_EQ(Global("answer"), 42.0);
    EXPECT_FALSE(console_->Execute("answer = = 1"));
    EXPECT_FALSE(console_->Execute("error('boom')"));
    EXPECT_TRUE(Logged("boom"));
    EXPECT_EQ(Global("answer"), 42.0);
}

TEST_F(ConsoleScriptTest, Return_RunsTheInputAndPrintReachesTheConsole)
{
    Enter("print('hello ' .. 6 * 7)");
    EXPECT_TRUE(Logged("hello 42"));
    EXPECT_EQ(console_->Input(), "");
    EXPECT_EQ(console_->Cursor(), 0);
}

TEST_F(ConsoleScriptTest, Return_StoresACommandOnceWhenRepeatedAndKeepsFailedOnes)
{
    Enter("x = 1");
    Enter("x = 1");
    Enter("broken(");
    Enter("x = 1");
    Enter("");
    EXPECT_EQ(console_->Commands(), (Lines{"x = 1", "broken(", "x = 1"}));
    EXPECT_EQ(console_->HistoryIndex(), 3);
    EXPECT_TRUE(Logged("Invalid buffer: broken("));
}

// --- Scrolling ---

struct ScrollCase {
    const char* name;
    int lines;
    bool control;
    std::vector<int> keys;
    int32_t scroll;
};
void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.name; }
class ConsoleScrollTest : public ConsoleTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ConsoleScrollTest, PageKeys_MoveTheScrollPositionWithinItsBounds)
{
    auto console = MakeOpenConsole();  // 40 visible lines
    for (int i = 0; i < GetParam().lines; ++i) AddText(*console, "line\n");
    g_controlHeld = GetParam().control;
    for (const int key : GetParam().keys) console->OnKey(key);
    EXPECT_EQ(console->ScrollPosition(), GetParam().scroll);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ConsoleScrollTest,
    ::testing::Values(
        ScrollCase{"UpOneLine", 100, false, {vk::kPageUp, vk::kPageUp}, 98},
        ScrollCase{"UpStopsWhenTheOldestLineShows", 41, false, {vk::kPageUp, vk::kPageUp, vk::kPageUp}, 39},
        ScrollCase{"UpWithFewLinesStaysAtTotal", 5, false, {vk::kPageUp}, 5},
        ScrollCase{"UpWithoutLinesStaysAtZero", 0, false, {vk::kPageUp}, 0},
        ScrollCase{"DownStopsAtTotal", 100, false, {vk::kPageUp, vk::kPageDown, vk::kPageDown}, 100},
        ScrollCase{"ControlUpJumpsToTheOldest", 100, true, {vk::kPageUp}, 39},
        ScrollCase{"ControlUpWithFewLines", 5, true, {vk::kPageUp}, 5},
        ScrollCase{"ControlDownJumpsToTheNewest", 100, true, {vk::kPageUp, vk::kPageDown}, 100}),
    [](const ::testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

// --- Drawing through the recording device ---

class ConsoleDrawTest : public test::NullRenderTest {
protected:
    // The vertices of every recorded draw, in order.
    std::vector<vrk::BatchVertex> DrawnVertices()
    {
        std::vector<vrk::BatchVertex> vertices;
        for (const port::NullDraw& draw : Recorder().draws) {
            const size_t count = draw.vertices.size() / sizeof(vrk::BatchVertex);
            const size_t first = vertices.size();
            vertices.resize(first + count);
            std::memcpy(vertices.data() + first, draw.vertices.data(), count * sizeof(vrk::BatchVertex));
        }
        return vertices;
    }
    static std::unique_ptr<Console> OpenConsole()
    {
        auto console = std::make_unique<Console>();
        console->OnChar('`');
        console->Draw(0.5f);
        return console;
    }

    TempStaticPath static_;
};

TEST_F(ConsoleDrawTest, Draw_WithoutFontDrawsNothing)
{
    Console console;
    console.AddLine("text\n", FormatArg::Empty(), FormatArg::Empty());
    console.OnChar('`');
    console.Draw(0.5f);
    console.Draw(0.5f);
    EXPECT_EQ(Recorder().Count("DrawPrimitiveUP"), 0u);
    EXPECT_FALSE(console.IsOpen());
}

TEST_F(ConsoleDrawTest, Draw_ClosedPanelDrawsNothing)
{
    RegisterConsoleFont();
    Console console;
    console.Draw(0.5f);
    EXPECT_TRUE(Recorder().calls.empty());
}

TEST_F(ConsoleDrawTest, Draw_OpenPanelDrawsBackgroundEdgeInputAndLines)
{
    RegisterConsoleFont();
    auto console = OpenConsole();  // panel from y 128 to 768
    Recorder().Clear();
    for (int i = 0; i < 3; ++i) console->AddLine("^7cGame^6: %d\n", FormatArg::FromInt(i), FormatArg::Empty());
    console->OnChar('a');
    console->Draw(0.016f);

    const std::vector<vrk::BatchVertex> vertices = DrawnVertices();
    ASSERT_GE(vertices.size(), 18u);
    EXPECT_FLOAT_EQ(vertices[0].y, 128.0f);  // background
    EXPECT_EQ(vertices[0].color, 0xDC000000u);
    EXPECT_FLOAT_EQ(vertices[5].y, 768.0f + 128.0f);
    EXPECT_FLOAT_EQ(vertices[6].y, 127.0f);  // lower edge
    EXPECT_EQ(vertices[6].color, 0xFFFFFF00u);
    EXPECT_FLOAT_EQ(vertices[12].x, 1022.0f);  // scroll bar at the newest line
    EXPECT_FLOAT_EQ(vertices[12].y, 128.0f);
    // ">a", the cursor after one typed cell, and each line's eight glyphs ("cGame: 0", markup skipped).
    const size_t glyphQuads = 2 + 1 + 3 * 8;
    EXPECT_EQ(vertices.size(), 18u + glyphQuads * 6u);
    const vrk::BatchVertex& cursor = vertices[18 + 2 * 6];
    EXPECT_FLOAT_EQ(cursor.x, 10.0f);
    EXPECT_FLOAT_EQ(cursor.y, 128.0f);
    // The newest line sits just above the input line.
    const vrk::BatchVertex& newest = vertices[18 + 3 * 6];
    EXPECT_FLOAT_EQ(newest.y, 144.0f);
    EXPECT_EQ(newest.color, 0xFFFFFFFFu);  // "^7"
}

TEST_F(ConsoleDrawTest, Draw_PutsTheRenderStateBack)
{
    RegisterConsoleFont();
    auto console = OpenConsole();
    render_->SetOrtho2D(false, 800.0f, 600.0f);
    const vrk::Matrix4 projection = render_->projection;
    console->AddLine("line\n", FormatArg::Empty(), FormatArg::Empty());
    console->Draw(0.016f);
    EXPECT_GT(Recorder().Count("DrawPrimitiveUP"), 0u);
    EXPECT_FALSE(render_->blendEnabled);
    EXPECT_FALSE(render_->alphaTestEnabled);
    EXPECT_EQ(render_->viewportRect.width, 0);
    for (int row = 0; row < vrk::Matrix4::kSize; ++row) {
        for (int column = 0; column < vrk::Matrix4::kSize; ++column)
            EXPECT_FLOAT_EQ(render_->projection.At(row, column), projection.At(row, column));
    }
}

TEST_F(ConsoleDrawTest, Draw_LinesLongerThanTheBatchAreDrawnInSeveralFlushes)
{
    RegisterConsoleFont();
    auto console = OpenConsole();
    const std::string longLine(20000, 'x');
    for (int i = 0; i < 3; ++i) console->AddLine("%s\n", FormatArg::FromString(longLine), FormatArg::Empty());
    Recorder().Clear();
    console->Draw(0.016f);
    EXPECT_GT(Recorder().Count("DrawPrimitiveUP"), 1u);
    for (const port::NullDraw& draw : Recorder().draws) EXPECT_LT(draw.vertices.size() / 24, 65536u);
}

TEST_F(ConsoleDrawTest, Draw_FindsAFontRegisteredLater)
{
    Console console;
    console.OnChar('`');
    console.Draw(0.25f);
    EXPECT_FALSE(console.IsOpen());
    RegisterConsoleFont();
    console.Draw(0.25f);
    EXPECT_FLOAT_EQ(console.OpenHeight(), 320.0f);
    EXPECT_GT(Recorder().Count("DrawPrimitiveUP"), 0u);
}

}  // namespace
