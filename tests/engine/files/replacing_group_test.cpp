// Tests of replacing several files together (and one, as every single-file write
// does): a rename that fails part-way puts back the files replaced before it, and
// what an unfinished save left behind is mended from its journal, byte for byte,
// with nothing else of the folder touched.
#include "engine/files/replacing_group.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/save_recovery.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/support/stopped_save.h"
#include "tests/support/temp_folder.h"

namespace {

// The rename calls of the test so far, and the ones that fail (as a disk error
// or a file system gone read-only would make them).
int renameCalls = 0;
std::vector<int> failingCalls;

int RenameFailingSome(const char* from, const char* to)
{
    ++renameCalls;
    for (const int call : failingCalls)
        if (call == renameCalls) return -1;
    return std::rename(from, to);
}

class ReplacingGroupTest : public ::testing::Test {
protected:
    ReplacingGroupTest()
    {
        renameCalls = 0;
        failingCalls.clear();
    }
    std::string File(const std::string& name) const { return folder_.Str() + "/" + name; }
    std::string Read(const std::string& name) const { return test::TempFolder::Read(File(name)); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A journal's line for a file the save replaces with these new bytes.
    static std::string FileLine(const std::string& name, const std::string& bytes)
    {
        return "file " + name + " " + vrk::cSaveJournal::Fingerprint(bytes.data(), bytes.size()) + "\n";
    }
    static int Add(vrk::cReplacingGroup& group, const std::string& path, const std::string& bytes)
    {
        return group.Add(path, bytes.data(), bytes.size());
    }

    test::TempFolder folder_;
    test::LogRecorder log_;
};

TEST_F(ReplacingGroupTest, RenameFailingPartWay_PutsBackEveryFileReplacedBeforeIt)
{
    folder_.Write("a.lvl", "old a");
    folder_.Write("b.lvl", "old b");
    vrk::cReplacingGroup group(&RenameFailingSome);
    ASSERT_EQ(Add(group, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(group, File("c.lvl"), "new c"), 0);  // not there before
    ASSERT_EQ(Add(group, File("b.lvl"), "new b"), 0);
    failingCalls = {3};
    EXPECT_EQ(group.Commit(), 2);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl"})) << "no temporary, no backup, no c";
    EXPECT_TRUE(log_.Contains("b.lvl not written"));
    EXPECT_TRUE(log_.Contains("2 files replaced before it are back"));

    // With every rename working the same group replaces all three.
    vrk::cReplacingGroup again(&RenameFailingSome);
    ASSERT_EQ(Add(again, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(again, File("c.lvl"), "new c"), 0);
    ASSERT_EQ(Add(again, File("b.lvl"), "new b"), 0);
    EXPECT_EQ(again.Commit(), 0);
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("b.lvl"), "new b");
    EXPECT_EQ(Read("c.lvl"), "new c");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl", "c.lvl"}));
}

TEST_F(ReplacingGroupTest, PutBackFailingToo_IsAnErrorAndKeepsTheOldFileAsBackup)
{
    folder_.Write("a.lvl", "old a");
    folder_.Write("b.lvl", "old b");
    vrk::cReplacingGroup group(&RenameFailingSome);
    ASSERT_EQ(Add(group, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(group, File("b.lvl"), "new b"), 0);
    // b's rename fails, then so does putting a back.
    failingCalls = {2, 3};
    EXPECT_EQ(group.Commit(), 2);
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_TRUE(log_.Contains("^4"));
    EXPECT_TRUE(log_.Contains("a.lvl could not be put back"));
    // The old a is still on disk under its backup name, and the journal that
    // names it stays for the next start.
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[1].rfind("a.lvl.old.", 0), 0u) << names[1];
    EXPECT_EQ(Read(names[1]), "old a");
    EXPECT_EQ(names[3].rfind("save-journal.", 0), 0u) << names[3];

    // The next start puts a back from that backup: both old, nothing else left.
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 1);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl"}));
    EXPECT_TRUE(log_.Contains("put back as it was; files restored: 1"));
}

TEST_F(ReplacingGroupTest, BackupNameTakenAlready_StopsTheSaveAndKeepsThatFile)
{
    folder_.Write("a.lvl", "old a");
    vrk::cReplacingGroup group;
    ASSERT_EQ(Add(group, File("a.lvl"), "new a"), 0);
    // A file of someone else's takes the backup name the save's token gives.
    std::string token;
    for (const std::string& name : Names())
        if (name.rfind("save-journal.", 0) == 0) token = name.substr(name.size() - 6);
    ASSERT_EQ(token.size(), 6u);
    folder_.Write("a.lvl.old." + token, "not the save's");
    EXPECT_EQ(group.Commit(), 2);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Read("a.lvl.old." + token), "not the save's");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "a.lvl.old." + token}));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_WithoutJournalKeepsEveryLookAlike)
{
    folder_.Write("level003.lvl", "L3");
    folder_.Write("level003.lvl.tmp.Ab12Cd", "half");
    folder_.Write("map.lvl.tmp.zzzzzz", "");
    folder_.Write("notes.txt.tmp.abcdef", "other kind");
    folder_.Write("level004.lvl.tmp.short", "not made by a save");
    folder_.Write("level005.lvl.tmp.abcdef/inner", "a folder");
    folder_.Write("notes.lvl.tmp.backup", "the user's notes");
    folder_.Write("mylevel.lvl.tmp.2024ab", "the user's level");
    ASSERT_EQ(::symlink("notes.lvl.tmp.backup", File("link.lvl.old.Qq11Ww").c_str()), 0);
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"level003.lvl", "level003.lvl.tmp.Ab12Cd", "level004.lvl.tmp.short",
                                                 "level005.lvl.tmp.abcdef", "link.lvl.old.Qq11Ww",
                                                 "map.lvl.tmp.zzzzzz", "mylevel.lvl.tmp.2024ab",
                                                 "notes.lvl.tmp.backup", "notes.txt.tmp.abcdef"}));
    EXPECT_EQ(Read("notes.lvl.tmp.backup"), "the user's notes");
    EXPECT_EQ(Read("level003.lvl"), "L3");
    EXPECT_EQ(Read("level003.lvl.tmp.Ab12Cd"), "half");
    EXPECT_EQ(Read("notes.txt.tmp.abcdef"), "other kind");
    EXPECT_EQ(Read("level004.lvl.tmp.short"), "not made by a save");
    EXPECT_EQ(Read("level005.lvl.tmp.abcdef/inner"), "a folder");
    EXPECT_EQ(Read("mylevel.lvl.tmp.2024ab"), "the user's level");
    EXPECT_FALSE(log_.Contains("removed"));
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str() + "/missing"), 0);
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_RemovesOnlyRegularFilesWithTheJournalsToken)
{
    // A save that stopped before its first rename: a written, its backup made.
    folder_.Write("a.lvl", "old a");
    folder_.Write("save-journal.Tk3n00", "save journal 1\nfile a.lvl 5 1\nold a.lvl\n");
    folder_.Write("a.lvl.tmp.Tk3n00", "new a");
    folder_.Write("a.lvl.old.Tk3n00", "old a");
    // The user's files: another token, a link and a folder with the save's token.
    folder_.Write("notes.lvl.tmp.backup", "notes");
    folder_.Write("a.lvl.tmp.Other1", "kept");
    folder_.Write("dir.lvl.tmp.Tk3n00/inner", "a folder");
    ASSERT_EQ(::symlink("notes.lvl.tmp.backup", File("link.lvl.old.Tk3n00").c_str()), 0);
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 1);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "a.lvl.tmp.Other1", "dir.lvl.tmp.Tk3n00",
                                                 "link.lvl.old.Tk3n00", "notes.lvl.tmp.backup"}));
    EXPECT_EQ(Read("a.lvl.tmp.Other1"), "kept");
    EXPECT_EQ(Read("dir.lvl.tmp.Tk3n00/inner"), "a folder");
    EXPECT_EQ(Read("notes.lvl.tmp.backup"), "notes");
    EXPECT_TRUE(log_.Contains("stopped before any file was replaced; old files kept: 1"));
    EXPECT_TRUE(log_.Contains("a.lvl.tmp.Tk3n00 left by an unfinished save removed"));
    EXPECT_TRUE(log_.Contains("save-journal.Tk3n00 of the unfinished save removed"));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_JournalCutInItsFirstLineIsASaveThatWroteNothing)
{
    folder_.Write("a.lvl", "old a");
    folder_.Write("save-journal.Cut000", "");
    folder_.Write("save-journal.Cut111", "save jou");
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl"}));
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_TRUE(log_.Contains("save-journal.Cut111 stopped before it wrote any file: nothing to mend"));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_KeepsAJournalItCannotRead)
{
    folder_.Write("a.lvl", "new a");
    folder_.Write("a.lvl.old.Bad000", "old a");
    // A name with a folder in it is no file of this folder: the journal is not a save's.
    folder_.Write("save-journal.Bad000", "save journal 1\nfile ../a.lvl 5 1\nreplacing\n");
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "a.lvl.old.Bad000", "save-journal.Bad000"}));
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("a.lvl.old.Bad000"), "old a");
    EXPECT_TRUE(log_.Contains("save-journal.Bad000 of an unfinished save cannot be read"));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_FinishesASaveWhoseBackupIsGone)
{
    // a was replaced and its backup is lost, b still waits under its temporary:
    // only finishing the save leaves both whole.
    folder_.Write("save-journal.Fin000", "save journal 1\n" + FileLine("a.lvl", "new a") + FileLine("b.lvl", "new b") +
                                             "old a.lvl\nold b.lvl\nreplacing\n");
    folder_.Write("a.lvl", "new a");
    folder_.Write("b.lvl", "old b");
    folder_.Write("b.lvl.tmp.Fin000", "new b");
    folder_.Write("b.lvl.old.Fin000", "old b");
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 1);
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("b.lvl"), "new b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl"}));
    EXPECT_TRUE(log_.Contains("save-journal.Fin000 finished; files replaced now: 1"));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_PutsBackTheOldBytesOfEveryFileReplaced)
{
    // a and c were replaced (c was not there before), b was not yet.
    const std::string fileLines = FileLine("a.lvl", "new a") + FileLine("b.lvl", "new b") + FileLine("c.lvl", "new c");
    folder_.Write("save-journal.Put000",
                  "save journal 1\n" + fileLines + "old a.lvl\nold b.lvl\nnone c.lvl\nreplacing\n");
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"a.lvl", "new a"}, {"a.lvl.old.Put000", "old a"}, {"b.lvl", "old b"},
             {"b.lvl.tmp.Put000", "new b"}, {"b.lvl.old.Put000", "old b"}, {"c.lvl", "new c"}})
        folder_.Write(name, bytes);
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 1);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl"}));
    EXPECT_TRUE(log_.Contains("save-journal.Put000 put back as it was; files restored: 2"));
}

TEST_F(ReplacingGroupTest, RecoverUnfinishedSaves_KeepsAFileThatOnlyHasAJournalsNameWithoutALogLine)
{
    folder_.Write("save-journal.mynote", "my notes");
    const std::string large(100 * 1024, 'x');
    folder_.Write("save-journal.Big000", large);
    // One that begins as a save's journal does, and then is no journal: kept, and
    // an error, since a save's files may hang on it.
    folder_.Write("save-journal.Bad000", "save journal 1\nnot a line of a save\n");
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"save-journal.Bad000", "save-journal.Big000", "save-journal.mynote"}));
    EXPECT_EQ(Read("save-journal.mynote"), "my notes");
    EXPECT_TRUE(Read("save-journal.Big000") == large);
    ASSERT_EQ(log_.Lines().size(), 1u);
    EXPECT_TRUE(log_.Contains("save-journal.Bad000 of an unfinished save cannot be read"));
}

// A single-file write (a profile, the settings) through its group of one: journal
// made, file written, backup made, journal marked, rename, backup dropped, journal
// removed.
constexpr int kLoneWriteSteps = 7;
constexpr int kLoneWriteRenameStep = 5;

TEST_F(ReplacingGroupTest, WriteFileReplacing_StoppedAfterEachStepLeavesTheFileWholeAndNoTemporaryOfTheGame)
{
    const std::string oldBytes(2 << 20, 'o');
    const std::string newBytes(2 << 20, 'n');
    // The user's files of the game's names, and the temporary of an older version.
    const std::vector<std::pair<std::string, std::string>> userFiles = {
        {"middle.dat.tmp.Ab12Cd", "a temporary no journal names"},
        {"middle.dat.old.zzzzzz", "the user's copy"},
        {"notes.dat.tmp.backup", "the user's notes"},
        {"save-journal.mynote", "my notes"}};
    const auto putFiles = [&] {
        for (const std::string& name : Names()) std::filesystem::remove_all(folder_.Path() / name);
        folder_.Write("middle.dat", oldBytes);
        for (const auto& [name, bytes] : userFiles) folder_.Write(name, bytes);
    };
    putFiles();
    const std::vector<std::string> namesBefore = Names();

    for (int step = 1; step <= kLoneWriteSteps + 1; ++step) {
        SCOPED_TRACE("write stopped after step " + std::to_string(step));
        putFiles();
        const int exit = test::RunSaveStoppingAt(step, [&](test::StepHook hook) {
            return vrk::WriteFileReplacing(File("middle.dat"), newBytes.data(), newBytes.size(), hook) == 0;
        });
        ASSERT_EQ(exit, step <= kLoneWriteSteps ? test::kCrashExit : test::kSavedExit);

        // The next start.
        const size_t logBefore = log_.Lines().size();
        vrk::RecoverUnfinishedSaves(folder_.Str());
        EXPECT_TRUE(Read("middle.dat") == (step < kLoneWriteRenameStep ? oldBytes : newBytes));
        EXPECT_EQ(Names(), namesBefore);
        for (const auto& [name, bytes] : userFiles) EXPECT_EQ(Read(name), bytes) << name;
        for (size_t i = logBefore; i < log_.Lines().size(); ++i)
            EXPECT_EQ(log_.Lines()[i].find("^4"), std::string::npos) << log_.Lines()[i];
    }

    // Stopped while the temporary was being written: the journal has its first line.
    putFiles();
    folder_.Write("save-journal.Mid000", "save journal 1\n");
    folder_.Write("middle.dat.tmp.Mid000", newBytes.substr(0, 4096));
    EXPECT_EQ(vrk::RecoverUnfinishedSaves(folder_.Str()), 1);
    EXPECT_TRUE(Read("middle.dat") == oldBytes);
    EXPECT_EQ(Names(), namesBefore);
}

}  // namespace
