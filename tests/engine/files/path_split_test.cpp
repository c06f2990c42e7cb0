// Path macros, splitting, joining and appending of game paths.
#include "engine/files/path_split.h"

#include <gtest/gtest.h>

#include "engine/files/path_macros.h"
#include "tests/engine/files/files_test_support.h"

namespace {

const std::map<std::string, std::string> kMacros = {
    {"{ExePath}", "/exe"},
    {"{StaticPath}", "D:\\G\\data"},
    {"{AppPath}", "/home/u/.local/share/app"},
    {"{UserPath}", "/home/u"},
};

struct MacroCase {
    const char* text;
    const char* expanded;
};

class ExpandPathMacrosTable : public testing::TestWithParam<MacroCase> {
protected:
    test::MacroScope macros_{kMacros};
};

TEST_P(ExpandPathMacrosTable, ExpandsOnlyTheMacroAtTheFirstBrace)
{
    EXPECT_EQ(vrk::ExpandPathMacros(GetParam().text), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandPathMacrosTable,
    testing::Values(MacroCase{"{AppPath}/conf/settings.lua", "/home/u/.local/share/app/conf/settings.lua"},
                    MacroCase{"{UserPath}/{AppPath}", "/home/u/{AppPath}"},
                    MacroCase{"plain/text.lua", "plain/text.lua"},
                    MacroCase{"{Unknown}/x", "{Unknown}/x"},
                    MacroCase{"a{ExePath}b", "a/exeb"},
                    // A macro name further on must not overwrite what stands at the brace.
                    MacroCase{"{x}/{ExePath}", "{x}/{ExePath}"},
                    MacroCase{"{AppPath}/ExePath}", "/home/u/.local/share/app/ExePath}"},
                    MacroCase{"", ""}));

struct SplitCase {
    const char* text;
    const char* drive;
    const char* archive;
    const char* folder;
    const char* name;
    const char* extension;
    const char* path;
};

class SplitPathTable : public testing::TestWithParam<SplitCase> {
protected:
    test::MacroScope macros_{kMacros};
};

TEST_P(SplitPathTable, SplitsIntoPartsAndRebuildsTheFullPath)
{
    const SplitCase& c = GetParam();
    std::string drive, archive, folder, name, extension, path;
    vrk::SplitPath(c.text, drive, archive, folder, name, extension);
    EXPECT_EQ(drive, c.drive);
    EXPECT_EQ(archive, c.archive);
    EXPECT_EQ(folder, c.folder);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(extension, c.extension);
    vrk::MakePath(path, drive, archive, folder, name, extension);
    EXPECT_EQ(path, c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPathTable,
    testing::Values(
        SplitCase{"{StaticPath}/texture/a.png", "D", "", "G/data/texture", "a", "png", "D:/G/data/texture/a.png"},
        SplitCase{"D:/G/data/pack.zip/gui/main.lua", "D", "G/data/pack.zip", "gui", "main", "lua",
                  "D:/G/data/pack.zip/gui/main.lua"},
        SplitCase{"x.zip", "", "", "", "x", "zip", "x.zip"},
        SplitCase{"folder/noext", "", "", "folder", "noext", "", "folder/noext"},
        SplitCase{"a.b.c", "", "", "", "a.b", "c", "a.b.c"},
        SplitCase{"dir\\sub\\f.lua", "", "", "dir/sub", "f", "lua", "dir/sub/f.lua"},
        // Absolute Linux paths keep their root.
        SplitCase{"/home/u/.cfg/a.txt", "", "", "/home/u/.cfg", "a", "txt", "/home/u/.cfg/a.txt"},
        SplitCase{"/a.png", "", "", "/", "a", "png", "/a.png"},
        SplitCase{"\\a\\b.png", "", "", "/a", "b", "png", "/a/b.png"},
        SplitCase{"/games/pack.zip/gui/main.lua", "", "/games/pack.zip", "gui", "main", "lua",
                  "/games/pack.zip/gui/main.lua"},
        SplitCase{"/games/pack.zip/main.lua", "", "/games/pack.zip", "", "main", "lua", "/games/pack.zip/main.lua"},
        SplitCase{"/g/a.zip/b.zip/c.txt", "", "/g/a.zip/b.zip", "", "c", "txt", "/g/a.zip/b.zip/c.txt"},
        SplitCase{"/g/pack.zipped/x.txt", "", "", "/g/pack.zipped", "x", "txt", "/g/pack.zipped/x.txt"},
        SplitCase{"/g/PACK.ZIP/x.txt", "", "", "/g/PACK.ZIP", "x", "txt", "/g/PACK.ZIP/x.txt"},
        SplitCase{"{AppPath}/profile/", "", "", "/home/u/.local/share/app/profile", "", "",
                  "/home/u/.local/share/app/profile/"},
        SplitCase{"", "", "", "", "", "", ""}));

struct AppendCase {
    const char* folder;
    const char* name;
    const char* path;
};

class AppendPathNameTable : public testing::TestWithParam<AppendCase> {
protected:
    test::MacroScope macros_{kMacros};
};

TEST_P(AppendPathNameTable, JoinsWithOneSeparatorExceptBeforeADot)
{
    EXPECT_EQ(vrk::AppendPathName(GetParam().folder, GetParam().name).path, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Cases, AppendPathNameTable,
                         testing::Values(AppendCase{"/a/b", "c.png", "/a/b/c.png"},
                                         AppendCase{"/a/b/", "c", "/a/b/c"},
                                         AppendCase{"/a/b\\", "c", "/a/b/c"},
                                         AppendCase{"/a/b", ".png", "/a/b.png"},
                                         AppendCase{"", "c.txt", "c.txt"},
                                         AppendCase{"{AppPath}/profile", "plr007",
                                                    "/home/u/.local/share/app/profile/plr007"}));

TEST(PathSplit, ToSystemPath_ExpandsAndTurnsBackslashes)
{
    test::MacroScope macros{kMacros};
    EXPECT_EQ(vrk::ToSystemPath("{ExePath}\\data\\a.png"), "/exe/data/a.png");
}

}  // namespace
