// What the logger needs of the developer console: a place to append formatted lines.
// The console implements it; the logger owns the one console and feeds every entry to it.
#pragma once
#include <cstdint>

#include "engine/text/format_arg.h"

namespace vrk {

class ConsoleSink {
public:
    virtual ~ConsoleSink() = default;
    // Formats format with a1 and a2 and appends the text; line feeds and carriage returns
    // end lines. Returns the number of lines held afterwards.
    virtual int32_t AddLine(const char* format, const FormatArg& a1, const FormatArg& a2) = 0;
};

}  // namespace vrk
