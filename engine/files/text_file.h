// Whole-file text reading and writing, used for Lua scripts, command files and the
// settings file. Paths may name a ZIP entry (read only) and hold a path macro.
#pragma once
#include <string>

namespace vrk {

// Reads the file as UTF-8: a UTF-8 byte-order mark is dropped, a UTF-16LE file
// (FF FE) is converted, anything else is taken byte for byte up to the first NUL.
// 0 success, 2 cannot be opened, 3 empty (or larger than kMaxFileBytes).
int ReadTextFile(std::string& text, const std::string& path);

// Writes the bytes of the text, no byte-order mark. 0 success, 2 not written; the
// previous file survives a failure.
int WriteTextFile(const std::string& text, const std::string& path);

}  // namespace vrk
