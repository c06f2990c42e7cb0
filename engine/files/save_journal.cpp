// cSaveJournal: making, appending to and removing a group save's journal.
#include "engine/files/save_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "engine/files/file_system.h"
#include "engine/files/replacing_write.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

const char* const kSender = "File";
const char* const kRandomPart = "XXXXXX";
constexpr uint64_t kDigestBasis = 0xcbf29ce484222325ull;
constexpr uint64_t kDigestPrime = 0x100000001b3ull;

// A new name in a folder lasts through a crash only once the folder is flushed.
void FlushFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

cSaveJournal::~cSaveJournal() { Finish(); }

bool cSaveJournal::Begin(const std::string& folder)
{
    Finish();
    const std::string pattern = folder + "/" + kJournalPrefix + kRandomPart;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor_ < 0) return false;
    folder_ = folder;
    path_ = name.data();
    token_ = path_.substr(path_.size() - kTokenLength);
    if (::fchmod(descriptor_, kFileMode) != 0 || !Append(kHeader)) {
        Finish();
        return false;
    }
    FlushFolder(folder_);
    return true;
}

bool cSaveJournal::Append(const std::string& line)
{
    if (descriptor_ < 0) return false;
    const std::string text = line + "\n";
    return WriteAllBytes(descriptor_, text.data(), text.size()) && ::fsync(descriptor_) == 0;
}

bool cSaveJournal::AddFile(const std::string& name, const void* data, size_t size)
{
    return Append("file " + name + " " + Fingerprint(data, size));
}

bool cSaveJournal::AddOldFile(const std::string& name, bool kept)
{
    return Append((kept ? "old " : "none ") + name);
}

bool cSaveJournal::MarkReplacing() { return Append("replacing"); }

void cSaveJournal::Finish()
{
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (!path_.empty() && ::unlink(path_.c_str()) != 0)
        LogWrite(kSender, "^5", "Journal %s of a save could not be removed", FormatArg::FromString(path_));
    path_.clear();
    token_.clear();
}

void cSaveJournal::Keep()
{
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    path_.clear();
    token_.clear();
}

std::string cSaveJournal::Fingerprint(const void* data, size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    uint64_t digest = kDigestBasis;
    for (size_t i = 0; i < size; ++i) digest = (digest ^ bytes[i]) * kDigestPrime;
    return std::to_string(size) + " " + std::to_string(digest);
}

bool cSaveJournal::IsToken(const std::string& text)
{
    if (text.size() != kTokenLength) return false;
    for (const char c : text) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) return false;
    }
    return true;
}

}  // namespace vrk
