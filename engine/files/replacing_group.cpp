// cReplacingGroup: all-or-nothing replacement of several files, with backups kept
// and a journal written until every file was replaced.
#include "engine/files/replacing_group.h"

#include <utility>

#include "engine/files/path_record.h"
#include "engine/files/path_split.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";
constexpr int kWritten = 0;
constexpr int kNotWritten = 2;

// The folder and the name of a system path ("." for a bare name).
void SplitFolder(const std::string& systemPath, std::string& folder, std::string& name)
{
    const size_t slash = systemPath.rfind(kPathSeparator);
    folder = slash == std::string::npos ? "." : systemPath.substr(0, slash == 0 ? 1 : slash);
    name = slash == std::string::npos ? systemPath : systemPath.substr(slash + 1);
}

}  // namespace

int WriteFileReplacing(const std::string& path, const void* data, size_t size, SaveStepHook stepHook)
{
    cReplacingGroup group(&RenameFile, stepHook);
    const int added = group.Add(path, data, size);
    return added == kWritten ? group.Commit() : added;
}

cReplacingGroup::~cReplacingGroup() { Abandon(); }

void cReplacingGroup::Step()
{
    ++steps_;
    if (stepHook_ != nullptr) stepHook_(steps_);
}

void cReplacingGroup::Abandon()
{
    writes_.clear();
    journal_.Finish();
}

int cReplacingGroup::Add(const std::string& path, const void* data, size_t size)
{
    const PathRecord target(path);
    std::string folder;
    std::string name;
    SplitFolder(ToSystemPath(target.path), folder, name);
    if (target.IsEmpty() || name.empty()) return kNotWritten;
    // What cannot be written at all begins no save (and leaves no journal).
    if (cPendingWrite::CheckTarget(path) != kWritten) return kNotWritten;
    if (!journal_.IsOpen()) {
        if (!journal_.Begin(folder)) {
            LogWrite(kSender, kWarning, "File %s not written: no journal for the save", FormatArg::FromString(path));
            return kNotWritten;
        }
        Step();
    } else if (folder != journal_.Folder()) {
        LogWrite(kSender, kWarning, "File %s not written: not in the folder of the files saved with it",
                 FormatArg::FromString(path));
        return kNotWritten;
    }
    cPendingWrite write;
    if (write.Prepare(path, data, size, journal_.Token()) != kWritten) return kNotWritten;
    if (!journal_.AddFile(name, data, size)) {
        LogWrite(kSender, kWarning, "File %s not written: the save's journal could not be written",
                 FormatArg::FromString(path));
        return kNotWritten;
    }
    writes_.push_back(std::move(write));
    Step();
    return kWritten;
}

int cReplacingGroup::Commit()
{
    if (writes_.empty()) {
        Abandon();
        return kWritten;
    }
    // Every backup before the first rename: a backup that cannot be made stops the
    // group while nothing is replaced yet.
    for (cPendingWrite& write : writes_) {
        if (write.KeepBackup() != kWritten || !journal_.AddOldFile(write.FileName(), write.HasBackup())) {
            Abandon();
            return kNotWritten;
        }
        Step();
    }
    if (!journal_.MarkReplacing()) {
        LogWrite(kSender, kWarning, "Files not written: the save's journal could not be written");
        Abandon();
        return kNotWritten;
    }
    Step();
    for (size_t k = 0; k < writes_.size(); ++k) {
        if (writes_[k].Commit(rename_) == kWritten) {
            Step();
            continue;
        }
        bool allBack = true;
        for (size_t j = k; j-- > 0;) allBack = writes_[j].PutBack(rename_) == kWritten && allBack;
        if (!allBack) {
            // The backups that could not go back are the only old copies: they
            // stay, and so does the journal that names them.
            LogWrite(kSender, "^4", "The save's journal %s is kept: the next start puts the files back",
                     FormatArg::FromString(journal_.Folder() + "/" + cSaveJournal::kJournalPrefix + journal_.Token()));
            writes_.clear();
            journal_.Keep();
            return kNotWritten;
        }
        if (k > 0)
            LogWrite(kSender, kWarning, "The %i files replaced before it are back as they were",
                     FormatArg::FromInt(static_cast<int32_t>(k)));
        Abandon();
        return kNotWritten;
    }
    for (cPendingWrite& write : writes_) {
        write.DropBackup();
        Step();
    }
    writes_.clear();
    journal_.Finish();
    Step();
    return kWritten;
}

}  // namespace vrk
