// Whole-file text reading (with byte-order-mark handling) and writing.
#include "engine/files/text_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/files/file_handle.h"
#include "engine/files/replacing_group.h"
#include "engine/log/log.h"
#include "engine/text/utf.h"

namespace vrk {
namespace {

constexpr int kRead = 0;
constexpr int kNotOpened = 2;
constexpr int kEmpty = 3;
constexpr unsigned char kUtf16LeMark[] = {0xFF, 0xFE};
constexpr unsigned char kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

bool StartsWith(const std::vector<unsigned char>& bytes, const unsigned char* mark, size_t markSize)
{
    return bytes.size() >= markSize && std::memcmp(bytes.data(), mark, markSize) == 0;
}

std::string FromUtf16Le(const std::vector<unsigned char>& bytes, size_t start)
{
    // Room for an odd last byte (a unit with a zero high byte) and the closing 0.
    std::vector<char16_t> units((bytes.size() - start) / 2 + 2, u'\0');
    for (size_t i = start, unit = 0; i < bytes.size(); i += 2, ++unit) {
        const unsigned high = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        units[unit] = static_cast<char16_t>(bytes[i] | (high << 8));
    }
    return WideToUtf8(units.data());
}

}  // namespace

int ReadTextFile(std::string& text, const std::string& path)
{
    FileHandlePtr handle;
    if (FileOpen(handle, PathRecord(path), "rb") != kFileOpened) return kNotOpened;
    std::vector<unsigned char> bytes;
    if (!FileReadAll(handle.get(), bytes)) {
        LogWrite("File", "^5", "File %s is too large", FormatArg::FromString(path));
        return kEmpty;
    }
    FileClose(handle);
    if (bytes.empty()) return kEmpty;

    if (StartsWith(bytes, kUtf16LeMark, sizeof kUtf16LeMark)) {
        text = FromUtf16Le(bytes, sizeof kUtf16LeMark);
        return kRead;
    }
    const size_t start = StartsWith(bytes, kUtf8Mark, sizeof kUtf8Mark) ? sizeof kUtf8Mark : 0;
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(start);
    const auto end = std::find(first, bytes.end(), '\0');
    text.assign(first, end);
    return kRead;
}

int WriteTextFile(const std::string& text, const std::string& path)
{
    return WriteFileReplacing(path, text.data(), text.size());
}

}  // namespace vrk
