// The text table: text key -> localised text (UTF-8). The locale scripts fill it;
// the game reads its captions and messages from it by key.
#pragma once
#include <map>
#include <string>

namespace vrk {

using TextMap = std::map<std::string, std::string>;

// The one table. Before any locale is loaded it holds the dialog words ("Ok",
// "Cancel", ...), each mapped to itself.
TextMap& TextTable();
// Drops every locale text and puts the dialog words back, as at program start; the
// engine core does this on its end so that a later core in the same process still
// has its dialog words.
void ResetTextTable();
// The text stored under the key; empty when the key is missing (no entry is made).
std::string FindText(const std::string& key);

}  // namespace vrk
