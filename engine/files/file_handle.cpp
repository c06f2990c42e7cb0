// Opening, reading, sizing and closing disk files and ZIP archive entries.
#include "engine/files/file_handle.h"

#include <fcntl.h>
#include <minizip/unzip.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
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

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using ArchivePtr = std::unique_ptr<void, ArchiveCloser>;

cZipCatch Caught(const char* format, int code) { return cZipCatch{format, code}; }

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
    handle.kind = FileHandle::kArchiveEntry;
    handle.entrySize = info.uncompressed_size;
    handle.archive = archive.release();
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
        LogWrite(kSender, kWarning, failure.format,
                 failure.code == cZipCatch::kInternalError ? FormatArg::Empty()
                                                           : FormatArg::FromString(subject));
        return failure.code;
    }
    handle = std::move(opened);
    return kFileOpened;
}

// open(2) flags for a mode text, so that created files get their mode here rather
// than from fopen's world-writable default.
bool DiskOpenFlags(const char* mode, int& flags)
{
    const bool update = std::strchr(mode, '+') != nullptr;
    switch (mode[0]) {
        case 'r': flags = update ? O_RDWR : O_RDONLY; break;
        case 'w': flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC; break;
        case 'a': flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND; break;
        default: return false;
    }
    flags |= O_CLOEXEC;
    return true;
}

int OpenDiskPath(FileHandlePtr& handle, const PathRecord& path, const char* mode)
{
    int flags = 0;
    if (!DiskOpenFlags(mode, flags)) return kFileModeRefused;
    const std::string systemPath = ToSystemPath(path.path);
    const int fd = ::open(systemPath.c_str(), flags, kFileMode);
    if (fd < 0) {
        LogWrite(kSender, kWarning, "File %s not found on disk", FormatArg::FromString(path.path));
        return kFileNotFound;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        LogWrite(kSender, kWarning, "File %s is a folder, not a file", FormatArg::FromString(path.path));
        return kFileNotFound;
    }
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
    if (handle.kind == FileHandle::kArchiveEntry && handle.archive) {
        unzCloseCurrentFile(handle.archive);
        unzClose(handle.archive);
    } else if (handle.kind == FileHandle::kDisk && handle.stream) {
        ok = std::fclose(handle.stream) == 0;
    }
    handle.archive = nullptr;
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

    // The ZIP library takes an unsigned count and answers with an int: read in
    // pieces that fit both.
    const size_t wanted = itemSize * itemCount;
    if (wanted / itemSize != itemCount) return 0;
    size_t done = 0;
    while (done < wanted) {
        const unsigned piece = static_cast<unsigned>(std::min<size_t>(wanted - done, INT_MAX));
        const int got = unzReadCurrentFile(handle->archive, static_cast<char*>(buffer) + done, piece);
        if (got < 0) {
            LogWrite(kSender, kWarning, "Internal error in ZIP file - couldn't read file");
            return 0;
        }
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    return done / itemSize;
}

size_t FileWrite(FileHandle* handle, const void* buffer, size_t itemSize, size_t itemCount)
{
    if (!handle || handle->kind != FileHandle::kDisk || !buffer || itemSize == 0) return 0;
    return std::fwrite(buffer, itemSize, itemCount, handle->stream);
}

int64_t FileSize(FileHandle* handle)
{
    if (!handle) return 0;
    if (handle->kind == FileHandle::kArchiveEntry) return static_cast<int64_t>(handle->entrySize);
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
