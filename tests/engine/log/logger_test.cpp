// The logger's two outputs and the log calls with and without a logger.
#include "engine/log/logger.h"

#include <gtest/gtest.h>

#include "engine/log/log.h"
#include "tests/engine/log/log_test_support.h"

namespace {

using vrk::FormatArg;

TEST(LogWrite, WithoutLoggerIsDroppedQuietly)
{
    ASSERT_EQ(vrk::GetLogger(), nullptr);
    vrk::LogWrite("cGame", "^4", "nobody listens %d", FormatArg::FromInt(1));
    vrk::LogText("cGame", "nobody");
    vrk::LogPlain("nobody");
}

TEST(Logger, GlobalPointerLivesWithTheLogger)
{
    test::TempAppPath app;
    {
        vrk::Logger logger;
        EXPECT_EQ(vrk::GetLogger(), &logger);
    }
    EXPECT_EQ(vrk::GetLogger(), nullptr);
    vrk::LogWrite("cGame", "^6", "after the logger");
}

class LoggerTest : public testing::Test {
protected:
    LoggerTest()
    {
        auto console = std::make_unique<test::RecordingConsole>(&consoleLines_);
        console_ = console.get();
        logger_->SetConsole(std::move(console));
    }
    std::vector<std::string> FileLines()
    {
        logger_.reset();
        return app_.LogLines();
    }

    test::TempAppPath app_;
    std::unique_ptr<vrk::Logger> logger_ = std::make_unique<vrk::Logger>();
    std::vector<std::string> consoleLines_;
    test::RecordingConsole* console_ = nullptr;
};

TEST_F(LoggerTest, ConsoleGetsSenderAndCodeThenFilledMessage)
{
    vrk::LogWrite("cGame", "^5", "Widget with name '%s' not found.", FormatArg::FromText("ok"));
    ASSERT_EQ(consoleLines_.size(), 1u);
    EXPECT_EQ(console_->formats[0], "^7cGame^6: ^5Widget with name '%s' not found.\n");
    EXPECT_EQ(consoleLines_[0], "^7cGame^6: ^5Widget with name 'ok' not found.\n");
}

TEST_F(LoggerTest, NullPartsPrintEmpty)
{
    vrk::LogWrite(nullptr, nullptr, nullptr);
    ASSERT_EQ(consoleLines_.size(), 1u);
    EXPECT_EQ(consoleLines_[0], "^7^6: \n");
}

TEST_F(LoggerTest, SeverityChoosesLineClass)
{
    vrk::LogWrite("  DX8", "^4", "failed %d", FormatArg::FromInt(-1));
    vrk::LogWrite("cGUI", "^5", "odd %s", FormatArg::FromText("window"));
    vrk::LogText("cScript", "ran %d lines", FormatArg::FromInt(3));
    vrk::LogWrite("File", "^7", "plain");
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 17u + 4u + 2u);
    EXPECT_EQ(lines[17], "<span class='sender'>  DX8: </span><span class='error'>failed -1</span><br />");
    EXPECT_EQ(lines[18], "<span class='sender'>cGUI: </span><span class='warning'>odd window</span><br />");
    EXPECT_EQ(lines[19], "<span class='sender'>cScript: </span><span class='text'>ran 3 lines</span><br />");
    EXPECT_EQ(lines[20], "<span class='sender'>File: </span><span class='text'>plain</span><br />");
    EXPECT_EQ(lines[21], "</p></body>");
}

TEST_F(LoggerTest, PlainLineHasNoSenderAndClosesItsColour)
{
    vrk::LogPlain("System paths: %s\n", FormatArg::FromText("^4a  b"));
    vrk::LogPlain("tail");
    EXPECT_EQ(console_->formats[0], "System paths: %s\n");
    EXPECT_EQ(consoleLines_[0], "System paths: ^4a  b\n");
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 17u + 1u + 2u);
    EXPECT_EQ(lines[17], "System paths: <span style='color:red'>a&nbsp;&nbsp;b</span><br />");
    EXPECT_EQ(lines[18], "tail</p></body>");
}

TEST_F(LoggerTest, FormatTextFromDataIsNeverTrusted)
{
    vrk::LogWrite("cMiddle", "^6", "%s%s%s%n%n 100%");
    ASSERT_EQ(consoleLines_.size(), 1u);
    EXPECT_EQ(consoleLines_[0], "^7cMiddle^6: ^6 100%\n");
}

}  // namespace
