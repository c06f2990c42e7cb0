// UTF-8 decoding of text-input events into 16-bit characters.
#include "port/window/text_input.h"

namespace port {
namespace {

constexpr std::uint32_t kLargestCharacter = 0xFFFF;
constexpr std::uint32_t kLargestCodePoint = 0x10FFFF;
constexpr std::uint32_t kSurrogateFirst = 0xD800;
constexpr std::uint32_t kSurrogateLast = 0xDFFF;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence a lead byte starts and the payload bits it carries; 0 when
// the byte cannot start a sequence.
int SequenceLength(unsigned char lead, std::uint32_t& bits)
{
    if (lead < 0x80) { bits = lead; return 1; }
    if ((lead & 0xE0) == 0xC0) { bits = lead & 0x1F; return 2; }
    if ((lead & 0xF0) == 0xE0) { bits = lead & 0x0F; return 3; }
    if ((lead & 0xF8) == 0xF0) { bits = lead & 0x07; return 4; }
    return 0;
}

// The smallest code point each length may encode; anything less is an overlong form.
constexpr std::uint32_t kSmallestForLength[] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

std::vector<std::uint32_t> CharacterCodePoints(std::string_view utf8)
{
    std::vector<std::uint32_t> result;
    std::size_t index = 0;
    while (index < utf8.size()) {
        std::uint32_t codePoint = 0;
        const int length = SequenceLength(static_cast<unsigned char>(utf8[index]), codePoint);
        bool valid = length > 0 && index + length <= utf8.size();
        for (int i = 1; valid && i < length; ++i) {
            const auto byte = static_cast<unsigned char>(utf8[index + i]);
            valid = IsContinuation(byte);
            codePoint = (codePoint << 6) | (byte & 0x3F);
        }
        if (valid) {
            valid = codePoint >= kSmallestForLength[length] && codePoint <= kLargestCodePoint &&
                    (codePoint < kSurrogateFirst || codePoint > kSurrogateLast);
        }
        if (!valid) {
            ++index;
            continue;
        }
        index += length;
        if (codePoint <= kLargestCharacter)
            result.push_back(codePoint);
    }
    return result;
}

}  // namespace port
