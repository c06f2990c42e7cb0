// Splitting a game path into drive, archive, folder, name and extension, joining
// those parts back into one path, and appending a name to a folder.
#pragma once
#include <string>

#include "engine/files/path_record.h"

namespace vrk {

// The separator of every path this module builds; "\" is accepted on input.
constexpr char kPathSeparator = '/';

// Expands the path macro, then splits. An absolute path keeps its leading "/" as
// the root of its folder (or archive); the folder "/" stands for the root itself.
// A folder level ending in ".zip" is the archive only when it is a regular file on
// disk (or, when none is on disk, the last such level); a folder named so is a folder.
void SplitPath(const std::string& text, std::string& drive, std::string& archive,
               std::string& folder, std::string& name, std::string& extension);

// Joins the non-empty parts: "D:/", archive "/", folder "/", name, "." extension.
void MakePath(std::string& out, const std::string& drive, const std::string& archive,
              const std::string& folder, const std::string& name, const std::string& extension);

// A name starting with "." is appended as it stands (so ".png" extends a file name);
// otherwise a separator goes between unless the folder ends in one. An empty folder
// gives the name alone, never a path at the root.
PathRecord AppendPathName(const std::string& folder, const std::string& name);

// The game path with every "\" turned into "/", macros expanded: the text the OS gets.
std::string ToSystemPath(const std::string& text);

}  // namespace vrk
