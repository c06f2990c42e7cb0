// Reading a group save's journal and mending the folder it was left in.
#include "engine/files/save_recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "engine/files/folder_iterator.h"
#include "engine/files/path_split.h"
#include "engine/files/save_journal.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kWarning = "^5";
const char* const kError = "^4";
// A journal names a few dozen files in a few dozen bytes each; anything much
// larger was not written by a save.
constexpr size_t kMaxJournalBytes = 64 * 1024;
constexpr size_t kMaxNameLength = 255;
constexpr size_t kMaxSizeDigits = 12;
constexpr size_t kMaxDigestDigits = 20;
constexpr size_t kReadChunkBytes = 64 * 1024;

struct SavedFile {
    std::string name;
    std::string fingerprint;  // "SIZE DIGEST" of the new bytes
    uint64_t size = 0;
    bool oldKnown = false;    // an "old" or "none" line was written
    bool oldKept = false;
};

struct Journal {
    std::vector<SavedFile> files;
    bool replacing = false;
};

bool IsRegularFile(const std::string& systemPath)
{
    struct stat info {};
    return ::lstat(systemPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// False when the file could not be read whole within maxBytes; bytes then holds
// what was read before.
bool ReadBounded(const std::string& systemPath, size_t maxBytes, std::string& bytes)
{
    const int descriptor = ::open(systemPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return false;
    bytes.clear();
    std::vector<char> chunk(kReadChunkBytes);
    bool ok = true;
    while (ok) {
        const ssize_t got = ::read(descriptor, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        bytes.append(chunk.data(), static_cast<size_t>(got));
        ok = bytes.size() <= maxBytes;
    }
    ::close(descriptor);
    return ok;
}

bool IsDigits(const std::string& text, size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A name the journal may give: a file of the journal's own folder, nothing else.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name.size() <= kMaxNameLength && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t space = line.find(' ', start);
        const size_t end = space == std::string::npos ? line.size() : space;
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

SavedFile* FindFile(Journal& journal, const std::string& name)
{
    for (SavedFile& file : journal.files)
        if (file.name == name) return &file;
    return nullptr;
}

// A save writes its journal's first line before anything else, in one piece: a
// file that starts otherwise (and is not that line cut short) is no save's at all,
// whatever its name.
bool BeginsAsJournal(const std::string& text)
{
    const std::string firstLine = std::string(cSaveJournal::kHeader) + "\n";
    const size_t compared = std::min(text.size(), firstLine.size());
    return text.compare(0, compared, firstLine, 0, compared) == 0;
}

// False when the text is not a journal as a save writes it. A last line without
// its line end was cut by the crash, and counts as not written.
bool ParseJournal(const std::string& text, Journal& journal)
{
    const size_t lastEnd = text.rfind('\n');
    // Cut inside its first line: the save stopped as it began, before anything else.
    if (lastEnd == std::string::npos) return std::string(cSaveJournal::kHeader).compare(0, text.size(), text) == 0;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= lastEnd) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.front() != cSaveJournal::kHeader) return false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> words = SplitWords(lines[i]);
        if (words.size() == 4 && words[0] == "file" && IsPlainName(words[1]) && IsDigits(words[2], kMaxSizeDigits) &&
            IsDigits(words[3], kMaxDigestDigits) && FindFile(journal, words[1]) == nullptr && !journal.replacing) {
            journal.files.push_back(SavedFile{words[1], words[2] + " " + words[3], std::stoull(words[2])});
        } else if (words.size() == 2 && (words[0] == "old" || words[0] == "none") && !journal.replacing) {
            SavedFile* file = FindFile(journal, words[1]);
            if (file == nullptr) return false;
            file->oldKnown = true;
            file->oldKept = words[0] == "old";
        } else if (words.size() == 1 && words[0] == "replacing") {
            journal.replacing = true;
        } else {
            return false;
        }
    }
    return true;
}

// The fingerprint of a regular file of the given size; empty for any other.
std::string FingerprintOf(const std::string& systemPath, uint64_t size)
{
    struct stat info {};
    if (::lstat(systemPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::string();
    if (static_cast<uint64_t>(info.st_size) != size) return std::string();
    std::string bytes;
    if (!ReadBounded(systemPath, static_cast<size_t>(size), bytes)) return std::string();
    return cSaveJournal::Fingerprint(bytes.data(), bytes.size());
}

class cFolderMender {
public:
    cFolderMender(const std::string& folder, const std::string& journalName, const std::string& token)
        : folder_(folder), systemFolder_(ToSystemPath(folder)), journalName_(journalName), token_(token)
    {
    }

    // False (logged) when the folder was left as it was, journal and all.
    bool Mend(Journal& journal)
    {
        if (journal.files.empty()) {
            LogWrite(kSender, kWarning, "Unfinished save %s stopped before it wrote any file: nothing to mend",
                     FormatArg::FromString(JournalGamePath()));
            return true;
        }
        if (!journal.replacing) {
            LogWrite(kSender, kWarning,
                     "Unfinished save %s stopped before any file was replaced; old files kept: %i",
                     FormatArg::FromString(JournalGamePath()),
                     FormatArg::FromInt(static_cast<int32_t>(journal.files.size())));
            return true;
        }
        std::vector<bool> replaced;
        size_t replacedCount = 0;
        for (const SavedFile& file : journal.files) {
            replaced.push_back(FingerprintOf(Target(file), file.size) == file.fingerprint);
            replacedCount += replaced.back() ? 1 : 0;
        }
        if (replacedCount == journal.files.size()) {
            LogWrite(kSender, kWarning, "Unfinished save %s had replaced every file; saved files kept: %i",
                     FormatArg::FromString(JournalGamePath()), FormatArg::FromInt(static_cast<int32_t>(replacedCount)));
            return true;
        }
        if (CanPutBack(journal, replaced)) {
            if (!PutBack(journal, replaced)) return Unmended();
            LogWrite(kSender, kWarning, "Unfinished save %s put back as it was; files restored: %i",
                     FormatArg::FromString(JournalGamePath()), FormatArg::FromInt(static_cast<int32_t>(replacedCount)));
            return true;
        }
        if (CanFinish(journal, replaced)) {
            if (!Finish(journal, replaced)) return Unmended();
            LogWrite(kSender, kWarning, "Unfinished save %s finished; files replaced now: %i",
                     FormatArg::FromString(JournalGamePath()),
                     FormatArg::FromInt(static_cast<int32_t>(journal.files.size() - replacedCount)));
            return true;
        }
        return Unmended();
    }

    // The save's own files, "NAME.tmp.TOKEN" and "NAME.old.TOKEN", then the journal.
    void RemoveOwnFiles()
    {
        const std::string endings[] = {std::string(cSaveJournal::kTemporaryMark) + token_,
                                       std::string(cSaveJournal::kBackupMark) + token_};
        cFolderIterator listing;
        for (PathRecord entry = listing.First(PathRecord(folder_)); !entry.IsEmpty(); entry = listing.Next()) {
            const std::string name = entry.path.substr(entry.path.rfind(kPathSeparator) + 1);
            bool own = false;
            for (const std::string& ending : endings)
                own = own || (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(),
                                                                          ending) == 0);
            if (!own || !IsRegularFile(ToSystemPath(entry.path))) continue;
            if (::unlink(ToSystemPath(entry.path).c_str()) != 0) {
                LogWrite(kSender, kWarning, "File %s left by an unfinished save could not be removed",
                         FormatArg::FromString(entry.path));
                continue;
            }
            LogWrite(kSender, kWarning, "File %s left by an unfinished save removed",
                     FormatArg::FromString(entry.path));
        }
        if (::unlink(ToSystemPath(JournalGamePath()).c_str()) == 0)
            LogWrite(kSender, kWarning, "Journal %s of the unfinished save removed",
                     FormatArg::FromString(JournalGamePath()));
        else
            LogWrite(kSender, kWarning, "Journal %s of the unfinished save could not be removed",
                     FormatArg::FromString(JournalGamePath()));
    }

private:
    std::string JournalGamePath() const { return folder_ + "/" + journalName_; }
    std::string Target(const SavedFile& file) const { return systemFolder_ + "/" + file.name; }
    std::string Backup(const SavedFile& file) const { return Target(file) + cSaveJournal::kBackupMark + token_; }
    std::string Temporary(const SavedFile& file) const
    {
        return Target(file) + cSaveJournal::kTemporaryMark + token_;
    }

    bool Unmended() const
    {
        LogWrite(kSender, kError, "Unfinished save %s could not be mended: its files and journal are kept",
                 FormatArg::FromString(JournalGamePath()));
        return false;
    }

    // Each file replaced has its old one under the backup name, or had none.
    bool CanPutBack(const Journal& journal, const std::vector<bool>& replaced) const
    {
        for (size_t i = 0; i < journal.files.size(); ++i) {
            const SavedFile& file = journal.files[i];
            const bool hadNone = file.oldKnown && !file.oldKept;
            if (replaced[i] && !hadNone && !IsRegularFile(Backup(file))) return false;
        }
        return true;
    }

    bool PutBack(const Journal& journal, const std::vector<bool>& replaced) const
    {
        for (size_t i = 0; i < journal.files.size(); ++i) {
            if (!replaced[i]) continue;
            const SavedFile& file = journal.files[i];
            const bool hadNone = file.oldKnown && !file.oldKept;
            const bool done = hadNone ? ::unlink(Target(file).c_str()) == 0
                                      : std::rename(Backup(file).c_str(), Target(file).c_str()) == 0;
            if (!done) return false;
        }
        return true;
    }

    // Each file not replaced yet has its new bytes whole under the temporary name.
    bool CanFinish(const Journal& journal, const std::vector<bool>& replaced) const
    {
        for (size_t i = 0; i < journal.files.size(); ++i) {
            const SavedFile& file = journal.files[i];
            if (!replaced[i] && FingerprintOf(Temporary(file), file.size) != file.fingerprint) return false;
        }
        return true;
    }

    bool Finish(const Journal& journal, const std::vector<bool>& replaced) const
    {
        for (size_t i = 0; i < journal.files.size(); ++i) {
            const SavedFile& file = journal.files[i];
            if (!replaced[i] && std::rename(Temporary(file).c_str(), Target(file).c_str()) != 0) return false;
        }
        return true;
    }

    std::string folder_;
    std::string systemFolder_;
    std::string journalName_;
    std::string token_;
};

}  // namespace

int RecoverUnfinishedSaves(const std::string& folder)
{
    std::string folderPath = PathRecord(folder).path;
    while (folderPath.size() > 1 && folderPath.back() == kPathSeparator) folderPath.pop_back();
    const std::string prefix = cSaveJournal::kJournalPrefix;
    std::vector<std::string> journalNames;
    cFolderIterator listing;
    for (PathRecord entry = listing.First(PathRecord(folder)); !entry.IsEmpty(); entry = listing.Next()) {
        const std::string name = entry.path.substr(entry.path.rfind(kPathSeparator) + 1);
        if (name.compare(0, prefix.size(), prefix) != 0 || !cSaveJournal::IsToken(name.substr(prefix.size()))) continue;
        if (IsRegularFile(ToSystemPath(entry.path))) journalNames.push_back(name);
    }
    int done = 0;
    for (const std::string& name : journalNames) {
        const std::string gamePath = folderPath + "/" + name;
        std::string text;
        Journal journal;
        const bool read = ReadBounded(ToSystemPath(gamePath), kMaxJournalBytes, text);
        // A file of the user's that only has a journal's name is left alone, unlogged
        // (one that cannot be read at all may still be a save's, and is logged).
        if (!BeginsAsJournal(text)) continue;
        if (!read || !ParseJournal(text, journal)) {
            LogWrite(kSender, kError,
                     "Journal %s of an unfinished save cannot be read: it and the save's files are kept",
                     FormatArg::FromString(gamePath));
            continue;
        }
        cFolderMender mender(folderPath, name, name.substr(prefix.size()));
        if (!mender.Mend(journal)) continue;
        mender.RemoveOwnFiles();
        ++done;
    }
    return done;
}

}  // namespace vrk
