// Open files of the game: a file on disk or an entry of a ZIP archive, behind one
// handle. FileOpen fills an owning handle variable; the variable closes the file
// when it goes out of scope, so early returns never leak.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "engine/files/path_record.h"

namespace vrk {

struct FileHandle {
    enum Kind : uint32_t { kNone = 0, kDisk = 1, kArchiveEntry = 2 };

    uint32_t kind = kNone;
    void* archive = nullptr;          // the ZIP library's archive handle
    uint64_t entrySize = 0;           // uncompressed size of the open entry
    std::FILE* stream = nullptr;      // disk files only
};

// Closes whatever the handle holds and frees it.
struct FileHandleCloser {
    void operator()(FileHandle* handle) const;
};
using FileHandlePtr = std::unique_ptr<FileHandle, FileHandleCloser>;

// Results of FileOpen.
enum FileOpenResult : int {
    kFileOpened = 0,
    kFileNotFound = 1,      // empty path, missing disk file or missing entry
    kArchiveNotFound = 2,
    kFileModeRefused = 3,   // mode not allowed for the source
    kFileArchiveError = 4,
    kFileAlreadyOpen = 5,
};

// Opens the file of the record. An archive path (non-empty archive field) is only
// looked for in the archive and may only be read; a disk path only on disk, modes
// "r", "w" and "a" (with "b" or "+"). A folder is never opened. On any result but
// kFileOpened the variable is null (or untouched for kFileAlreadyOpen).
int FileOpen(FileHandlePtr& handle, const PathRecord& path, const char* mode);
// The number of whole items read; 0 for a null handle or a read error.
size_t FileRead(FileHandle* handle, void* buffer, size_t itemSize, size_t itemCount);
// Writes to a disk file; the number of whole items written.
size_t FileWrite(FileHandle* handle, const void* buffer, size_t itemSize, size_t itemCount);
// Size in bytes; 0 for a null handle.
int64_t FileSize(FileHandle* handle);
// Closes, frees and clears the variable. Non-zero when the close reported an
// error (data that was written may then be lost).
int FileClose(FileHandlePtr& handle);

}  // namespace vrk
