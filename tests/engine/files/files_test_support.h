// Helpers of the file-system tests: path macros pointed at a temporary folder and
// restored afterwards, a ZIP archive written with minizip, and a log recorder.
#pragma once
#include <minizip/zip.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/log/logger.h"
#include "engine/text/text_format.h"
#include "tests/support/temp_folder.h"

namespace test {

// Sets the macros for one test and puts the old values back at the end.
class MacroScope {
public:
    explicit MacroScope(const std::map<std::string, std::string>& values)
    {
        for (const auto& [name, value] : values) {
            saved_[name] = vrk::GetPathMacro(name);
            vrk::SetPathMacro(name, value);
        }
    }
    ~MacroScope()
    {
        for (const auto& [name, value] : saved_) vrk::SetPathMacro(name, value);
    }

private:
    std::map<std::string, std::string> saved_;
};

// Writes an archive with the given entries (name -> bytes); true on success.
inline bool WriteZip(const std::string& archivePath, const std::map<std::string, std::string>& entries)
{
    zipFile zip = zipOpen(archivePath.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return false;
    bool ok = true;
    for (const auto& [name, bytes] : entries) {
        zip_fileinfo info{};
        ok = ok && zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                       Z_DEFLATED, Z_DEFAULT_COMPRESSION) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

// Rewrites the uncompressed size every entry of the archive claims, in its local
// and its central header alike (so the library sees a consistent lie); true when
// both were found.
inline bool ClaimUncompressedSize(const std::string& archivePath, uint32_t claimed)
{
    std::string bytes = TempFolder::Read(archivePath);
    const std::pair<std::string, size_t> headers[] = {{std::string("PK\x03\x04", 4), 22},
                                                      {std::string("PK\x01\x02", 4), 24}};
    for (const auto& [signature, sizeOffset] : headers) {
        const size_t at = bytes.find(signature);
        if (at == std::string::npos || at + sizeOffset + 4 > bytes.size()) return false;
        for (size_t i = 0; i < 4; ++i) bytes[at + sizeOffset + i] = static_cast<char>(claimed >> (8 * i));
    }
    std::FILE* out = std::fopen(archivePath.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

// A logger whose console keeps every entry as one formatted text. The HTML log
// goes to a temporary {AppPath}.
class LogRecorder {
public:
    LogRecorder() : macros_({{"{AppPath}", folder_.Str()}})
    {
        logger_ = std::make_unique<vrk::Logger>();
        logger_->SetConsole(std::make_unique<Sink>(lines_));
    }

    const std::vector<std::string>& Lines() const { return lines_; }
    bool Contains(const std::string& part) const
    {
        for (const std::string& line : lines_)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }

private:
    class Sink : public vrk::ConsoleSink {
    public:
        explicit Sink(std::vector<std::string>& lines) : lines_(lines) {}
        int32_t AddLine(const char* format, const vrk::FormatArg& a1, const vrk::FormatArg& a2) override
        {
            lines_.push_back(vrk::FormatToString(format, a1, a2));
            return static_cast<int32_t>(lines_.size());
        }

    private:
        std::vector<std::string>& lines_;
    };

    TempFolder folder_;
    MacroScope macros_;
    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_;
};

}  // namespace test
