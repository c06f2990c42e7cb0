// Splitting and joining of game paths.
#include "engine/files/path_split.h"

#include <sys/stat.h>

#include <algorithm>

#include "engine/files/path_macros.h"

namespace vrk {
namespace {

constexpr char kForeignSeparator = '\\';
constexpr char kDriveMark = ':';
constexpr char kExtensionMark = '.';
const std::string kArchiveSuffix = ".zip";

bool IsSeparator(char c) { return c == kPathSeparator || c == kForeignSeparator; }

std::string ToForwardSeparators(std::string text)
{
    std::replace(text.begin(), text.end(), kForeignSeparator, kPathSeparator);
    return text;
}

enum class LevelKind { kMissing, kFile, kOther };

LevelKind KindOnDisk(const std::string& systemPath)
{
    struct stat info {};
    if (::stat(systemPath.c_str(), &info) != 0) return LevelKind::kMissing;
    return S_ISREG(info.st_mode) ? LevelKind::kFile : LevelKind::kOther;
}

// The end of the folder level that is the archive: a level ending in ".zip"
// ("a/pack.zip/b" or "a/pack.zip"; "a/pack.zipped/b" names none) that is a regular
// file on disk. A folder (or anything else) of that name is no archive, wherever
// the name came from ($HOME, $XDG_DATA_HOME, the game's own folder). When no such
// level exists on disk, the last one counts, so that opening it reports the
// missing archive.
size_t FindArchiveEnd(const std::string& folder)
{
    size_t missing = std::string::npos;
    size_t from = std::string::npos;
    while (true) {
        const size_t at = folder.rfind(kArchiveSuffix, from);
        if (at == std::string::npos) return missing;
        const size_t end = at + kArchiveSuffix.size();
        if (end == folder.size() || folder[end] == kPathSeparator) {
            switch (KindOnDisk(folder.substr(0, end))) {
            case LevelKind::kFile: return end;
            // Every level above an existing folder is a folder as well.
            case LevelKind::kOther: return missing;
            case LevelKind::kMissing:
                if (missing == std::string::npos) missing = end;
                break;
            }
        }
        if (at == 0) return missing;
        from = at - 1;
    }
}

void AppendWithSeparator(std::string& out, const std::string& part)
{
    out += part;
    if (out.back() != kPathSeparator) out += kPathSeparator;
}

}  // namespace

void SplitPath(const std::string& text, std::string& drive, std::string& archive,
               std::string& folder, std::string& name, std::string& extension)
{
    std::string rest = ExpandPathMacros(text);
    drive.clear();
    archive.clear();
    if (rest.size() >= 2 && rest[1] == kDriveMark) {
        drive = rest.substr(0, 1);
        rest.erase(0, 2);
    }
    rest = ToForwardSeparators(rest);
    // After a drive the separator only says "from the drive's root", which the drive
    // rebuilds; without a drive the leading "/" is the root and stays.
    if (!drive.empty() && !rest.empty() && rest.front() == kPathSeparator) rest.erase(0, 1);

    const size_t lastSeparator = rest.rfind(kPathSeparator);
    if (lastSeparator == std::string::npos) {
        folder.clear();
        name = rest;
    } else {
        folder = lastSeparator == 0 ? std::string(1, kPathSeparator) : rest.substr(0, lastSeparator);
        name = rest.substr(lastSeparator + 1);
    }

    const size_t dot = name.rfind(kExtensionMark);
    if (dot == std::string::npos) {
        extension.clear();
    } else {
        extension = name.substr(dot + 1);
        name.erase(dot);
    }

    const size_t archiveEnd = FindArchiveEnd(folder);
    if (archiveEnd != std::string::npos) {
        archive = folder.substr(0, archiveEnd);
        const size_t entryFolder = std::min(folder.size(), archiveEnd + 1);
        folder.erase(0, entryFolder);
    }
}

void MakePath(std::string& out, const std::string& drive, const std::string& archive,
              const std::string& folder, const std::string& name, const std::string& extension)
{
    out.clear();
    if (!drive.empty()) {
        out += drive;
        out += kDriveMark;
        out += kPathSeparator;
    }
    if (!archive.empty()) AppendWithSeparator(out, archive);
    if (!folder.empty()) AppendWithSeparator(out, folder);
    out += name;
    if (!extension.empty()) {
        out += kExtensionMark;
        out += extension;
    }
}

PathRecord AppendPathName(const std::string& folder, const std::string& name)
{
    if (folder.empty() || (!name.empty() && name.front() == kExtensionMark) ||
        IsSeparator(folder.back()))
        return PathRecord(folder + name);
    return PathRecord(folder + kPathSeparator + name);
}

std::string ToSystemPath(const std::string& text)
{
    return ToForwardSeparators(ExpandPathMacros(text));
}

}  // namespace vrk
