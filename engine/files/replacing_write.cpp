// Whole-file writes through a temporary file and a rename, at once or in two steps.
#include "engine/files/replacing_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/files/file_system.h"
#include "engine/files/path_split.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";
// mkstemp replaces the six X with a name no other file in the folder has.
const char* const kTemporarySuffix = ".tmp.XXXXXX";
constexpr int kWritten = 0;
constexpr int kNotWritten = 2;

bool WriteAll(int descriptor, const void* data, size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t done = ::write(descriptor, bytes, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

bool WriteFlushAndClose(int descriptor, const void* data, size_t size)
{
    // mkstemp creates the file for its owner alone; saves get the game's file mode.
    bool ok = ::fchmod(descriptor, kFileMode) == 0;
    ok = ok && WriteAll(descriptor, data, size);
    ok = ok && ::fsync(descriptor) == 0;
    // The close must run (and be checked) whatever happened before.
    const bool closed = ::close(descriptor) == 0;
    return ok && closed;
}

// A link where the file goes would make the save land wherever it points (or, once
// renamed over, hide that it ever pointed anywhere): such a destination is refused.
bool IsLink(const std::string& systemPath)
{
    struct stat info {};
    return ::lstat(systemPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// A folder where the file goes would only refuse the rename, after every other
// file of a pending group was written: it is refused before anything is written.
bool IsFolderPath(const std::string& systemPath)
{
    struct stat info {};
    return ::lstat(systemPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int WriteFileReplacing(const std::string& path, const void* data, size_t size)
{
    cPendingWrite write;
    const int prepared = write.Prepare(path, data, size);
    return prepared == kWritten ? write.Commit() : prepared;
}

cPendingWrite::~cPendingWrite() { Discard(); }

cPendingWrite::cPendingWrite(cPendingWrite&& other) noexcept
    : gamePath_(std::move(other.gamePath_)),
      targetPath_(std::move(other.targetPath_)),
      temporaryPath_(std::move(other.temporaryPath_))
{
    other.temporaryPath_.clear();
}

cPendingWrite& cPendingWrite::operator=(cPendingWrite&& other) noexcept
{
    if (this != &other) {
        Discard();
        gamePath_ = std::move(other.gamePath_);
        targetPath_ = std::move(other.targetPath_);
        temporaryPath_ = std::move(other.temporaryPath_);
        other.temporaryPath_.clear();
    }
    return *this;
}

int cPendingWrite::Prepare(const std::string& path, const void* data, size_t size)
{
    Discard();
    const PathRecord target(path);
    if (target.IsEmpty()) return kNotWritten;
    gamePath_ = target.path;
    if (target.IsInArchive()) {
        LogWrite(kSender, kWarning, "File %s is inside a ZIP file and cannot be written",
                 FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    targetPath_ = ToSystemPath(target.path);
    if (IsLink(targetPath_)) {
        LogWrite(kSender, kWarning, "File %s is a link and is not written through", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    if (IsFolderPath(targetPath_)) {
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }

    // A fixed temporary name could be a planted link; an exclusively created one,
    // unique in the target's own folder, cannot, and the rename stays in one folder.
    const std::string pattern = targetPath_ + kTemporarySuffix;
    std::vector<char> temporaryPath(pattern.begin(), pattern.end());
    temporaryPath.push_back('\0');
    const int descriptor = ::mkostemp(temporaryPath.data(), O_CLOEXEC);
    if (descriptor < 0) {
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    if (!WriteFlushAndClose(descriptor, data, size)) {
        ::unlink(temporaryPath.data());
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    temporaryPath_ = temporaryPath.data();
    return kWritten;
}

int cPendingWrite::Commit()
{
    if (temporaryPath_.empty()) return kNotWritten;
    if (std::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        Discard();
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    temporaryPath_.clear();
    return kWritten;
}

void cPendingWrite::Discard()
{
    if (temporaryPath_.empty()) return;
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace vrk
