// Folder-level operations of the file system: existence tests, creation, removal
// and access rights. Paths are game paths ("/" or "\" between folders, an optional
// path macro at the start); files themselves are opened through file_handle.h.
#pragma once
#include <string>

#include "engine/files/path_macros.h"
#include "engine/files/path_record.h"

namespace vrk {

// Mode bits of everything the game creates: owner writes, everyone else reads.
// (The process umask may narrow them further.)
constexpr unsigned kFolderMode = 0755;
constexpr unsigned kFileMode = 0644;

// Both look at the disk only (an archive entry is never found) and expand macros.
bool FileExists(const std::string& path);
bool IsFolder(const std::string& path);

// True when the folder exists and new files can be made in it (a read-only
// folder or medium, or a path that cannot be a folder, gives false).
bool IsFolderWritable(const std::string& path);

// Creates every missing level of the path. True only when the last level was
// created by this call (false when it already existed).
bool CreateFolder(const std::string& path);

// Kept for the callers that grant access after creating something. Created
// folders and files already get their final modes, so this only reports success.
bool SetEveryoneFullAccess(const std::string& path);

// Removes the folder with everything below it; links are removed, never followed,
// also when the folder itself is a link (given with or without a trailing "/").
// True when the folder is gone; stops at the first entry that cannot be removed.
bool RemoveFolderTree(const PathRecord& folder);

}  // namespace vrk
