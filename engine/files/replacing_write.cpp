// Whole-file writes through a temporary file and a rename.
#include "engine/files/replacing_write.h"

#include <unistd.h>

#include <cstdio>

#include "engine/files/file_handle.h"
#include "engine/files/path_split.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";
const char* const kTemporarySuffix = ".tmp";
constexpr int kWritten = 0;
constexpr int kNotWritten = 2;

bool WriteAndFlush(FileHandlePtr& handle, const void* data, size_t size)
{
    bool ok = size == 0 || FileWrite(handle.get(), data, 1, size) == size;
    ok = ok && std::fflush(handle->stream) == 0;
    ok = ok && ::fsync(::fileno(handle->stream)) == 0;
    // The close must run (and be checked) whatever happened before.
    const bool closed = FileClose(handle) == 0;
    return ok && closed;
}

}  // namespace

int WriteFileReplacing(const std::string& path, const void* data, size_t size)
{
    const PathRecord target(path);
    if (target.IsEmpty()) return kNotWritten;
    if (target.IsInArchive()) {
        LogWrite(kSender, kWarning, "File %s is inside a ZIP file and cannot be written",
                 FormatArg::FromString(target.path));
        return kNotWritten;
    }
    const PathRecord temporary(target.path + kTemporarySuffix);
    FileHandlePtr handle;
    if (FileOpen(handle, temporary, "wb") != kFileOpened) return kNotWritten;

    const std::string temporaryPath = ToSystemPath(temporary.path);
    if (!WriteAndFlush(handle, data, size) ||
        std::rename(temporaryPath.c_str(), ToSystemPath(target.path).c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(target.path));
        return kNotWritten;
    }
    return kWritten;
}

}  // namespace vrk
