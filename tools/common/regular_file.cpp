// ReadRegularFile: a non-blocking open, a look at what was opened, and a read that
// stops one byte past the limit.
#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tool_files {
namespace {

std::string TooLarge(size_t largestBytes) { return "is larger than " + std::to_string(largestBytes) + " bytes"; }

// Reads until the end or one byte past `largestBytes`, which tells a file that grew
// since it was looked at.
bool ReadAtMost(int descriptor, size_t largestBytes, std::string& text, std::string& error)
{
    text.resize(largestBytes + 1);
    size_t total = 0;
    while (total < text.size()) {
        const ssize_t got = ::read(descriptor, text.data() + total, text.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = std::string("cannot be read: ") + std::strerror(errno);
            return false;
        }
        if (got == 0) break;
        total += static_cast<size_t>(got);
    }
    text.resize(total);
    if (total > largestBytes) {
        error = TooLarge(largestBytes);
        return false;
    }
    return true;
}

}  // namespace

FileRead ReadRegularFile(const char* path, size_t largestBytes, std::string& text, std::string& error)
{
    text.clear();
    error.clear();
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        if (errno == ENOENT) return FileRead::kMissing;
        error = std::string("cannot be opened: ") + std::strerror(errno);
        return FileRead::kRefused;
    }
    struct stat info {};
    bool read = false;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "is not a regular file";
    } else if (static_cast<unsigned long long>(info.st_size) > largestBytes) {
        error = TooLarge(largestBytes);
    } else {
        read = ReadAtMost(descriptor, largestBytes, text, error);
    }
    ::close(descriptor);
    if (read) return FileRead::kRead;
    text.clear();
    return FileRead::kRefused;
}

}  // namespace tool_files
