// LevelFileCache: file names, loading, saving and reordering of the level streams.
#include "framework/app/level_file_cache.h"

#include <utility>

#include "engine/files/replacing_group.h"
#include "engine/files/save_recovery.h"
#include "engine/log/log.h"
#include "engine/text/text_format.h"

namespace {

constexpr const char* kLevelFolder = "{StaticPath}/level/";
constexpr const char* kLevelFormat = "%slevel%03i.lvl";
constexpr const char* kMapFormat = "%smap.lvl";
constexpr const char* kAchieveFormat = "%sachieve.lvl";
constexpr const char* kMenuFormat = "%smenu.lvl";
constexpr const char* kComicsFormat = "%scomics.lvl";
constexpr int kSaved = 0;
constexpr int kTooLarge = 4;
// FNV-1a, 64 bits.
constexpr uint64_t kDigestBasis = 0xcbf29ce484222325ull;
constexpr uint64_t kDigestPrime = 0x100000001b3ull;

using vrk::FormatArg;

std::string ScreenFileName(const char* format)
{
    return vrk::FormatStdString(format, FormatArg::FromText(kLevelFolder));
}

}  // namespace

LevelFileCache::LevelFileCache() = default;

LevelFileCache::~LevelFileCache() = default;

void LevelFileCache::Create(uint32_t levelCount)
{
    levels_.clear();
    levels_.reserve(levelCount);
    for (uint32_t i = 0; i < levelCount; ++i) levels_.push_back(std::make_unique<vrk::cByteStream>());
    levelFileStamps_.assign(levelCount, StampOf({}));
    levelFileTooLarge_.assign(levelCount, false);
    for (ScreenFile* file : {&map_, &achieve_, &menu_, &comics_}) *file = ScreenFile{std::make_unique<vrk::cByteStream>()};
}

std::string LevelFileCache::LevelFileName(uint32_t index)
{
    return vrk::FormatStdString(kLevelFormat, FormatArg::FromText(kLevelFolder),
                                FormatArg::FromInt(static_cast<int32_t>(index)));
}

LevelFileCache::FileStamp LevelFileCache::StampOf(const std::vector<unsigned char>& bytes)
{
    uint64_t digest = kDigestBasis;
    for (const unsigned char byte : bytes) digest = (digest ^ byte) * kDigestPrime;
    return FileStamp{bytes.size(), digest};
}

bool LevelFileCache::Load(vrk::cByteStream& stream, const std::string& path)
{
    // A missing, empty or too large file keeps the stream empty; the stream's
    // load logs why.
    return stream.LoadFromFile(path, kMaxLevelFileBytes) != kTooLarge;
}

bool LevelFileCache::Save(const ScreenFile& file, const std::string& path) const
{
    if (!file.stream) return false;
    if (file.tooLarge) {
        vrk::LogWrite("cMiddle", "^5", "Level file %s not saved: it was too large to be read and is kept",
                      FormatArg::FromString(path));
        return false;
    }
    // Through a group of one, so that a crash part-way leaves a journal that names
    // the temporary, and the next start removes it.
    vrk::cReplacingGroup group(rename_, stepHook_);
    const std::vector<unsigned char>& bytes = file.stream->Bytes();
    if (group.Add(path, bytes.data(), bytes.size()) == kSaved && group.Commit() == kSaved) return true;
    vrk::LogWrite("cMiddle", "^5", "Level file %s not saved", FormatArg::FromString(path));
    return false;
}

void LevelFileCache::LoadLevelFiles()
{
    // Only one copy of the game runs, so no save is under way: a save cut short by
    // a crash is mended from its journal before any level is read.
    vrk::RecoverUnfinishedSaves(kLevelFolder);
    for (uint32_t i = 0; i < GetLevelCount(); ++i) {
        levelFileTooLarge_[i] = !Load(*levels_[i], LevelFileName(i));
        levelFileStamps_[i] = StampOf(levels_[i]->Bytes());
    }
    map_.tooLarge = !Load(*map_.stream, ScreenFileName(kMapFormat));
    achieve_.tooLarge = !Load(*achieve_.stream, ScreenFileName(kAchieveFormat));
    menu_.tooLarge = !Load(*menu_.stream, ScreenFileName(kMenuFormat));
    comics_.tooLarge = !Load(*comics_.stream, ScreenFileName(kComicsFormat));
}

bool LevelFileCache::SaveLevelFiles()
{
    std::vector<uint32_t> changed;
    for (uint32_t i = 0; i < GetLevelCount(); ++i) {
        const std::vector<unsigned char>& bytes = levels_[i]->Bytes();
        if (StampOf(bytes) == levelFileStamps_[i]) continue;
        // An empty stream is a level that never loaded (or was emptied): writing it
        // would wipe the level's file.
        if (bytes.empty()) {
            vrk::LogWrite("cMiddle", "^5", "Level file %s kept: no level to save",
                          FormatArg::FromString(LevelFileName(i)));
            continue;
        }
        // Whatever that file holds was never seen, so nothing may replace it.
        if (levelFileTooLarge_[i]) {
            vrk::LogWrite("cMiddle", "^5",
                          "Level file %s not saved: it was too large to be read and is kept; no level file replaced",
                          FormatArg::FromString(LevelFileName(i)));
            return false;
        }
        changed.push_back(i);
    }
    // A level moved in the order is two files: one of them written and the other
    // not would leave a level on disk twice and another lost.
    vrk::cReplacingGroup group(rename_, stepHook_);
    for (const uint32_t index : changed) {
        const std::vector<unsigned char>& bytes = levels_[index]->Bytes();
        if (group.Add(LevelFileName(index), bytes.data(), bytes.size()) != kSaved) {
            vrk::LogWrite("cMiddle", "^5", "Level file %s not saved: no level file replaced",
                          FormatArg::FromString(LevelFileName(index)));
            return false;
        }
    }
    if (group.Commit() != kSaved) {
        vrk::LogWrite("cMiddle", "^5", "Level files not saved: no level file replaced");
        return false;
    }
    for (const uint32_t index : changed) levelFileStamps_[index] = StampOf(levels_[index]->Bytes());
    return true;
}

bool LevelFileCache::SaveMapFile() { return Save(map_, ScreenFileName(kMapFormat)); }
bool LevelFileCache::SaveAchieveFile() { return Save(achieve_, ScreenFileName(kAchieveFormat)); }
bool LevelFileCache::SaveMenuFile() { return Save(menu_, ScreenFileName(kMenuFormat)); }
bool LevelFileCache::SaveComicsFile() { return Save(comics_, ScreenFileName(kComicsFormat)); }

uint32_t LevelFileCache::MoveEntryUp(uint32_t index)
{
    if (index == 0 || index >= GetLevelCount()) return index;
    std::swap(levels_[index], levels_[index - 1]);
    return index - 1;
}

uint32_t LevelFileCache::MoveEntryDown(uint32_t index)
{
    // Written so that index + 1 cannot wrap around.
    if (index >= GetLevelCount() || GetLevelCount() - index < 2) return index;
    std::swap(levels_[index], levels_[index + 1]);
    return index + 1;
}

void LevelFileCache::ResetEntry(uint32_t index)
{
    // Emptied in place: a screen may still hold the stream.
    if (index < GetLevelCount()) *levels_[index] = vrk::cByteStream();
}

vrk::cByteStream* LevelFileCache::GetLevelStream(uint32_t index)
{
    return index < GetLevelCount() ? levels_[index].get() : nullptr;
}
