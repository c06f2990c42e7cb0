// The one logging call every part of the engine and the game uses. Each entry goes
// to the developer console and to the HTML log "{AppPath}/_log.html".
// Severity is the second character of the colour code: '4' error, '5' warning,
// anything else ("^6" by convention) plain text.
#pragma once
#include "engine/text/format_arg.h"

namespace vrk {

// Safe to call with no logger (before the engine core exists or after it is gone):
// the entry is then dropped.
void LogWrite(const char* sender, const char* code, const char* format,
              const FormatArg& a1 = FormatArg::Empty(), const FormatArg& a2 = FormatArg::Empty());
// LogWrite(sender, "^6", format, a).
void LogText(const char* sender, const char* format, const FormatArg& a = FormatArg::Empty());
// A plain line without sender or span.
void LogPlain(const char* format, const FormatArg& a = FormatArg::Empty());

}  // namespace vrk
