// cPlayerBase: creation, renaming, the current level and "middle.dat".
#include "framework/app/player_base.h"

#include <algorithm>

#include "engine/files/byte_stream.h"
#include "engine/files/file_system.h"
#include "engine/log/log.h"
#include "framework/app/player_list.h"
#include "framework/app/profile_id.h"
#include "framework/app/profile_reader.h"

namespace {

constexpr const char* kSender = "cPlayerBase";
constexpr const char* kWarning = "^5";
constexpr int kLoaded = 0;

}  // namespace

cPlayerBase::cPlayerBase(PlayerList& list, const std::string& id) : list_(list), id_(id)
{
    const PlayerList::Counts counts = list_.GetCounts();
    levelCount_ = counts.levels;
    achievementProgress.assign(counts.achievements, 0.0f);
    achievementNewFlags.assign(counts.achievements, 0);
    nameValues.assign(counts.names, 0);
    levelRecords.resize(counts.levels);

    if (id_.empty()) id_ = list_.AddNewProfile();
    const std::string folder = PlayerList::GetPlayerFolder(id_);
    if (!folder.empty() && !vrk::IsFolder(folder)) {
        vrk::CreateFolder(folder);
        vrk::SetEveryoneFullAccess(folder);
    }
    if (!levelRecords.empty()) levelRecords.front().state = kLevelOpen;
}

cPlayerBase::~cPlayerBase() = default;

void cPlayerBase::SetName(const std::string& name)
{
    name_ = name;
    list_.SetPlayerName(id_, name_);
}

void cPlayerBase::SetCurrentLevel(int32_t index)
{
    if (levelCount_ == 0) return;
    const int64_t last = static_cast<int64_t>(levelCount_) - 1;
    currentLevel = static_cast<uint32_t>(std::clamp<int64_t>(index, 0, last));
}

std::string cPlayerBase::GetFilePath() const
{
    const std::string folder = PlayerList::GetPlayerFolder(id_);
    return folder.empty() ? std::string() : folder + kPlayerFileName;
}

bool cPlayerBase::Load()
{
    const std::string path = GetFilePath();
    if (path.empty()) return false;
    vrk::cByteStream stream;
    if (stream.LoadFromFile(path) != kLoaded) return false;

    // Read over a copy, so that a damaged file leaves the profile as it was.
    std::string loadedName = name_;
    PlayerProgress loaded = *this;
    ProfileReader reader(stream.Bytes());
    if (!ReadPlayerFile(reader, loadedName, loaded)) {
        vrk::LogWrite(kSender, kWarning, "Player file %s is damaged; the profile starts afresh",
                      vrk::FormatArg::FromString(path));
        stream.SaveToFile(path + kDamagedFileSuffix);
        return false;
    }
    const uint32_t storedLevel = loaded.currentLevel;
    loaded.currentLevel = currentLevel;
    static_cast<PlayerProgress&>(*this) = std::move(loaded);
    name_ = std::move(loadedName);
    // A stored level past the records would index outside them.
    SetCurrentLevel(static_cast<int32_t>(storedLevel));
    return true;
}

void cPlayerBase::Save()
{
    const std::string path = GetFilePath();
    if (path.empty()) return;
    vrk::cByteStream stream;
    WritePlayerFile(stream, name_, *this);
    stream.SaveToFile(path);
}
