// Folder listing over readdir.
#include "engine/files/folder_iterator.h"

#include <cstring>
#include <string>

#include "engine/files/path_split.h"

namespace vrk {
namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Listed names are always whole entries of the folder, so even a name starting
// with "." ("." + "hidden") gets a separator, unlike AppendPathName.
PathRecord JoinListed(const std::string& folder, const char* name)
{
    if (folder.empty()) return PathRecord(name);
    if (folder.back() == kPathSeparator) return PathRecord(folder + name);
    return PathRecord(folder + kPathSeparator + name);
}

}  // namespace

PathRecord cFolderIterator::First(const PathRecord& folder)
{
    search_.reset();
    folder_ = folder;
    const std::string systemPath = ToSystemPath(folder_.path.empty() ? "." : folder_.path);
    search_.reset(opendir(systemPath.c_str()));
    return Next();
}

PathRecord cFolderIterator::Next()
{
    if (!search_) return PathRecord();
    // readdir gives "." and ".." at any place, so they are skipped everywhere.
    while (const dirent* entry = readdir(search_.get())) {
        if (!IsDotEntry(entry->d_name)) return JoinListed(folder_.path, entry->d_name);
    }
    search_.reset();
    return PathRecord();
}

}  // namespace vrk
