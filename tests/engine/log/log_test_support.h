// Shared pieces of the log tests: a temporary application folder and a recording console.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/log/console_sink.h"
#include "engine/text/text_format.h"
#include "tests/support/temp_folder.h"

namespace test {

// Points "{AppPath}" at a folder below a temporary one (not yet existing, so that the
// log has to create it) and restores the old value afterwards.
class TempAppPath {
public:
    TempAppPath() : oldValue_(vrk::GetPathMacro("{AppPath}"))
    {
        vrk::SetPathMacro("{AppPath}", folder_.Str() + "/app/Kelvara2");
    }
    ~TempAppPath() { vrk::SetPathMacro("{AppPath}", oldValue_); }

    std::string LogFile() const { return folder_.Str() + "/app/Kelvara2/_log.html"; }
    std::vector<std::string> LogLines() const
    {
        std::vector<std::string> lines;
        std::istringstream in(TempFolder::Read(LogFile()));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

private:
    TempFolder folder_;
    std::string oldValue_;
};

// Keeps every line the logger hands over, formatted as the console would.
class RecordingConsole : public vrk::ConsoleSink {
public:
    explicit RecordingConsole(std::vector<std::string>* lines) : lines_(lines) {}
    int32_t AddLine(const char* format, const vrk::FormatArg& a1, const vrk::FormatArg& a2) override
    {
        formats.push_back(format);
        lines_->push_back(vrk::FormatToString(format, a1, a2));
        return static_cast<int32_t>(lines_->size());
    }
    std::vector<std::string> formats;

private:
    std::vector<std::string>* lines_;
};

}  // namespace test
