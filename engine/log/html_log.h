// The HTML log file "{AppPath}/_log.html": an XHTML page with one styled line per log
// entry. Every run starts a new file, and each line is flushed so that the file is
// complete up to the last entry even after a crash.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "engine/text/format_arg.h"

namespace vrk {

class HtmlLog {
public:
    // Creates "{AppPath}", opens the file and writes the page head. When the file cannot
    // be opened every later write is skipped.
    HtmlLog();
    ~HtmlLog();
    HtmlLog(const HtmlLog&) = delete;
    HtmlLog& operator=(const HtmlLog&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // One entry: the sender in bold, then the message in a span of className
    // ("error", "warning" or "text").
    void WriteLine(const char* className, const char* sender, const char* format,
                   const FormatArg& a1, const FormatArg& a2);
    // Formats, escapes and writes the text, then flushes.
    void WriteText(const char* format, const FormatArg& a1, const FormatArg& a2);
    // Writes text with HTML special characters escaped, runs of blanks kept visible and
    // "^digit" codes turned into colour spans.
    void WriteEscaped(const std::string& text);
    // Ends a colour span that a "^" code opened, if any.
    void CloseColorSpan();
    // Writes the page tail and closes the file.
    void Close();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void Write(const char* text);
    void Flush();

    std::unique_ptr<std::FILE, FileCloser> file_;
    bool spanOpen_ = false;
    std::string formatBuffer_;  // reused by every WriteText
};

}  // namespace vrk
