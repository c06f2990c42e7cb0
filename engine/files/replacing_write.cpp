// Whole-file writes through a temporary file and a rename, in two steps.
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
#include "engine/files/save_journal.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";
constexpr int kWritten = 0;
constexpr int kNotWritten = 2;
constexpr size_t kCopyChunkBytes = 64 * 1024;


bool WriteFlushAndClose(int descriptor, const void* data, size_t size)
{
    // mkstemp creates the file for its owner alone; saves get the game's file mode.
    bool ok = ::fchmod(descriptor, kFileMode) == 0;
    ok = ok && WriteAllBytes(descriptor, data, size);
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

// A new, empty file NAME that must not be there yet (a save's token makes it
// unique; a file already there, whatever it is, is never written through);
// false when it could not be made.
bool MakeExclusiveFile(const std::string& name, int& descriptor)
{
    descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
    return descriptor >= 0;
}

}  // namespace

int RenameFile(const char* from, const char* to) { return std::rename(from, to); }

bool WriteAllBytes(int descriptor, const void* data, size_t size)
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

cPendingWrite::~cPendingWrite()
{
    Discard();
    if (!keepBackup_) DropBackup();
}

cPendingWrite::cPendingWrite(cPendingWrite&& other) noexcept
    : gamePath_(std::move(other.gamePath_)),
      targetPath_(std::move(other.targetPath_)),
      temporaryPath_(std::move(other.temporaryPath_)),
      backupPath_(std::move(other.backupPath_)),
      token_(std::move(other.token_)),
      committed_(other.committed_),
      keepBackup_(other.keepBackup_)
{
    other.temporaryPath_.clear();
    other.backupPath_.clear();
}

cPendingWrite& cPendingWrite::operator=(cPendingWrite&& other) noexcept
{
    if (this != &other) {
        Discard();
        if (!keepBackup_) DropBackup();
        gamePath_ = std::move(other.gamePath_);
        targetPath_ = std::move(other.targetPath_);
        temporaryPath_ = std::move(other.temporaryPath_);
        backupPath_ = std::move(other.backupPath_);
        token_ = std::move(other.token_);
        committed_ = other.committed_;
        keepBackup_ = other.keepBackup_;
        other.temporaryPath_.clear();
        other.backupPath_.clear();
    }
    return *this;
}

int cPendingWrite::CheckTarget(const std::string& path)
{
    const PathRecord target(path);
    if (target.IsEmpty()) return kNotWritten;
    if (target.IsInArchive()) {
        LogWrite(kSender, kWarning, "File %s is inside a ZIP file and cannot be written",
                 FormatArg::FromString(target.path));
        return kNotWritten;
    }
    const std::string systemPath = ToSystemPath(target.path);
    if (IsLink(systemPath)) {
        LogWrite(kSender, kWarning, "File %s is a link and is not written through", FormatArg::FromString(target.path));
        return kNotWritten;
    }
    if (IsFolderPath(systemPath)) {
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(target.path));
        return kNotWritten;
    }
    return kWritten;
}

int cPendingWrite::Prepare(const std::string& path, const void* data, size_t size, const std::string& token)
{
    Discard();
    if (!keepBackup_) DropBackup();
    committed_ = false;
    keepBackup_ = false;
    if (CheckTarget(path) != kWritten) return kNotWritten;
    const PathRecord target(path);
    gamePath_ = target.path;
    targetPath_ = ToSystemPath(target.path);

    // A fixed temporary name could be a planted link; an exclusively created one,
    // unique in the target's own folder, cannot, and the rename stays in one folder.
    // Only a journal's token makes a name that a crash's leftovers can be told by.
    int descriptor = -1;
    token_ = token;
    const std::string temporaryPath = targetPath_ + cSaveJournal::kTemporaryMark + token_;
    if (!cSaveJournal::IsToken(token_) || !MakeExclusiveFile(temporaryPath, descriptor)) {
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    if (!WriteFlushAndClose(descriptor, data, size)) {
        ::unlink(temporaryPath.c_str());
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    temporaryPath_ = temporaryPath;
    return kWritten;
}

int cPendingWrite::Commit(RenameCall rename)
{
    if (temporaryPath_.empty()) return kNotWritten;
    if (rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        Discard();
        LogWrite(kSender, kWarning, "File %s not written", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    temporaryPath_.clear();
    committed_ = true;
    return kWritten;
}

void cPendingWrite::Discard()
{
    if (temporaryPath_.empty()) return;
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

namespace {

// Gives SOURCE the second name BACKUP (a name not taken): a hard link where the
// file system has them, else a full copy, flushed. On failure nothing is left
// under BACKUP.
bool KeepSecondName(const std::string& source, const std::string& backup)
{
    if (::link(source.c_str(), backup.c_str()) == 0) return true;
    // A name taken already is not ours to write over.
    if (errno == EEXIST) return false;
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    const int to = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
    bool ok = to >= 0;
    std::vector<char> chunk(kCopyChunkBytes);
    while (ok) {
        const ssize_t got = ::read(from, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = WriteAllBytes(to, chunk.data(), static_cast<size_t>(got));
    }
    ::close(from);
    if (to >= 0) {
        ok = ::fsync(to) == 0 && ok;
        ok = ::close(to) == 0 && ok;
    }
    // Only a copy this call began is removed, never a file that held the name.
    if (!ok && to >= 0) ::unlink(backup.c_str());
    return ok;
}

}  // namespace

int cPendingWrite::KeepBackup()
{
    if (temporaryPath_.empty()) return kNotWritten;
    if (!backupPath_.empty()) return kWritten;
    struct stat info {};
    if (::lstat(targetPath_.c_str(), &info) != 0) {
        if (errno == ENOENT) return kWritten;
        LogWrite(kSender, kWarning, "File %s not written: no backup of the old file", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    // A second link where the file system has them, else a copy: either way the old
    // file never leaves its place, so a stop at any moment finds it there or already
    // replaced. link() never replaces a file: a group's name (its token) must be
    // free, and a file that holds it already only makes the backup fail.
    const std::string backupPath = targetPath_ + cSaveJournal::kBackupMark + token_;
    if (!KeepSecondName(targetPath_, backupPath)) {
        LogWrite(kSender, kWarning, "File %s not written: no backup of the old file", FormatArg::FromString(gamePath_));
        return kNotWritten;
    }
    backupPath_ = backupPath;
    return kWritten;
}

int cPendingWrite::PutBack(RenameCall rename)
{
    if (!committed_) return kWritten;
    const bool putBack = backupPath_.empty() ? ::unlink(targetPath_.c_str()) == 0
                                             : rename(backupPath_.c_str(), targetPath_.c_str()) == 0;
    if (!putBack) {
        keepBackup_ = true;
        if (backupPath_.empty())
            LogWrite(kSender, "^4", "File %s could not be put back as it was (it was not there)",
                     FormatArg::FromString(gamePath_));
        else
            LogWrite(kSender, "^4", "File %s could not be put back as it was (the old file is %s)",
                     FormatArg::FromString(gamePath_), FormatArg::FromString(backupPath_));
        return kNotWritten;
    }
    backupPath_.clear();
    committed_ = false;
    return kWritten;
}

void cPendingWrite::DropBackup()
{
    if (backupPath_.empty()) return;
    ::unlink(backupPath_.c_str());
    backupPath_.clear();
}

}  // namespace vrk
