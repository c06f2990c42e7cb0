// cReplacingGroup: several whole files replaced together, so that their folders end
// with every old file or every new one. Each file is first written to a temporary
// beside it; Commit then gives each old file a backup name, renames the
// temporaries over the files and, when one rename fails, puts the files already
// replaced back as they were. The backups go only once every rename succeeded.
// What a crash leaves (temporaries, backups) is named "NAME.tmp.??????", which
// RemoveStaleTemporaries clears.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "engine/files/replacing_write.h"

namespace vrk {

class cReplacingGroup {
public:
    explicit cReplacingGroup(RenameCall rename = &RenameFile) : rename_(rename) {}

    // Writes the bytes to a temporary beside path; 0, or 2 (logged, nothing left).
    int Add(const std::string& path, const void* data, size_t size);
    // 0 when every file added was replaced. 2 (logged) when none was: no backup
    // could be made, or a rename failed and the files replaced before it were put
    // back (a file that could not be put back is logged as an error).
    int Commit();
    size_t Count() const { return writes_.size(); }

private:
    RenameCall rename_;
    std::vector<cPendingWrite> writes_;
};

}  // namespace vrk
