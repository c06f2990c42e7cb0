// Reading a file a tool is handed (a level source, a module it requires, a level's
// ground file) without trusting what stands at the path: only a regular file is read,
// and no more of it than the caller's limit. Shared by the art and level tools.
#pragma once
#include <cstddef>
#include <string>

namespace tool_files {

enum class FileRead {
    kRead,     // `text` holds the whole file
    kMissing,  // there is no file at the path
    kRefused,  // `error` says why ("is not a regular file", "is larger than N bytes", ...)
};

// Opens without blocking (a FIFO with no writer would hold the tool for good), looks
// at what it opened (a folder or a device is refused, /dev/zero never ends) and reads
// at most `largestBytes`. `error` names no path: the caller puts the path in front.
FileRead ReadRegularFile(const char* path, size_t largestBytes, std::string& text, std::string& error);

}  // namespace tool_files
