// The logger: sends every log entry to the developer console and to the HTML log file.
// The engine core creates it before anything else and destroys it last; while it lives,
// LogWrite reaches it through one global pointer.
#pragma once
#include <memory>
#include <string>

#include "engine/log/console_sink.h"
#include "engine/log/html_log.h"
#include "engine/text/format_arg.h"

namespace vrk {

class Logger {
public:
    // Becomes the global logger, then opens the HTML log. The console is attached
    // afterwards with SetConsole, since the console itself may log while it starts.
    Logger();
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    // Takes ownership; null detaches (and destroys) the current console.
    void SetConsole(std::unique_ptr<ConsoleSink> console);
    ConsoleSink* GetConsole() const { return console_.get(); }
    HtmlLog* GetHtmlLog() const { return htmlLog_.get(); }

    // One entry from sender; code's second character gives the severity
    // ('4' error, '5' warning, anything else plain text).
    void Write(const char* sender, const char* code, const char* format,
               const FormatArg& a1, const FormatArg& a2);
    // A plain line without sender, severity or colour.
    void WritePlain(const char* format, const FormatArg& a);

private:
    std::unique_ptr<ConsoleSink> console_;
    std::unique_ptr<HtmlLog> htmlLog_;
    std::string consoleText_;  // reused for the console's pre-formatted entry
};

// The logger that LogWrite uses; null before the engine core creates one and after it
// is destroyed.
Logger* GetLogger();

}  // namespace vrk
