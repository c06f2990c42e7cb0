// The HTML log page, checked line by line.
#include "engine/log/html_log.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/engine/log/log_test_support.h"

namespace {

using vrk::FormatArg;

constexpr size_t kHeadLineCount = 17;

class HtmlLogTest : public testing::Test {
protected:
    // The lines after the head, the log closed first.
    std::vector<std::string> BodyLines()
    {
        log_.reset();
        std::vector<std::string> lines = app_.LogLines();
        if (lines.size() < kHeadLineCount)
            return {};
        return std::vector<std::string>(lines.begin() + kHeadLineCount, lines.end());
    }
    std::string Escaped(const std::string& text)
    {
        log_->WriteEscaped(text);
        log_->CloseColorSpan();
        // Without a line feed the text shares its line with the page tail.
        const std::vector<std::string> body = BodyLines();
        const std::string tail = "</p></body>";
        if (body.empty() || body.front().size() < tail.size())
            return std::string();
        return body.front().substr(0, body.front().size() - tail.size());
    }

    test::TempAppPath app_;
    std::unique_ptr<vrk::HtmlLog> log_ = std::make_unique<vrk::HtmlLog>();
};

TEST_F(HtmlLogTest, CreatesFolderAndWritesHead)
{
    ASSERT_TRUE(log_->IsOpen());
    log_.reset();
    const std::vector<std::string> lines = app_.LogLines();
    ASSERT_EQ(lines.size(), kHeadLineCount + 2);
    EXPECT_EQ(lines[0], "<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN' "
                        "'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'> ");
    EXPECT_EQ(lines[1], "<html xmlns='http://www.w3.org/1999/xhtml'> ");
    EXPECT_EQ(lines[3], "  <title>vrk15 log file</title> ");
    EXPECT_EQ(lines[9], "    .warning { color:saddlebrown } ");
    EXPECT_EQ(lines[16], "<body><p> ");
    EXPECT_EQ(lines[17], "</p></body>");
    EXPECT_EQ(lines[18], "</html>");

    struct stat info {};
    ASSERT_EQ(::stat(app_.LogFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IWOTH, 0u);
}

TEST_F(HtmlLogTest, WarningLineEscapesApostrophes)
{
    log_->WriteLine("warning", "cGame", "Widget with name '%s' not found.", FormatArg::FromText("ok_btn"),
                    FormatArg::Empty());
    const std::vector<std::string> body = BodyLines();
    ASSERT_GE(body.size(), 1u);
    EXPECT_EQ(body[0], "<span class='sender'>cGame: </span><span class='warning'>"
                       "Widget with name &#39;ok_btn&#39; not found.</span><br />");
}

struct EscapeCase {
    const char* name;
    const char* text;
    const char* written;
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class HtmlLogEscape : public HtmlLogTest, public testing::WithParamInterface<EscapeCase> {};

TEST_P(HtmlLogEscape, WritesMarkup)
{
    EXPECT_EQ(Escaped(GetParam().text), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Table, HtmlLogEscape, testing::Values(
    EscapeCase{"SingleBlankStays", "a b", "a b"},
    EscapeCase{"TwoBlanksAreTwoNbsp", "a  b", "a&nbsp;&nbsp;b"},
    EscapeCase{"LeadingBlankIsNbsp", " a", "&nbsp;a"},
    EscapeCase{"SpecialCharacters", "<\"&'>", "&lt;&quot;&amp;&#39;&gt;"},
    EscapeCase{"Utf8PassesThrough", "\xC3\xA4", "\xC3\xA4"},
    EscapeCase{"RedSpanClosedByNextCode", "^4red^6plain", "<span style='color:red'>red</span>plain"},
    EscapeCase{"CodeSwitchesSpan", "^1a^7b", "<span style='color:blue'>a</span><span style='color:white'>b</span>"},
    EscapeCase{"UnknownCodeOpensNothing", "^xa", "a"},
    EscapeCase{"CaretAtEndEndsWriting", "a^", "a"},
    EscapeCase{"OpenSpanClosedAtEnd", "^3a", "<span style='color:lightblue'>a</span>"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST_F(HtmlLogTest, LineFeedClosesColourSpanBeforeBreak)
{
    log_->WriteLine("error", "cRender", "^4first\nsecond", FormatArg::Empty(), FormatArg::Empty());
    const std::vector<std::string> body = BodyLines();
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body[0], "<span class='sender'>cRender: </span><span class='error'>"
                       "<span style='color:red'>first</span><br />");
    EXPECT_EQ(body[1], "second</span><br />");
}

TEST_F(HtmlLogTest, ColourSpanClosedBeforeLineEnds)
{
    log_->WriteLine("text", "cScript", "ok ^2green", FormatArg::Empty(), FormatArg::Empty());
    log_->WriteLine("text", "cScript", "next", FormatArg::Empty(), FormatArg::Empty());
    const std::vector<std::string> body = BodyLines();
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body[0], "<span class='sender'>cScript: </span><span class='text'>"
                       "ok <span style='color:green'>green</span></span><br />");
    EXPECT_EQ(body[1], "<span class='sender'>cScript: </span><span class='text'>next</span><br />");
}

TEST(HtmlLog, UnwritableFolderDisablesFileOutput)
{
    test::TempAppPath app;
    test::TempFolder blocker;
    // A plain file where the folder should be: creation and opening both fail.
    vrk::SetPathMacro("{AppPath}", blocker.Write("not_a_folder", "x"));
    vrk::HtmlLog log;
    EXPECT_FALSE(log.IsOpen());
    log.WriteLine("error", "cGame", "dropped", FormatArg::Empty(), FormatArg::Empty());
    log.WriteEscaped("dropped");
    log.Close();
}

TEST(HtmlLog, PlantedLinkOrPipeAtTheLogIsReportedAndNeverWritten)
{
    test::TempAppPath app;
    test::TempFolder outside;
    const std::string victim = outside.Write("victim.txt", "victim");
    std::filesystem::create_directories(std::filesystem::path(app.LogFile()).parent_path());
    ASSERT_EQ(::symlink(victim.c_str(), app.LogFile().c_str()), 0);

    testing::internal::CaptureStderr();
    {
        vrk::HtmlLog log;
        EXPECT_FALSE(log.IsOpen());
        log.WriteLine("error", "cGame", "dropped", FormatArg::Empty(), FormatArg::Empty());
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("is a link"), std::string::npos);
    EXPECT_EQ(test::TempFolder::Read(victim), "victim");
    EXPECT_TRUE(std::filesystem::is_symlink(app.LogFile()));

    // A pipe in its place would block an open that waits for a reader.
    ASSERT_EQ(::unlink(app.LogFile().c_str()), 0);
    ASSERT_EQ(::mkfifo(app.LogFile().c_str(), 0644), 0);
    vrk::HtmlLog log;
    EXPECT_FALSE(log.IsOpen());
}

TEST(HtmlLog, NoApplicationFolderWritesNothing)
{
    test::TempAppPath app;
    vrk::SetPathMacro("{AppPath}", "");
    vrk::HtmlLog log;
    EXPECT_FALSE(log.IsOpen());
}

}  // namespace
