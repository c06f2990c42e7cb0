// PathRecord: a game path split into its parts, the value every file operation takes.
#pragma once
#include <string>

namespace vrk {

class PathRecord {
public:
    PathRecord() = default;
    explicit PathRecord(const std::string& text) { Set(text); }

    // Splits the text (macros expanded) into fields 1-5 and rebuilds field 0 from them.
    PathRecord& Set(const std::string& text);
    // The same as Set; kept under the name some callers use.
    PathRecord& NormalizePath(const std::string& text) { return Set(text); }
    // Empties every field and frees long buffers.
    void Clear();

    bool IsEmpty() const { return path.empty(); }
    bool IsInArchive() const { return !archive.empty(); }

    std::string path;       // full normalised path, "/" between folders
    std::string drive;      // drive letter alone; empty for every Linux path
    std::string archive;    // folder part up to and including the "*.zip" file level
    std::string folder;     // folder, inside the archive when there is one
    std::string name;       // file name without extension
    std::string extension;  // extension without its dot
};

}  // namespace vrk
