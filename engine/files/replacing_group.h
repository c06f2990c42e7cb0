// cReplacingGroup: several whole files of one folder replaced together, so that
// the folder ends with every old file or every new one. The group first makes its
// journal (cSaveJournal) in the folder, then writes each file to a temporary
// beside it; Commit gives each old file a backup name, marks the journal and
// renames the temporaries over the files; when one rename fails it puts the files
// already replaced back as they were. Backups and journal go only once every
// rename succeeded (or every file is back). A crash at any step leaves the
// journal, from which RecoverUnfinishedSaves mends the folder at the next start.
// A single file is written the same way, as a group of one (WriteFileReplacing),
// so that no write of the game leaves a temporary that no journal names.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "engine/files/replacing_write.h"
#include "engine/files/save_journal.h"

namespace vrk {

// Called after each step of a group save that changes the disk (journal made,
// each file written, each backup made, journal marked, each rename, each backup
// dropped, journal removed), with the step's number from 1; a test stops the save
// there as a crash would.
using SaveStepHook = void (*)(int step);

// 0 on success; 2 when the file cannot be written (path inside a ZIP archive, a
// link or a folder at NAME, folder missing, disk full, ...). A failure leaves NAME
// untouched and nothing of the save behind. The file gets kFileMode.
int WriteFileReplacing(const std::string& path, const void* data, size_t size, SaveStepHook stepHook = nullptr);

class cReplacingGroup {
public:
    explicit cReplacingGroup(RenameCall rename = &RenameFile, SaveStepHook stepHook = nullptr)
        : rename_(rename), stepHook_(stepHook)
    {
    }
    // Files added but never committed are removed, and so is the journal.
    ~cReplacingGroup();
    cReplacingGroup(const cReplacingGroup&) = delete;
    cReplacingGroup& operator=(const cReplacingGroup&) = delete;

    // Writes the bytes to a temporary beside path; 0, or 2 (logged, nothing left),
    // as for a path outside the folder of the group's first file.
    int Add(const std::string& path, const void* data, size_t size);
    // 0 when every file added was replaced. 2 (logged) when none was: no backup
    // could be made, or a rename failed and the files replaced before it were put
    // back. A file that could not be put back is logged as an error and keeps its
    // backup and the journal, for the next start-up to put it back.
    int Commit();
    size_t Count() const { return writes_.size(); }

private:
    void Step();
    // Temporaries and backups first, the journal last: a stop in between still
    // finds the journal that names what is left.
    void Abandon();

    RenameCall rename_;
    SaveStepHook stepHook_;
    int steps_ = 0;
    cSaveJournal journal_;
    std::vector<cPendingWrite> writes_;
};

}  // namespace vrk
