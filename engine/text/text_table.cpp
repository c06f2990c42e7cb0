// The text table with its built-in entries.
#include "engine/text/text_table.h"

namespace vrk {

namespace {

// Words the standard dialogs need even when no locale file could be read.
TextMap DefaultEntries()
{
    TextMap table;
    for (const char* word : {"Ok", "Cancel", "Yes", "No", "Ignore", "Abort", "Help",
                             "Information", "Warning", "Error", "Player"})
        table[word] = word;
    return table;
}

}  // namespace

TextMap& TextTable()
{
    static TextMap table = DefaultEntries();
    return table;
}

void ResetTextTable() { TextTable() = DefaultEntries(); }

std::string FindText(const std::string& key)
{
    const TextMap& table = TextTable();
    const auto it = table.find(key);
    return it != table.end() ? it->second : std::string();
}

}  // namespace vrk
