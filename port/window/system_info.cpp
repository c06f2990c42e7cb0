// Executable path and user language on Linux.
#include "port/window/system_info.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace port {
namespace {

constexpr const char* kDefaultLanguage = "en";
constexpr std::size_t kLongestLanguage = 8;
constexpr std::size_t kFirstPathBuffer = 256;
constexpr std::size_t kLargestPathBuffer = 1 << 16;

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char ToLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ExecutablePath()
{
    // readlink does not say when the buffer was too small, so grow until it fits.
    for (std::size_t size = kFirstPathBuffer; size <= kLargestPathBuffer; size *= 2) {
        std::vector<char> buffer(size);
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return "";
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
    return "";
}

std::string ExecutableFolder()
{
    const std::string path = ExecutablePath();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return "";
    return path.substr(0, slash);
}

std::string LanguageFromLocale(std::string_view locale)
{
    const std::size_t end = locale.find_first_of("_.@-");
    const std::string_view language = locale.substr(0, end);
    if (language.empty() || language.size() > kLongestLanguage || language == "C" ||
        language == "POSIX")
        return kDefaultLanguage;
    std::string result;
    for (char c : language) {
        if (!IsAsciiLetter(c))
            return kDefaultLanguage;
        result.push_back(ToLower(c));
    }
    return result;
}

std::string UserLanguage()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0')
            return LanguageFromLocale(value);
    }
    return kDefaultLanguage;
}

}  // namespace port
