// Fuzz target: the text formatter with a format from a data file (locale texts are
// formats), given arguments of every tag, and the colour codes of displayed text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/text/color_code.h"
#include "engine/text/text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    using vrk::FormatArg;
    vrk::FormatStdString(text, FormatArg::FromInt(-42), FormatArg::FromReal(3.25), FormatArg::FromText("word"),
                         FormatArg::FromChar('c'), FormatArg::FromString(text));

    uint32_t color = 0;
    const char* end = text.data() + text.size();
    for (const char* position = text.data(); position < end;) {
        if (*position++ == '^') vrk::ParseColorCode(&color, position, end, 0xFFFFFFFFu);
    }
    return 0;
}
