// read_ground_file: opens without blocking, looks at what it opened, and reads no
// more than a ground file may hold.
#include "ground_file_reader.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "../common/ground_file_limit.h"

namespace ground_file {
namespace {

constexpr const char* kDataNote = " (a ground file is data the level tool writes)";

// The file's text, or an empty `error` and no text when there is no file; `error`
// says what is wrong otherwise.
std::string ReadRegularFile(const char* path, bool& missing, std::string& error)
{
    missing = false;
    // Non-blocking, so that opening a FIFO with no writer returns at once.
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        if (errno == ENOENT) {
            missing = true;
        } else {
            error = std::string("cannot be opened: ") + std::strerror(errno);
        }
        return {};
    }
    std::string text;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "is not a regular file";
    } else if (static_cast<unsigned long long>(info.st_size) > kLargestGroundFile) {
        error = "is larger than " + std::to_string(kLargestGroundFile) + " bytes";
    } else {
        // One byte more than the limit tells a file that grew since fstat.
        text.resize(kLargestGroundFile + 1);
        size_t total = 0;
        while (total < text.size()) {
            const ssize_t got = ::read(descriptor, text.data() + total, text.size() - total);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                error = std::string("cannot be read: ") + std::strerror(errno);
                break;
            }
            if (got == 0) break;
            total += static_cast<size_t>(got);
        }
        text.resize(total);
        if (error.empty() && total > kLargestGroundFile) {
            error = "is larger than " + std::to_string(kLargestGroundFile) + " bytes";
        }
    }
    ::close(descriptor);
    if (!error.empty()) text.clear();
    return text;
}

// Pushes the text (nil when there is no file) and answers true, or pushes the error
// message and answers false. The strings end here, before any Lua error jumps.
bool PushGroundFile(lua_State* lua, const char* path)
{
    bool missing = false;
    std::string error;
    const std::string text = ReadRegularFile(path, missing, error);
    if (missing) {
        lua_pushnil(lua);
    } else if (!error.empty()) {
        lua_pushfstring(lua, "%s: %s%s", path, error.c_str(), kDataNote);
        return false;
    } else {
        lua_pushlstring(lua, text.data(), text.size());
    }
    return true;
}

int ReadGroundFile(lua_State* lua)
{
    const char* path = luaL_checkstring(lua, 1);
    return PushGroundFile(lua, path) ? 1 : lua_error(lua);
}

}  // namespace

void RegisterGroundFileReader(lua_State* lua)
{
    lua_pushcfunction(lua, ReadGroundFile);
    lua_setglobal(lua, "read_ground_file");
}

}  // namespace ground_file
