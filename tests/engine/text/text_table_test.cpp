// The text table's built-in words and lookups.
#include "engine/text/text_table.h"

#include <gtest/gtest.h>

namespace {

// The table the program starts with; an engine core puts it back when it ends.
TEST(TextTable, StartsWithTheDialogWordsMappedToThemselves)
{
    for (const char* word : {"Ok", "Cancel", "Yes", "No", "Ignore", "Abort", "Help", "Information",
                             "Warning", "Error", "Player"})
        EXPECT_EQ(vrk::FindText(word), word);
    EXPECT_EQ(vrk::TextTable().size(), 11u);
}

TEST(TextTable, MissingKeyGivesEmptyTextAndMakesNoEntry)
{
    const size_t before = vrk::TextTable().size();
    EXPECT_EQ(vrk::FindText("NoSuchKey_42"), "");
    EXPECT_EQ(vrk::TextTable().size(), before);
}

}  // namespace
