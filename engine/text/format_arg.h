// The tagged argument of the engine's printf-like formatter. The tag, not the
// conversion letter of the directive, decides how the value is printed.
#pragma once
#include <cstdint>
#include <string>

namespace vrk {

struct FormatArg {
    enum Tag : int32_t { kNone = 0, kChar = 1, kInt = 2, kReal = 3, kString = 4 };

    int32_t tag = kNone;
    union Value {
        char character;
        int32_t integer;
        double real;
        const char* text;  // not owned; must outlive the call
    } value{};

    static FormatArg FromChar(char c) { FormatArg a; a.tag = kChar; a.value.character = c; return a; }
    static FormatArg FromInt(int32_t i) { FormatArg a; a.tag = kInt; a.value.integer = i; return a; }
    static FormatArg FromReal(double d) { FormatArg a; a.tag = kReal; a.value.real = d; return a; }
    // A null text prints as an empty text.
    static FormatArg FromText(const char* s) { FormatArg a; a.tag = kString; a.value.text = s ? s : ""; return a; }
    static FormatArg FromString(const std::string& s) { return FromText(s.c_str()); }

    // The shared empty argument (tag 0) for the places a caller does not fill.
    static const FormatArg& Empty()
    {
        static const FormatArg empty;
        return empty;
    }
};

}  // namespace vrk
