// PlayerList: the profile list file, logon, adding and deleting profiles.
#include "framework/app/player_list.h"

#include <utility>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/files/file_system.h"
#include "engine/log/log.h"
#include "framework/app/player_base.h"
#include "framework/app/profile_id.h"
#include "framework/app/profile_reader.h"
#include "framework/app/profile_recovery.h"

namespace {

constexpr const char* kSender = "cMiddle";
constexpr const char* kText = "^6";
constexpr const char* kWarning = "^5";
constexpr const char* kError = "^4";
constexpr int kLoaded = 0;
constexpr float kUnlocked = 1.0f;
// An entry of the list is two strings of at least their two length bytes.
constexpr size_t kMinEntryBytes = 4;
// Recovered profiles named one by one in the log; the count covers the rest.
constexpr size_t kMaxRecoveryLines = 20;

using vrk::FormatArg;

}  // namespace

PlayerList::PlayerList(PlayerFactory factory, CountsSource counts)
    : factory_(std::move(factory)), counts_(std::move(counts))
{
}

PlayerList::~PlayerList() = default;

PlayerList::Counts PlayerList::GetCounts() const { return counts_ ? counts_() : Counts{}; }

bool PlayerList::ReadPlayerList(std::string& activeId)
{
    activeId.clear();
    vrk::cByteStream stream;
    if (stream.LoadFromFile(kProfileListFile) != kLoaded) {
        // Nothing there is a first start; a file there that gives no bytes is a
        // list that was lost, most likely by a write cut short.
        if (!vrk::FileExists(kProfileListFile)) return false;
        vrk::LogWrite(kSender, kWarning, "Profile list %s is empty or cannot be read; it is not used",
                      FormatArg::FromText(kProfileListFile));
        stream.SaveToFile(std::string(kProfileListFile) + kDamagedFileSuffix);
        RecoverPlayerList(activeId);
        return false;
    }

    ProfileReader reader(stream.Bytes());
    const uint32_t nextNumber = reader.ReadInt32();
    uint32_t count = 0;
    bool intact = reader.ReadCount(count, kMinEntryBytes);
    std::map<std::string, std::string> entries;
    int32_t refused = 0;
    for (uint32_t i = 0; intact && i < count; ++i) {
        std::string id;
        std::string name;
        intact = reader.ReadString(id) && reader.ReadString(name);
        if (!intact) break;
        if (IsValidProfileId(id))
            entries[id] = std::move(name);
        else
            ++refused;
    }
    std::string storedActive;
    intact = intact && reader.ReadString(storedActive);
    if (!intact) {
        vrk::LogWrite(kSender, kWarning, "Profile list %s is damaged; it is not used",
                      FormatArg::FromText(kProfileListFile));
        stream.SaveToFile(std::string(kProfileListFile) + kDamagedFileSuffix);
        RecoverPlayerList(activeId);
        return false;
    }

    // One line for all of them: a hostile list may hold thousands.
    if (refused > 0)
        vrk::LogWrite(kSender, kWarning, "Profile list: %i entries with a malformed id skipped",
                      FormatArg::FromInt(refused));
    nextProfileNumber_ = nextNumber;
    for (auto& [id, name] : entries) players_[id] = std::move(name);
    if (!storedActive.empty() && !IsValidProfileId(storedActive)) {
        vrk::LogWrite(kSender, kWarning, "Profile id '%s' refused", FormatArg::FromString(storedActive));
        storedActive.clear();
    }
    activeId = std::move(storedActive);
    return true;
}

void PlayerList::RecoverPlayerList(std::string& activeId)
{
    const std::vector<FoundProfile> found = FindProfileFolders();
    if (found.empty()) {
        vrk::LogWrite(kSender, kWarning, "No profile folders to rebuild the profile list from");
        return;
    }
    for (size_t i = 0; i < found.size(); ++i) {
        const FoundProfile& profile = found[i];
        players_[profile.id] = profile.name;
        // Past every recovered id, so a new profile never takes one of their numbers.
        if (profile.number >= nextProfileNumber_) nextProfileNumber_ = profile.number + 1;
        if (i < kMaxRecoveryLines)
            vrk::LogWrite(kSender, kWarning, "Recovered profile '%s' named '%s'", FormatArg::FromString(profile.id),
                          FormatArg::FromString(profile.name));
    }
    activeId = LastSavedProfile(found)->id;
    vrk::LogWrite(kSender, kWarning, "Profile list rebuilt from %i profile folders; '%s' was saved last",
                  FormatArg::FromInt(static_cast<int32_t>(found.size())), FormatArg::FromString(activeId));
}

int32_t PlayerList::SavePlayerList()
{
    vrk::cByteStream stream;
    stream.WriteInt32(nextProfileNumber_);
    stream.WriteInt32(static_cast<uint32_t>(players_.size()));
    for (const auto& [id, name] : players_) {
        stream.WriteString(id);
        stream.WriteString(name);
    }
    stream.WriteString(activePlayer_ ? activePlayer_->GetId() : std::string());
    stream.SaveToFile(kProfileListFile);
    return 0;
}

std::string PlayerList::AddPlayer(const std::string& name)
{
    std::unique_ptr<cPlayerBase> player = factory_ ? factory_(std::string()) : nullptr;
    if (!player) return std::string();
    player->SetName(name);
    player->Save();
    const std::string id = player->GetId();
    player.reset();
    SavePlayerList();
    return id;
}

int32_t PlayerList::DeletePlayer(const std::string& id)
{
    if (!activePlayer_) {
        vrk::LogWrite(kSender, kText, "Active player not found. Delete '%s' canceled.", FormatArg::FromString(id));
        return kDeleteNoActivePlayer;
    }
    if (id == activePlayer_->GetId()) {
        vrk::LogWrite(kSender, kText, "Can't delete active player: %s", FormatArg::FromString(id));
        return kDeleteActivePlayer;
    }
    // Only a listed, well-formed id names a folder that may be removed.
    if (!IsValidProfileId(id) || players_.count(id) == 0) {
        vrk::LogWrite(kSender, kWarning, "Player '%s' not found. Delete canceled.", FormatArg::FromString(id));
        return kDeleteUnknownPlayer;
    }
    // Named without the trailing "/": a profile folder that is a link goes as a link.
    if (!vrk::RemoveFolderTree(vrk::PathRecord(kProfileRoot + id)))
        vrk::LogWrite(kSender, kWarning, "Folder of player '%s' not removed", FormatArg::FromString(id));
    players_.erase(id);
    SavePlayerList();
    vrk::LogWrite(kSender, kText, "Player '%s' is deleted", FormatArg::FromString(id));
    return kPlayerDeleted;
}

int32_t PlayerList::LogonPlayer(const std::string& id)
{
    if (!id.empty() && !IsValidProfileId(id)) {
        vrk::LogWrite(kSender, kWarning, "Profile id '%s' refused", FormatArg::FromString(id));
        return kLogonRefused;
    }
    if (activePlayer_ && activePlayer_->GetId() == id) return kPlayerLoggedOn;
    if (activePlayer_) {
        vrk::LogWrite(kSender, kText, "Logoff player with id '%s'", FormatArg::FromString(activePlayer_->GetId()));
        activePlayer_->Save();
        activePlayer_.reset();
    }
    activePlayer_ = factory_ ? factory_(id) : nullptr;
    if (!activePlayer_) {
        vrk::LogWrite(kSender, kError, "Player with id '%s' not created", FormatArg::FromString(id));
        return kLogonRefused;
    }
    activePlayer_->Load();  // a missing file leaves a fresh profile
    vrk::LogWrite(kSender, kText, "Logon player with id '%s'", FormatArg::FromString(activePlayer_->GetId()));
    return kPlayerLoggedOn;
}

std::string PlayerList::GetPlayerFolder(const std::string& id)
{
    if (id.empty()) return std::string();
    if (!IsValidProfileId(id)) {
        vrk::LogWrite(kSender, kWarning, "Profile id '%s' refused", FormatArg::FromString(id));
        return std::string();
    }
    return kProfileRoot + id + "/";
}

std::string PlayerList::FindPlayerByName(const std::string& name) const
{
    for (const auto& [id, playerName] : players_)
        if (playerName == name) return id;
    return std::string();
}

bool PlayerList::UnlockAchievement(size_t index)
{
    if (!activePlayer_) return false;
    cPlayerBase& player = *activePlayer_;
    if (index >= player.achievementProgress.size()) return false;
    if (player.achievementProgress[index] >= kUnlocked) return false;
    player.achievementProgress[index] = kUnlocked;
    if (index < player.achievementNewFlags.size()) player.achievementNewFlags[index] = 1;
    return true;
}

std::string PlayerList::AddNewProfile()
{
    // A stale list may still name a number whose profile exists on disk; never
    // hand out an id that is listed or whose folder is there.
    for (uint32_t tried = 0; tried <= kMaxProfileNumber; ++tried) {
        if (nextProfileNumber_ > kMaxProfileNumber) nextProfileNumber_ = 0;
        const std::string id = MakeProfileId(nextProfileNumber_++);
        if (players_.count(id) != 0 || vrk::FileExists(kProfileRoot + id)) continue;
        players_[id] = std::string();
        return id;
    }
    vrk::LogWrite(kSender, kError, "No profile number left");
    return std::string();
}

void PlayerList::SetPlayerName(const std::string& id, const std::string& name)
{
    if (IsValidProfileId(id)) players_[id] = name;
}
