// PathRecord: construction from a game path, clearing and copying.
#include "engine/files/path_record.h"

#include <gtest/gtest.h>

#include "tests/engine/files/files_test_support.h"

namespace {

TEST(PathRecord, FolderPathHasEmptyNameAndExtension)
{
    test::MacroScope macros{{{"{AppPath}", "/home/u/.local/share/app"}}};
    const vrk::PathRecord record("{AppPath}/profile/");
    EXPECT_EQ(record.name, "");
    EXPECT_EQ(record.extension, "");
    EXPECT_TRUE(record.folder.ends_with("profile"));
    EXPECT_FALSE(record.IsInArchive());
}

TEST(PathRecord, Clear_LeavesEveryFieldEmptyAndUsable)
{
    const std::string longFolder = "/" + std::string(5000, 'f');
    vrk::PathRecord record(longFolder + "/pack.zip/" + std::string(3000, 'n') + ".lua");
    ASSERT_TRUE(record.IsInArchive());
    record.Clear();
    for (const std::string* field :
         {&record.path, &record.drive, &record.archive, &record.folder, &record.name, &record.extension})
        EXPECT_TRUE(field->empty());
    record.Set("/x/y.txt");
    EXPECT_EQ(record.path, "/x/y.txt");
}

TEST(PathRecord, SetFromOwnPath_GivesTheSameRecord)
{
    vrk::PathRecord record("a\\b\\c.d");
    const vrk::PathRecord copy = record;
    record.Set(record.path);
    EXPECT_EQ(record.path, copy.path);
    EXPECT_EQ(record.folder, copy.folder);
    EXPECT_EQ(record.name, copy.name);
}

}  // namespace
