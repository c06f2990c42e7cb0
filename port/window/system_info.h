// Facts about the process and the user: where the executable lives and which language
// the user reads.
#pragma once
#include <string>
#include <string_view>

namespace port {

// The executable's full path (from /proc/self/exe); empty when it cannot be read.
std::string ExecutablePath();
// The folder holding the executable, without a trailing "/"; empty when unknown.
std::string ExecutableFolder();

// The language code of a POSIX locale name: "de_DE.UTF-8" gives "de", "pt_BR" gives
// "pt", "sr@latin" gives "sr". "C", "POSIX", an empty name, or anything that is not a
// plain run of 1 to 8 letters before the territory gives "en". The result is lower
// case and safe to put into a file name.
std::string LanguageFromLocale(std::string_view locale);

// The user's language: the first non-empty of LC_ALL, LC_MESSAGES and LANG, through
// LanguageFromLocale; "en" when none is set.
std::string UserLanguage();

}  // namespace port
