// Opening, reading, sizing and closing disk files and ZIP archive entries.
#include "engine/files/file_handle.h"

#include <fcntl.h>
#include <minizip/unzip.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "engine/files/file_system.h"
#include "engine/files/path_split.h"
#include "engine/files/zip_catch.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";

// minizip's lookup modes: exact first, then ignoring case, so archives packed on a
// system that changed the case of names still work.
constexpr int kZipCaseSensitive = 1;
constexpr int kZipCaseInsensitive = 2;
// Entries and whole files are read in pieces of this size, so that memory grows
// with the bytes that really arrive, never with a size a header claims.
constexpr size_t kReadPiece = 64 * 1024;

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using ArchivePtr = std::unique_ptr<void, ArchiveCloser>;

cZipCatch Caught(const char* format, int code) { return cZipCatch{format, code}; }

// Reads the open entry to the real end of its data; the header's uncompressed size
// is only a claim (a 124-byte archive may claim 4 GiB).
cZipCatch ReadEntry(void* archive, std::vector<unsigned char>& bytes)
{
    std::vector<unsigned char> piece(kReadPiece);
    while (true) {
        const int got = unzReadCurrentFile(archive, piece.data(), static_cast<unsigned>(piece.size()));
        if (got < 0) return Caught("Internal error in ZIP file - couldn't read file\n", cZipCatch::kInternalError);
        if (got == 0) return cZipCatch{};
        if (bytes.size() + static_cast<size_t>(got) > kMaxFileBytes)
            return Caught("File %s in ZIP file is too large\n", cZipCatch::kInternalError);
        bytes.insert(bytes.end(), piece.begin(), piece.begin() + got);
    }
}

cZipCatch OpenEntry(FileHandle& handle, const std::string& archiveFile, const std::string& entryName)
{
    ArchivePtr archive(unzOpen(archiveFile.c_str()));
    if (!archive) return Caught("ZIP file %s not found\n", cZipCatch::kArchiveNotFound);
    if (unzLocateFile(archive.get(), entryName.c_str(), kZipCaseSensitive) != UNZ_OK &&
        unzLocateFile(archive.get(), entryName.c_str(), kZipCaseInsensitive) != UNZ_OK)
        return Caught("File %s not found in ZIP file\n", cZipCatch::kEntryNotFound);
    unz_file_info info{};
    if (unzGetCurrentFileInfo(archive.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return Caught("Internal error in ZIP file - couldn't get file info\n", cZipCatch::kInternalError);
    if (unzOpenCurrentFile(archive.get()) != UNZ_OK)
        return Caught("Internal error in ZIP file - couldn't open file\n", cZipCatch::kInternalError);
    std::vector<unsigned char> bytes;
    const cZipCatch failure = ReadEntry(archive.get(), bytes);
    unzCloseCurrentFile(archive.get());
    if (failure.Failed()) return failure;
    handle.kind = FileHandle::kArchiveEntry;
    handle.entryBytes = std::move(bytes);
    handle.entryCursor = 0;
    return cZipCatch{};
}

int OpenArchivePath(FileHandlePtr& handle, const PathRecord& path, const char* mode)
{
    if (mode[0] != 'r' || std::strchr(mode, '+') != nullptr) {
        LogWrite(kSender, kWarning, "File %s is inside a ZIP file and cannot be written",
                 FormatArg::FromString(path.path));
        return kFileModeRefused;
    }
    std::string archiveFile;
    MakePath(archiveFile, path.drive, path.archive, "", "", "");
    if (archiveFile.size() > 1 && archiveFile.back() == kPathSeparator) archiveFile.pop_back();
    std::string entryName;
    MakePath(entryName, "", "", path.folder, path.name, path.extension);

    FileHandlePtr opened(new FileHandle);
    const cZipCatch failure = OpenEntry(*opened, archiveFile, entryName);
    if (failure.Failed()) {
        const std::string& subject =
            failure.code == cZipCatch::kArchiveNotFound ? archiveFile : entryName;
        // Formats without a "%s" leave the subject unused.
        LogWrite(kSender, kWarning, failure.format, FormatArg::FromString(subject));
        return failure.code;
    }
    handle = std::move(opened);
    return kFileOpened;
}

// open(2) flags for a mode text, so that created files get their mode here rather
// than from fopen's world-writable default. A write never goes through a link at
// the path (a planted one would reach a file outside the game's folders), and no
// open waits: a pipe put where a file belongs would otherwise block the game.
bool DiskOpenFlags(const char* mode, int& flags)
{
    const bool update = std::strchr(mode, '+') != nullptr;
    switch (mode[0]) {
        case 'r': flags = update ? O_RDWR : O_RDONLY; break;
        case 'w': flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC | O_NOFOLLOW; break;
        case 'a': flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND | O_NOFOLLOW; break;
        default: return false;
    }
    flags |= O_CLOEXEC | O_NONBLOCK;
    return true;
}

int OpenDiskPath(FileHandlePtr& handle, const PathRecord& path, const char* mode)
{
    int flags = 0;
    if (!DiskOpenFlags(mode, flags)) return kFileModeRefused;
    const std::string systemPath = ToSystemPath(path.path);
    const int fd = ::open(systemPath.c_str(), flags, kFileMode);
    if (fd < 0) {
        const bool refusedLink = errno == ELOOP && (flags & O_NOFOLLOW) != 0;
        LogWrite(kSender, kWarning,
                 refusedLink ? "File %s is a link and is not written through" : "File %s not found on disk",
                 FormatArg::FromString(path.path));
        return kFileNotFound;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        LogWrite(kSender, kWarning,
                 S_ISDIR(info.st_mode) ? "File %s is a folder, not a file" : "File %s is not a regular file",
                 FormatArg::FromString(path.path));
        return kFileNotFound;
    }
    // Reads and writes of the regular file may block as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* stream = ::fdopen(fd, mode);
    if (!stream) {
        ::close(fd);
        LogWrite(kSender, kWarning, "File %s not found on disk", FormatArg::FromString(path.path));
        return kFileNotFound;
    }
    handle.reset(new FileHandle);
    handle->kind = FileHandle::kDisk;
    handle->stream = stream;
    if ((mode[0] == 'w' || mode[0] == 'a') && !SetEveryoneFullAccess(systemPath))
        LogWrite(kSender, kWarning, "File %s security info not changed", FormatArg::FromString(path.path));
    return kFileOpened;
}

// Closes the source; false when the close itself reported an error.
bool CloseSource(FileHandle& handle)
{
    bool ok = true;
    if (handle.kind == FileHandle::kDisk && handle.stream) ok = std::fclose(handle.stream) == 0;
    std::vector<unsigned char>().swap(handle.entryBytes);
    handle.entryCursor = 0;
    handle.stream = nullptr;
    handle.kind = FileHandle::kNone;
    return ok;
}

}  // namespace

void FileHandleCloser::operator()(FileHandle* handle) const
{
    if (!handle) return;
    CloseSource(*handle);
    delete handle;
}

int FileOpen(FileHandlePtr& handle, const PathRecord& path, const char* mode)
{
    if (handle) return kFileAlreadyOpen;
    if (path.path.empty() || !mode) return kFileNotFound;
    return path.IsInArchive() ? OpenArchivePath(handle, path, mode) : OpenDiskPath(handle, path, mode);
}

size_t FileRead(FileHandle* handle, void* buffer, size_t itemSize, size_t itemCount)
{
    if (!handle || !buffer || itemSize == 0 || itemCount == 0) return 0;
    if (handle->kind == FileHandle::kDisk) return std::fread(buffer, itemSize, itemCount, handle->stream);
    if (handle->kind != FileHandle::kArchiveEntry) return 0;

    const size_t wanted = itemSize * itemCount;
    if (wanted / itemSize != itemCount) return 0;
    const size_t left = handle->entryBytes.size() - handle->entryCursor;
    // Whole items only, as fread counts them; a partial item is still consumed.
    const size_t taken = std::min(wanted, left);
    if (taken == 0) return 0;  // an empty entry has no bytes to point at
    std::memcpy(buffer, handle->entryBytes.data() + handle->entryCursor, taken);
    handle->entryCursor += taken;
    return taken / itemSize;
}

bool FileReadAll(FileHandle* handle, std::vector<unsigned char>& bytes, uint64_t maxBytes)
{
    bytes.clear();
    if (!handle) return false;
    maxBytes = std::min(maxBytes, kMaxFileBytes);
    // The size is only a first guess for the buffer (a disk file may grow or
    // shrink meanwhile); the pieces that really arrive decide.
    bytes.reserve(static_cast<size_t>(std::clamp<int64_t>(FileSize(handle), 0, static_cast<int64_t>(maxBytes))));
    std::vector<unsigned char> piece(kReadPiece);
    while (true) {
        const size_t got = FileRead(handle, piece.data(), 1, piece.size());
        if (got == 0) break;
        if (bytes.size() + got > maxBytes) {
            std::vector<unsigned char>().swap(bytes);
            return false;
        }
        bytes.insert(bytes.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(got));
    }
    if (handle->kind == FileHandle::kDisk && std::ferror(handle->stream)) {
        std::vector<unsigned char>().swap(bytes);
        return false;
    }
    return true;
}

size_t FileWrite(FileHandle* handle, const void* buffer, size_t itemSize, size_t itemCount)
{
    if (!handle || handle->kind != FileHandle::kDisk || !buffer || itemSize == 0) return 0;
    return std::fwrite(buffer, itemSize, itemCount, handle->stream);
}

int64_t FileSize(FileHandle* handle)
{
    if (!handle) return 0;
    if (handle->kind == FileHandle::kArchiveEntry) return static_cast<int64_t>(handle->entryBytes.size());
    if (handle->kind != FileHandle::kDisk) return 0;
    const off_t position = ::ftello(handle->stream);
    if (position < 0 || ::fseeko(handle->stream, 0, SEEK_END) != 0) return 0;
    const off_t size = ::ftello(handle->stream);
    ::fseeko(handle->stream, position, SEEK_SET);
    return size < 0 ? 0 : static_cast<int64_t>(size);
}

int FileClose(FileHandlePtr& handle)
{
    if (!handle) return 0;
    const bool ok = CloseSource(*handle);
    handle.reset();
    return ok ? 0 : 1;
}

}  // namespace vrk
