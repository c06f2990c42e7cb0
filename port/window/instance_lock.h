// The single-instance lock: an exclusive advisory lock on "Kelvara2Mutex.lock" that
// the running game holds until it ends (the kernel releases it even after a crash).
#pragma once
#include <string>

namespace port {

enum class LockResult {
    kAcquired,       // this process is the one instance
    kHeldElsewhere,  // another instance runs: exit 0 at once, showing nothing
    kUnavailable,    // the lock file could not be made; the caller decides (Error())
};

class InstanceLock {
public:
    static constexpr const char* kFileName = "Kelvara2Mutex.lock";

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Locks kFileName in the folder. The folder is made (0755) when missing, the file
    // is 0644. A second call while held returns kAcquired again.
    LockResult Acquire(const std::string& folder);
    // Releases the lock; the file stays (removing it would race a starting instance).
    void Release();
    bool Held() const { return descriptor_ >= 0; }
    const std::string& Error() const { return error_; }

    // Where the lock lives: $XDG_RUNTIME_DIR, else the parent of the game's data folder
    // ($XDG_DATA_HOME, else $HOME/.local/share, plus "/OstrandEntertainment/tervol"), so
    // it is per user and tests with their own folders never collide. Empty when neither
    // variable names a folder.
    static std::string DefaultFolder();

private:
    int descriptor_ = -1;
    std::string error_;
};

}  // namespace port
