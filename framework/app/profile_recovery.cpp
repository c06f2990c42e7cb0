// FindProfileFolders: the profile folders on disk, with the names their files hold;
// RecoverUnfinishedProfileSaves: mending what a crash cut short in them.
#include "framework/app/profile_recovery.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/files/byte_stream.h"
#include "engine/files/file_handle.h"
#include "engine/files/folder_iterator.h"
#include "engine/files/save_recovery.h"
#include "engine/log/log.h"
#include "framework/app/profile_id.h"
#include "framework/app/profile_reader.h"

namespace {

constexpr const char* kSender = "cMiddle";
constexpr const char* kWarning = "^5";
constexpr size_t kIdPrefixLength = 3;
constexpr int kDecimal = 10;
// The name is the file's first field: its two length bytes and at most that many.
constexpr size_t kNameFieldBytes = 2 + vrk::cByteStream::kMaxStringBytes;

// Real folders and files only: a link may lead anywhere outside the data folder.
bool IsRealEntry(const std::string& path, std::filesystem::file_type type)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() == type && !error;
}

// Fills name and time from the profile's "middle.dat"; false when there is no
// readable one.
bool ReadProfileFile(const std::string& folder, FoundProfile& profile)
{
    const vrk::PathRecord file(folder + "/" + kPlayerFileName);
    if (!IsRealEntry(file.path, std::filesystem::file_type::regular)) return false;
    vrk::FileHandlePtr handle;
    if (vrk::FileOpen(handle, file, "rb") != vrk::kFileOpened) return false;
    std::vector<unsigned char> head(kNameFieldBytes);
    head.resize(vrk::FileRead(handle.get(), head.data(), 1, head.size()));
    if (head.empty()) return false;
    ProfileReader reader(head);
    if (!reader.ReadString(profile.name)) profile.name.clear();  // a cut name is no name

    std::error_code error;
    const auto savedAt = std::filesystem::last_write_time(file.path, error);
    profile.savedAt = error ? 0 : static_cast<int64_t>(savedAt.time_since_epoch().count());
    return true;
}

// The id and path of each profile folder, in id order.
std::vector<std::pair<std::string, std::string>> ListProfileFolders()
{
    std::vector<std::pair<std::string, std::string>> folderList;
    vrk::cFolderIterator folders;
    for (vrk::PathRecord entry = folders.First(vrk::PathRecord(kProfileRoot)); !entry.IsEmpty();
         entry = folders.Next()) {
        const std::string id = entry.path.substr(entry.path.rfind('/') + 1);
        if (IsValidProfileId(id) && IsRealEntry(entry.path, std::filesystem::file_type::directory))
            folderList.emplace_back(id, entry.path);
    }
    std::sort(folderList.begin(), folderList.end());
    return folderList;
}

}  // namespace

void RecoverUnfinishedProfileSaves()
{
    vrk::RecoverUnfinishedSaves(kProfileRoot);
    for (const auto& [id, folder] : ListProfileFolders()) vrk::RecoverUnfinishedSaves(folder);
}

std::vector<FoundProfile> FindProfileFolders()
{
    // The same order as the list's, so a cut keeps the first profiles of the list.
    const std::vector<std::pair<std::string, std::string>> folderList = ListProfileFolders();

    std::vector<FoundProfile> found;
    for (const auto& [id, folder] : folderList) {
        FoundProfile profile;
        profile.id = id;
        profile.number = static_cast<uint32_t>(std::stoul(id.substr(kIdPrefixLength), nullptr, kDecimal));
        if (!ReadProfileFile(folder, profile)) continue;
        if (found.size() == kMaxFoundProfiles) {
            vrk::LogWrite(kSender, kWarning, "More than %i profile folders; the rest stay unlisted",
                          vrk::FormatArg::FromInt(static_cast<int32_t>(kMaxFoundProfiles)));
            break;
        }
        found.push_back(std::move(profile));
    }
    return found;
}

const FoundProfile* LastSavedProfile(const std::vector<FoundProfile>& profiles)
{
    const FoundProfile* last = nullptr;
    for (const FoundProfile& profile : profiles)
        if (last == nullptr || profile.savedAt > last->savedAt) last = &profile;
    return last;
}
