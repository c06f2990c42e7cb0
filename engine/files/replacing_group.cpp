// cReplacingGroup: all-or-nothing replacement of several files, with backups kept
// until every file was replaced.
#include "engine/files/replacing_group.h"

#include <utility>

#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
constexpr int kWritten = 0;
constexpr int kNotWritten = 2;

}  // namespace

int cReplacingGroup::Add(const std::string& path, const void* data, size_t size)
{
    cPendingWrite write;
    if (write.Prepare(path, data, size) != kWritten) return kNotWritten;
    writes_.push_back(std::move(write));
    return kWritten;
}

int cReplacingGroup::Commit()
{
    // Every backup before the first rename: a backup that cannot be made stops the
    // group while nothing is replaced yet.
    for (cPendingWrite& write : writes_) {
        if (write.KeepBackup() != kWritten) {
            writes_.clear();
            return kNotWritten;
        }
    }
    for (size_t k = 0; k < writes_.size(); ++k) {
        if (writes_[k].Commit(rename_) == kWritten) continue;
        bool allBack = true;
        for (size_t j = k; j-- > 0;) allBack = writes_[j].PutBack(rename_) == kWritten && allBack;
        if (allBack && k > 0)
            LogWrite(kSender, "^5", "The %i files replaced before it are back as they were",
                     FormatArg::FromInt(static_cast<int32_t>(k)));
        writes_.clear();
        return kNotWritten;
    }
    writes_.clear();
    return kWritten;
}

}  // namespace vrk
