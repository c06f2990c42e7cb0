// cFolderIterator: lists the entries of one disk folder, one record at a time.
#pragma once
#include <dirent.h>

#include <memory>

#include "engine/files/path_record.h"

namespace vrk {

class cFolderIterator {
public:
    // The first entry of the folder ("." and ".." skipped); an empty record when
    // the folder is empty or cannot be listed. Ends an earlier listing.
    PathRecord First(const PathRecord& folder);
    // The next entry, an empty record at the end.
    PathRecord Next();

private:
    struct DirCloser {
        void operator()(DIR* dir) const { closedir(dir); }
    };

    std::unique_ptr<DIR, DirCloser> search_;
    PathRecord folder_;
};

}  // namespace vrk
