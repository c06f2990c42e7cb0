// Writing a whole file so that the previous version survives any failure: the
// bytes go to a new file "NAME.tmp.TOKEN" beside NAME, are flushed to the disk,
// and only then replace NAME. A cPendingWrite splits the two steps, so that
// several files can be written first and replaced only when all were, and can
// keep the old file until then. The TOKEN is always a save journal's
// (cSaveJournal, made by cReplacingGroup, through which every write of the game
// goes): what a crash leaves is named by a journal, and only that is ever
// removed, since a file of the user's may look the same.
#pragma once
#include <cstddef>
#include <string>

namespace vrk {

// The call that moves a file over another (rename(2)); a group of writes takes
// another only where a test makes one fail.
using RenameCall = int (*)(const char* from, const char* to);
int RenameFile(const char* from, const char* to);

// Writes every byte to an open file, going on after interrupted writes; false on
// an error or a full disk.
bool WriteAllBytes(int descriptor, const void* data, size_t size);

class cPendingWrite {
public:
    cPendingWrite() = default;
    // A write neither committed nor discarded is discarded.
    ~cPendingWrite();
    cPendingWrite(cPendingWrite&& other) noexcept;
    cPendingWrite& operator=(cPendingWrite&& other) noexcept;
    cPendingWrite(const cPendingWrite&) = delete;
    cPendingWrite& operator=(const cPendingWrite&) = delete;

    // 0 when a file can be written at path; 2 (logged) for an empty path, one
    // inside a ZIP archive, or a link or a folder at it: no save is begun for those.
    static int CheckTarget(const std::string& path);
    // Writes the bytes to the temporary beside path; 0, or 2 (logged) as
    // WriteFileReplacing, with no temporary left after a failure. With the group
    // save's token the temporary is "NAME.tmp.TOKEN" and the backup
    // "NAME.old.TOKEN" (cSaveJournal), names that must not be taken yet; without
    // a token nothing is written.
    int Prepare(const std::string& path, const void* data, size_t size, const std::string& token);
    // Renames the prepared temporary over the file; 0, or 2 (logged, temporary
    // removed, file untouched). Without a prepared temporary: 2.
    int Commit(RenameCall rename = &RenameFile);
    // Removes the prepared temporary, if any.
    void Discard();

    // Before Commit: gives the file as it is a second name beside it (a link
    // named like a temporary), so that it can be put back; a file not there yet
    // needs none. 0, or 2 (logged) when no backup could be made.
    int KeepBackup();
    // After Commit: the file as it was before, from the backup (or, when there was
    // none, removed again); 0, or 2 (logged as an error, the backup kept).
    int PutBack(RenameCall rename = &RenameFile);
    // Removes the backup, if any; the destructor does too, unless PutBack failed.
    void DropBackup();
    bool HasBackup() const { return !backupPath_.empty(); }
    // The name of the file prepared, without its folder.
    std::string FileName() const { return targetPath_.substr(targetPath_.rfind('/') + 1); }

private:
    std::string gamePath_;       // for the log
    std::string targetPath_;     // the system path of the file
    std::string temporaryPath_;  // empty when nothing is prepared
    std::string backupPath_;     // empty when there is no backup
    std::string token_;          // the group save's
    bool committed_ = false;
    bool keepBackup_ = false;    // a failed PutBack leaves the only old copy there
};

}  // namespace vrk
