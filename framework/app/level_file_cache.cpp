// LevelFileCache: file names, loading, saving and reordering of the level streams.
#include "framework/app/level_file_cache.h"

#include <utility>

#include "engine/files/replacing_write.h"
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
    levelFileBytes_.assign(levelCount, {});
    map_ = std::make_unique<vrk::cByteStream>();
    achieve_ = std::make_unique<vrk::cByteStream>();
    menu_ = std::make_unique<vrk::cByteStream>();
    comics_ = std::make_unique<vrk::cByteStream>();
}

std::string LevelFileCache::LevelFileName(uint32_t index)
{
    return vrk::FormatStdString(kLevelFormat, FormatArg::FromText(kLevelFolder),
                                FormatArg::FromInt(static_cast<int32_t>(index)));
}

void LevelFileCache::Load(vrk::cByteStream* stream, const std::string& path)
{
    // A missing or empty file keeps the stream empty; the file system logs it.
    if (stream) stream->LoadFromFile(path);
}

bool LevelFileCache::Save(const vrk::cByteStream* stream, const std::string& path)
{
    if (!stream) return false;
    if (stream->SaveToFile(path) == kSaved) return true;
    vrk::LogWrite("cMiddle", "^5", "Level file %s not saved", FormatArg::FromString(path));
    return false;
}

void LevelFileCache::LoadLevelFiles()
{
    for (uint32_t i = 0; i < GetLevelCount(); ++i) {
        Load(levels_[i].get(), LevelFileName(i));
        levelFileBytes_[i] = levels_[i]->Bytes();
    }
    Load(map_.get(), ScreenFileName(kMapFormat));
    Load(achieve_.get(), ScreenFileName(kAchieveFormat));
    Load(menu_.get(), ScreenFileName(kMenuFormat));
    Load(comics_.get(), ScreenFileName(kComicsFormat));
}

bool LevelFileCache::SaveLevelFiles()
{
    std::vector<uint32_t> changed;
    for (uint32_t i = 0; i < GetLevelCount(); ++i) {
        const std::vector<unsigned char>& bytes = levels_[i]->Bytes();
        if (bytes == levelFileBytes_[i]) continue;
        // An empty stream is a level that never loaded (or was emptied): writing it
        // would wipe the level's file.
        if (bytes.empty()) {
            vrk::LogWrite("cMiddle", "^5", "Level file %s kept: no level to save",
                          FormatArg::FromString(LevelFileName(i)));
            continue;
        }
        changed.push_back(i);
    }
    // A level moved in the order is two files: one of them written and the other
    // not would leave a level on disk twice and another lost.
    std::vector<vrk::cPendingWrite> writes(changed.size());
    for (size_t k = 0; k < changed.size(); ++k) {
        const std::vector<unsigned char>& bytes = levels_[changed[k]]->Bytes();
        if (writes[k].Prepare(LevelFileName(changed[k]), bytes.data(), bytes.size()) != kSaved) {
            vrk::LogWrite("cMiddle", "^5", "Level file %s not saved: no level file replaced",
                          FormatArg::FromString(LevelFileName(changed[k])));
            return false;
        }
    }
    bool saved = true;
    for (size_t k = 0; k < changed.size(); ++k) {
        if (writes[k].Commit() != kSaved) {
            vrk::LogWrite("cMiddle", "^5", "Level file %s not saved", FormatArg::FromString(LevelFileName(changed[k])));
            saved = false;
            continue;
        }
        levelFileBytes_[changed[k]] = levels_[changed[k]]->Bytes();
    }
    return saved;
}

bool LevelFileCache::SaveMapFile() { return Save(map_.get(), ScreenFileName(kMapFormat)); }
bool LevelFileCache::SaveAchieveFile() { return Save(achieve_.get(), ScreenFileName(kAchieveFormat)); }
bool LevelFileCache::SaveMenuFile() { return Save(menu_.get(), ScreenFileName(kMenuFormat)); }
bool LevelFileCache::SaveComicsFile() { return Save(comics_.get(), ScreenFileName(kComicsFormat)); }

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
