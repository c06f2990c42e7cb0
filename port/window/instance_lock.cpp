// flock-based single-instance lock.
#include "port/window/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace port {
namespace {

constexpr mode_t kFolderMode = 0755;
constexpr mode_t kFileMode = 0644;
constexpr const char* kVendorFolders = "/OstrandEntertainment/tervol";

// A folder named by an environment variable; relative values are ignored, as the
// base-directory convention asks.
std::string FolderFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

// Makes the folder and its missing parents with kFolderMode.
bool MakeFolders(const std::string& folder, std::string& error)
{
    std::string partial;
    std::size_t start = 0;
    while (start <= folder.size()) {
        std::size_t slash = folder.find('/', start);
        if (slash == std::string::npos)
            slash = folder.size();
        partial = folder.substr(0, slash);
        if (!partial.empty() && ::mkdir(partial.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            error = "cannot make " + partial + ": " + std::strerror(errno);
            return false;
        }
        start = slash + 1;
    }
    return true;
}

}  // namespace

InstanceLock::~InstanceLock() { Release(); }

LockResult InstanceLock::Acquire(const std::string& folder)
{
    if (Held())
        return LockResult::kAcquired;
    error_.clear();
    if (folder.empty()) {
        error_ = "no folder for the lock file";
        return LockResult::kUnavailable;
    }
    if (!MakeFolders(folder, error_))
        return LockResult::kUnavailable;
    const std::string path = folder + "/" + kFileName;
    // A link planted at the lock's place would make the game create or lock a file
    // elsewhere: it is refused, and the game runs without the lock.
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kFileMode);
    if (descriptor < 0) {
        error_ = "cannot open " + path + ": " + std::strerror(errno);
        return LockResult::kUnavailable;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(descriptor);
        if (reason == EWOULDBLOCK)
            return LockResult::kHeldElsewhere;
        error_ = "cannot lock " + path + ": " + std::strerror(reason);
        return LockResult::kUnavailable;
    }
    descriptor_ = descriptor;
    return LockResult::kAcquired;
}

void InstanceLock::Release()
{
    if (descriptor_ < 0)
        return;
    ::flock(descriptor_, LOCK_UN);
    ::close(descriptor_);
    descriptor_ = -1;
}

std::string InstanceLock::DefaultFolder()
{
    if (std::string runtime = FolderFromEnvironment("XDG_RUNTIME_DIR"); !runtime.empty())
        return runtime;
    std::string data = FolderFromEnvironment("XDG_DATA_HOME");
    if (data.empty()) {
        const std::string home = FolderFromEnvironment("HOME");
        if (home.empty())
            return "";
        data = home + "/.local/share";
    }
    return data + kVendorFolders;
}

}  // namespace port
