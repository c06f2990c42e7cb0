// Open files of the game: a file on disk or an entry of a ZIP archive, behind one
// handle. FileOpen fills an owning handle variable; the variable closes the file
// when it goes out of scope, so early returns never leak.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "engine/files/path_record.h"

namespace vrk {

// The most any reader takes in one piece: a whole file read by FileReadAll, or an
// archive entry. No size field of a file is trusted, so this bounds what a hostile
// file can make the game hold.
constexpr uint64_t kMaxFileBytes = uint64_t(256) * 1024 * 1024;

struct FileHandle {
    enum Kind : uint32_t { kNone = 0, kDisk = 1, kArchiveEntry = 2 };

    uint32_t kind = kNone;
    // An archive entry is read whole (up to the real end of its data) when it is
    // opened; reads then come from here.
    std::vector<unsigned char> entryBytes;
    size_t entryCursor = 0;
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
// looked for in the archive and may only be read; an entry larger than
// kMaxFileBytes is refused. A disk path is only looked for on disk, modes "r", "w"
// and "a" (with "b" or "+"); only a regular file is opened (never a folder, a pipe
// or a device), and a mode that writes never follows a link at the path. On any
// result but kFileOpened the variable is null (or untouched for kFileAlreadyOpen).
int FileOpen(FileHandlePtr& handle, const PathRecord& path, const char* mode);
// The number of whole items read; 0 for a null handle or a read error.
size_t FileRead(FileHandle* handle, void* buffer, size_t itemSize, size_t itemCount);
// Writes to a disk file; the number of whole items written.
size_t FileWrite(FileHandle* handle, const void* buffer, size_t itemSize, size_t itemCount);
// Reads from the current position to the real end of the file, in pieces, into
// bytes. False (bytes empty) when the rest is larger than maxBytes (at most
// kMaxFileBytes) or cannot be read.
bool FileReadAll(FileHandle* handle, std::vector<unsigned char>& bytes, uint64_t maxBytes = kMaxFileBytes);
// Size in bytes (of an archive entry: the bytes it really holds); 0 for a null handle.
int64_t FileSize(FileHandle* handle);
// Closes, frees and clears the variable. Non-zero when the close reported an
// error (data that was written may then be lost).
int FileClose(FileHandlePtr& handle);

}  // namespace vrk
