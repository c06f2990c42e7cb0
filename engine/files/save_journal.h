// cSaveJournal: the small record a group save keeps beside the files it replaces,
// so that a start-up after a crash can tell what the save was doing and mend it.
// The journal "save-journal.??????" is made before anything else of the save; its
// six random characters (the save's token) end the name of every file the save
// makes: "NAME.tmp.TOKEN" (the new bytes) and "NAME.old.TOKEN" (the old file's
// second name). Lines are appended and flushed one by one:
//   "file NAME SIZE DIGEST"  a file the save replaces, and what its new bytes are;
//   "old NAME" / "none NAME" the old file has its second name, or was not there;
//   "replacing"              from here on the renames run.
// A last line a crash cut short has no line end and counts as never written.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace vrk {

class cSaveJournal {
public:
    static constexpr const char* kJournalPrefix = "save-journal.";
    static constexpr const char* kHeader = "save journal 1";
    static constexpr const char* kTemporaryMark = ".tmp.";
    static constexpr const char* kBackupMark = ".old.";
    static constexpr size_t kTokenLength = 6;

    cSaveJournal() = default;
    // A journal still open is removed, unless Keep was called.
    ~cSaveJournal();
    cSaveJournal(const cSaveJournal&) = delete;
    cSaveJournal& operator=(const cSaveJournal&) = delete;

    // Makes a new journal in the folder (a system path) and flushes its header.
    // False (nothing left) when it cannot be made.
    bool Begin(const std::string& folder);
    bool IsOpen() const { return !path_.empty(); }
    const std::string& Folder() const { return folder_; }
    const std::string& Token() const { return token_; }

    // Each appends one line and flushes it; false when that failed.
    bool AddFile(const std::string& name, const void* data, size_t size);
    bool AddOldFile(const std::string& name, bool kept);
    bool MarkReplacing();

    // The save ended, whole or put back: the journal goes.
    void Finish();
    // The save ended with files it could not put back: the journal stays for the
    // next start-up to mend them.
    void Keep();

    // What the journal records of a file's new bytes: "SIZE DIGEST" (FNV-1a, 64 bits).
    static std::string Fingerprint(const void* data, size_t size);
    // What mkstemp puts in place of six X.
    static bool IsToken(const std::string& text);

private:
    bool Append(const std::string& line);

    std::string folder_;
    std::string path_;
    std::string token_;
    int descriptor_ = -1;
};

}  // namespace vrk
