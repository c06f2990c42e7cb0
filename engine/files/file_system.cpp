// Folder-level operations: existence tests, creation, removal and access rights.
#include "engine/files/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "engine/files/folder_iterator.h"
#include "engine/files/path_split.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "cFileSystem";
const char* const kWarning = "^5";

// The levels of a path, split at both separators; empty levels vanish.
std::vector<std::string> PathLevels(const std::string& systemPath)
{
    std::vector<std::string> levels;
    std::string level;
    for (char c : systemPath) {
        if (c != kPathSeparator) {
            level += c;
        } else if (!level.empty()) {
            levels.push_back(level);
            level.clear();
        }
    }
    if (!level.empty()) levels.push_back(level);
    return levels;
}

bool MakeOneFolder(const std::string& systemPath)
{
    return ::mkdir(systemPath.c_str(), kFolderMode) == 0;
}

bool RemoveEntry(const PathRecord& entry)
{
    const std::string systemPath = ToSystemPath(entry.path);
    struct stat info {};
    if (::lstat(systemPath.c_str(), &info) != 0) return false;
    // A link is an entry of its own: removing it leaves its target alone.
    if (S_ISDIR(info.st_mode)) return RemoveFolderTree(entry);
    return ::unlink(systemPath.c_str()) == 0;
}

}  // namespace

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(ToSystemPath(path).c_str(), &info) == 0;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(ToSystemPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFolderWritable(const std::string& path)
{
    const std::string systemPath = ToSystemPath(path);
    return IsFolder(path) && ::access(systemPath.c_str(), W_OK | X_OK) == 0;
}

bool CreateFolder(const std::string& path)
{
    const std::string systemPath = ToSystemPath(path);
    const std::vector<std::string> levels = PathLevels(systemPath);
    if (levels.empty()) return false;

    // An absolute path is created from the root, never below the working folder.
    std::string growing = systemPath.front() == kPathSeparator ? std::string(1, kPathSeparator) : "";
    growing += levels.front();
    for (size_t i = 1; i < levels.size(); ++i) {
        MakeOneFolder(growing);  // an existing level is fine
        growing += kPathSeparator;
        growing += levels[i];
    }
    if (!MakeOneFolder(growing)) return false;
    if (!SetEveryoneFullAccess(systemPath))
        LogWrite(kSender, kWarning, "Folder %s security info not changed", FormatArg::FromString(systemPath));
    return true;
}

bool SetEveryoneFullAccess(const std::string&)
{
    // Granting write access to everyone would let any local user change
    // settings.lua, which runs as a script at start; created entries keep
    // kFolderMode and kFileMode instead.
    return true;
}

bool RemoveFolderTree(const PathRecord& folder)
{
    if (folder.path.empty()) return false;
    std::string systemPath = ToSystemPath(folder.path);
    // A path whose macro was never set can collapse to the root; never empty that.
    if (systemPath.find_first_not_of(kPathSeparator) == std::string::npos) {
        LogWrite(kSender, kWarning, "Folder %s not removed", FormatArg::FromString(systemPath));
        return false;
    }
    // lstat of "name/" follows a link named "name" to its target; without the
    // trailing separators the top entry itself is what is looked at.
    while (systemPath.back() == kPathSeparator) systemPath.pop_back();
    struct stat info {};
    if (::lstat(systemPath.c_str(), &info) != 0) return true;  // nothing there: gone
    if (!S_ISDIR(info.st_mode)) {
        // A link (or file) given as the folder is removed itself, never followed.
        return ::unlink(systemPath.c_str()) == 0;
    }
    if (::rmdir(systemPath.c_str()) == 0) return true;

    // Collect once, then remove each entry once: a listing that changes while it
    // is walked, or an entry that refuses to go, must not keep the walk alive.
    std::vector<PathRecord> entries;
    cFolderIterator iterator;
    for (PathRecord entry = iterator.First(folder); !entry.IsEmpty(); entry = iterator.Next())
        entries.push_back(entry);
    for (const PathRecord& entry : entries) {
        if (!RemoveEntry(entry)) {
            LogWrite(kSender, kWarning, "File %s not removed", FormatArg::FromString(entry.path));
            return false;
        }
    }
    return ::rmdir(systemPath.c_str()) == 0;
}

}  // namespace vrk
