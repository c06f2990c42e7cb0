// The logger object and its global pointer.
#include "engine/log/logger.h"

#include <utility>

#include "engine/text/text_format.h"

namespace vrk {
namespace {

Logger* g_logger = nullptr;

constexpr const char* kConsoleEntryFormat = "^7%s^6: %s%s\n";

const char* SeverityClass(const char* code)
{
    if (code && code[0] != '\0') {
        if (code[1] == '4') return "error";
        if (code[1] == '5') return "warning";
    }
    return "text";
}

}  // namespace

Logger* GetLogger()
{
    return g_logger;
}

Logger::Logger()
{
    // Set first, so that whatever the log file's creation reports is not lost.
    g_logger = this;
    htmlLog_ = std::make_unique<HtmlLog>();
}

Logger::~Logger()
{
    // Each part is detached before it is destroyed, so entries written meanwhile go only
    // to the parts that still exist.
    console_.reset();
    htmlLog_.reset();
    if (g_logger == this)
        g_logger = nullptr;
}

void Logger::SetConsole(std::unique_ptr<ConsoleSink> console)
{
    console_ = std::move(console);
}

void Logger::Write(const char* sender, const char* code, const char* format,
                   const FormatArg& a1, const FormatArg& a2)
{
    if (console_) {
        // The sender, code and format are placed as plain values first; the console's
        // own formatting then fills the message's placeholders with a1 and a2. The buffer
        // is taken out for the call so that a console that logs cannot overwrite it.
        std::string text = std::move(consoleText_);
        text.clear();
        FormatString(text, kConsoleEntryFormat, FormatArg::FromText(sender), FormatArg::FromText(code),
                     FormatArg::FromText(format));
        console_->AddLine(text.c_str(), a1, a2);
        consoleText_ = std::move(text);
    }
    if (htmlLog_)
        htmlLog_->WriteLine(SeverityClass(code), sender, format, a1, a2);
}

void Logger::WritePlain(const char* format, const FormatArg& a)
{
    if (console_)
        console_->AddLine(format, a, FormatArg::Empty());
    if (htmlLog_) {
        htmlLog_->WriteText(format, a, FormatArg::Empty());
        htmlLog_->CloseColorSpan();
    }
}

}  // namespace vrk
