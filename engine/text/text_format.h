// The engine's printf-like formatter. Every log line, console line and formatted game
// string goes through it. The argument's tag, not the directive's conversion letter,
// decides how a value is printed, and a bad format never fails: unknown directives are
// copied as text and missing arguments print nothing. The format is interpreted here,
// never by the C library, so text from data files is safe to use as a format.
#pragma once
#include <string>

#include "engine/text/format_arg.h"

namespace vrk {

// Appends the formatted text to out; out's old content stays.
void FormatString(std::string& out, const char* format,
                  const FormatArg& a1 = FormatArg::Empty(), const FormatArg& a2 = FormatArg::Empty(),
                  const FormatArg& a3 = FormatArg::Empty(), const FormatArg& a4 = FormatArg::Empty(),
                  const FormatArg& a5 = FormatArg::Empty(), const FormatArg& a6 = FormatArg::Empty());

// FormatString into a new string.
std::string FormatToString(const char* format,
                           const FormatArg& a1 = FormatArg::Empty(), const FormatArg& a2 = FormatArg::Empty(),
                           const FormatArg& a3 = FormatArg::Empty(), const FormatArg& a4 = FormatArg::Empty(),
                           const FormatArg& a5 = FormatArg::Empty(), const FormatArg& a6 = FormatArg::Empty());

// The same for a format held in a std::string.
std::string FormatStdString(const std::string& format,
                            const FormatArg& a1 = FormatArg::Empty(), const FormatArg& a2 = FormatArg::Empty(),
                            const FormatArg& a3 = FormatArg::Empty(), const FormatArg& a4 = FormatArg::Empty(),
                            const FormatArg& a5 = FormatArg::Empty(), const FormatArg& a6 = FormatArg::Empty());

}  // namespace vrk
