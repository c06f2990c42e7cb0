// The formatter's walk over the format and the conversions of the four argument kinds.
#include "engine/text/text_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/text/text_parse.h"
#include "engine/text/utf.h"

namespace vrk {
namespace {

// Six places the caller fills, then four empty ones; later directives get nothing.
constexpr size_t kArgumentPlaces = 10;
constexpr int32_t kDefaultPrecision = 6;
// Widths and precisions come from format text that may be data; anything beyond these is
// a mistake, and honouring it would allocate without bound.
constexpr int32_t kMaxFieldWidth = 4096;
constexpr int32_t kMaxPrecision = 64;
// The exponent is always printed with three digits.
constexpr int32_t kMaxExponentHundreds = 9;
// Below this exponent 0.1^e no longer fits a double, so the mantissa is scaled in two steps.
constexpr int32_t kSmallExponent = -300;
constexpr int32_t kExponentPreScale = 30;
constexpr double kTwoPow64 = 18446744073709551616.0;

bool IsFlagByte(char c)
{
    return c == '#' || c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

bool IsConversionLetter(char c)
{
    switch (c) {
    case 'A': case 'C': case 'E': case 'G': case 'P': case 'S': case 'X':
    case 'a': case 'c': case 'd': case 'e': case 'f': case 'g': case 'i':
    case 'n': case 'o': case 's': case 'u': case 'x':
        return true;
    default:
        return false;
    }
}

int32_t ClampWidth(int32_t width)
{
    return width > kMaxFieldWidth ? kMaxFieldWidth : width;
}

// Spaces (or the fill) that bring length up to width; nothing when it is already wider.
void AppendFill(std::string& out, int32_t width, size_t length, char fill)
{
    if (width > 0 && static_cast<size_t>(width) > length)
        out.append(static_cast<size_t>(width) - length, fill);
}

// Index just past the run of decimal digits that starts at i.
size_t SkipDigitRun(const std::string& text, size_t i)
{
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    return i;
}

void AppendAligned(std::string& out, const std::string& text, size_t length, bool left, int32_t width)
{
    if (left) {
        out += text;
        AppendFill(out, width, length, ' ');
    } else {
        AppendFill(out, width, length, ' ');
        out += text;
    }
}

void AppendTextArgument(std::string& out, const std::string& directive, const std::string& text, size_t length)
{
    const bool left = !directive.empty() && directive[0] == '-';
    const int32_t width = ClampWidth(StrToInt(directive.c_str() + (left ? 1 : 0)));
    AppendAligned(out, text, length, left, width);
}

std::string UnsignedDigits(uint32_t value, uint32_t base, const char* digitSet)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), digitSet[value % base]);
        value /= base;
    } while (value != 0);
    return digits;
}

void AppendInteger(std::string& out, const std::string& directive, int32_t value)
{
    bool alternate = false, left = false, zeroFill = false;
    char mode = 'd';
    int32_t width = 0;
    for (size_t i = 0; i < directive.size();) {
        const char c = directive[i];
        if (c >= '1' && c <= '9') {
            width = StrToInt(directive.c_str() + i);
            i = SkipDigitRun(directive, i);
            continue;
        }
        if (c == '#') alternate = true;
        else if (c == '-') left = true;
        else if (c == '0') zeroFill = true;
        else if (c == 'd' || c == 'i' || c == 'u' || c == 'o' || c == 'x' || c == 'X') mode = c;
        ++i;
    }
    width = ClampWidth(width);

    const uint32_t bits = static_cast<uint32_t>(value);
    std::string prefix, digits;
    switch (mode) {
    case 'd': case 'i':
        if (value < 0) prefix = "-";
        // Unsigned negation keeps the most negative value's magnitude.
        digits = UnsignedDigits(value < 0 ? 0u - bits : bits, 10, "0123456789");
        break;
    case 'u':
        digits = UnsignedDigits(bits, 10, "0123456789");
        break;
    case 'o':
        if (alternate) prefix = "0";
        digits = UnsignedDigits(bits, 8, "01234567");
        break;
    case 'x':
        if (alternate) prefix = "0x";
        digits = UnsignedDigits(bits, 16, "0123456789abcdef");
        break;
    default:
        if (alternate) prefix = "0X";
        digits = UnsignedDigits(bits, 16, "0123456789ABCDEF");
        break;
    }

    const size_t length = prefix.size() + digits.size();
    if (left) {
        out += prefix;
        out += digits;
        AppendFill(out, width, length, ' ');
    } else if (zeroFill) {
        out += prefix;
        AppendFill(out, width, length, '0');
        out += digits;
    } else {
        AppendFill(out, width, length, ' ');
        out += prefix;
        out += digits;
    }
}

// base^exponent by repeated squaring; the reciprocal for a negative exponent.
double IntPow(double base, int32_t exponent)
{
    if (exponent < 0)
        return 1.0 / IntPow(base, -exponent);
    double result = 1.0;
    while (exponent != 0) {
        if (exponent & 1) result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}

// The decimal integer part of a non-negative finite value, truncated.
void AppendIntegerPart(std::string& body, double value)
{
    if (value < kTwoPow64) {
        uint64_t whole = static_cast<uint64_t>(value);
        std::string digits;
        do {
            digits.insert(digits.begin(), static_cast<char>('0' + whole % 10));
            whole /= 10;
        } while (whole != 0);
        body += digits;
        return;
    }
    // Too large for 64 bits; such a double is a whole number and the C library prints
    // its exact digits. The format here is a constant, never caller text.
    std::array<char, 400> digits{};
    std::snprintf(digits.data(), digits.size(), "%.0f", std::floor(value));
    body += digits.data();
}

// precision digits of the fraction, each by multiplying by ten and truncating.
void AppendFractionDigits(std::string& body, double value, int32_t precision)
{
    double fraction = value - std::floor(value);
    for (int32_t i = 0; i < precision; ++i) {
        fraction *= 10.0;
        int digit = static_cast<int>(fraction);
        if (digit > 9) digit = 9;
        body += static_cast<char>('0' + digit);
        fraction -= digit;
    }
}

std::string RealBody(double magnitude, char style, int32_t precision)
{
    std::string body;
    if (magnitude == 0.0) {
        body = "0.";
        body.append(static_cast<size_t>(precision), '0');
        if (style == 'e') body += "e+000";
        if (style == 'E') body += "E+000";
        return body;
    }
    if (style == 'f') {
        AppendIntegerPart(body, magnitude);
        body += '.';
        AppendFractionDigits(body, magnitude, precision);
        return body;
    }

    const int32_t exponent = static_cast<int32_t>(std::log10(magnitude));
    double mantissa = exponent < kSmallExponent
        ? (magnitude * IntPow(10.0, kExponentPreScale)) * IntPow(0.1, exponent + kExponentPreScale)
        : magnitude * IntPow(0.1, exponent);
    mantissa += 0.5 * IntPow(0.1, precision);
    if (!std::isfinite(mantissa))
        mantissa = 0.0;
    AppendIntegerPart(body, mantissa);
    body += '.';
    AppendFractionDigits(body, mantissa, precision);
    body += style;
    body += exponent < 0 ? '-' : '+';
    const int32_t absExponent = exponent < 0 ? -exponent : exponent;
    int32_t hundreds = absExponent / 100;
    if (hundreds > kMaxExponentHundreds) hundreds = kMaxExponentHundreds;
    body += static_cast<char>('0' + hundreds);
    body += static_cast<char>('0' + absExponent / 10 % 10);
    body += static_cast<char>('0' + absExponent % 10);
    return body;
}

void AppendReal(std::string& out, const std::string& directive, double value)
{
    bool left = false, zeroFill = false, afterPoint = false;
    char style = 'f';
    int32_t width = 0, precision = kDefaultPrecision;
    for (size_t i = 0; i < directive.size();) {
        const char c = directive[i];
        if (c >= '1' && c <= '9') {
            (afterPoint ? precision : width) = StrToInt(directive.c_str() + i);
            i = SkipDigitRun(directive, i);
            continue;
        }
        if (c == '-') left = true;
        else if (c == '.') afterPoint = true;
        else if (c == '0') zeroFill = true;
        else if (c == 'e' || c == 'E' || c == 'f') style = c;
        ++i;
    }
    width = ClampWidth(width);
    if (precision < 0) precision = 0;
    if (precision > kMaxPrecision) precision = kMaxPrecision;

    std::string sign, body;
    if (std::isnan(value)) {
        body = "NaN";
    } else if (std::isinf(value)) {
        body = value < 0 ? "-INF" : "+INF";
    } else {
        if (value < 0) sign = "-";
        body = RealBody(std::fabs(value), style, precision);
    }

    const size_t length = sign.size() + body.size();
    if (left) {
        out += sign;
        out += body;
        AppendFill(out, width, length, ' ');
    } else if (zeroFill) {
        out += sign;
        AppendFill(out, width, length, '0');
        out += body;
    } else {
        AppendFill(out, width, length, ' ');
        out += sign;
        out += body;
    }
}

void AppendArgument(std::string& out, const std::string& directive, const FormatArg& arg)
{
    switch (arg.tag) {
    case FormatArg::kChar:
        AppendTextArgument(out, directive, std::string(1, arg.value.character), 1);
        break;
    case FormatArg::kInt:
        AppendInteger(out, directive, arg.value.integer);
        break;
    case FormatArg::kReal:
        AppendReal(out, directive, arg.value.real);
        break;
    case FormatArg::kString: {
        const std::string text = arg.value.text ? arg.value.text : "";
        AppendTextArgument(out, directive, text, Utf8Length(text));
        break;
    }
    default:
        break;  // tag 0 (and any unknown tag) prints nothing
    }
}

}  // namespace

void FormatString(std::string& out, const char* format, const FormatArg& a1, const FormatArg& a2,
                  const FormatArg& a3, const FormatArg& a4, const FormatArg& a5, const FormatArg& a6)
{
    if (!format)
        return;
    const std::array<const FormatArg*, kArgumentPlaces> places = {
        &a1, &a2, &a3, &a4, &a5, &a6,
        &FormatArg::Empty(), &FormatArg::Empty(), &FormatArg::Empty(), &FormatArg::Empty()};
    size_t nextPlace = 0;
    bool inDirective = false;
    std::string directive;

    for (const char* p = format; *p != '\0'; ++p) {
        const char c = *p;
        if (!inDirective) {
            if (c == '%') {
                inDirective = true;
                directive.clear();
            } else {
                out += c;
            }
            continue;
        }
        directive += c;
        if (IsFlagByte(c))
            continue;
        inDirective = false;
        if (c == '%') {
            out += '%';
        } else if (IsConversionLetter(c)) {
            const FormatArg& arg = nextPlace < places.size() ? *places[nextPlace] : FormatArg::Empty();
            ++nextPlace;
            AppendArgument(out, directive, arg);
        } else {
            out += '%';
            out += directive;
        }
    }
    // A format ending inside a directive drops it ("100%" prints "100").
}

std::string FormatToString(const char* format, const FormatArg& a1, const FormatArg& a2,
                           const FormatArg& a3, const FormatArg& a4, const FormatArg& a5, const FormatArg& a6)
{
    std::string out;
    FormatString(out, format, a1, a2, a3, a4, a5, a6);
    return out;
}

std::string FormatStdString(const std::string& format, const FormatArg& a1, const FormatArg& a2,
                            const FormatArg& a3, const FormatArg& a4, const FormatArg& a5, const FormatArg& a6)
{
    return FormatToString(format.c_str(), a1, a2, a3, a4, a5, a6);
}

}  // namespace vrk
