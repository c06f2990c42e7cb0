// PathRecord: splitting into fields and rebuilding the normalised full path.
#include "engine/files/path_record.h"

#include "engine/files/path_split.h"

namespace vrk {

PathRecord& PathRecord::Set(const std::string& text)
{
    SplitPath(text, drive, archive, folder, name, extension);
    MakePath(path, drive, archive, folder, name, extension);
    return *this;
}

void PathRecord::Clear()
{
    // Swapping with fresh strings releases long buffers, which clear() would keep.
    for (std::string* field : {&path, &drive, &archive, &folder, &name, &extension})
        std::string().swap(*field);
}

}  // namespace vrk
