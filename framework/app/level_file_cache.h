// LevelFileCache: the in-memory copies of every level file. All level files are
// read once at the end of loading; the screens load their scenes from these streams,
// and only the level editor changes them and writes them back to
// "{StaticPath}/level/". The application object owns one.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"

class LevelFileCache {
public:
    LevelFileCache();
    ~LevelFileCache();
    LevelFileCache(const LevelFileCache&) = delete;
    LevelFileCache& operator=(const LevelFileCache&) = delete;

    // Makes levelCount empty level streams and the four empty screen streams,
    // replacing any there were.
    void Create(uint32_t levelCount);

    // Fills every stream from its file: levels in index order, then map,
    // achievements, menu and comics. A missing or empty file leaves its stream empty.
    void LoadLevelFiles();
    // Writes every level stream whose bytes differ from its file as last read or
    // written, so a file changed on disk since then is not reverted by a save of
    // another level. All of them go to temporary files first and replace the old
    // files only when every one was written; otherwise the temporaries are removed,
    // every old file stays and the answer is false (logged). Empty level streams
    // are skipped (and logged), keeping their files.
    bool SaveLevelFiles();
    // Each writes its stream's bytes unchanged; false when the file was not
    // written (logged with the file; the old file stays).
    bool SaveMapFile();
    bool SaveAchieveFile();
    bool SaveMenuFile();
    bool SaveComicsFile();

    // Swap level index with its neighbour and return the index it now has; an
    // index without that neighbour changes nothing and comes back as it was.
    uint32_t MoveEntryUp(uint32_t index);
    uint32_t MoveEntryDown(uint32_t index);
    // Empties the level stream at index (no bytes, cursor 0).
    void ResetEntry(uint32_t index);

    uint32_t GetLevelCount() const { return static_cast<uint32_t>(levels_.size()); }
    // Null for an index outside the levels (or before Create).
    vrk::cByteStream* GetLevelStream(uint32_t index);
    vrk::cByteStream* GetMapStream() { return map_.get(); }
    vrk::cByteStream* GetAchieveStream() { return achieve_.get(); }
    vrk::cByteStream* GetMenuStream() { return menu_.get(); }
    vrk::cByteStream* GetComicsStream() { return comics_.get(); }

    // "{StaticPath}/level/level%03i.lvl": the file of the stream at index.
    static std::string LevelFileName(uint32_t index);

private:
    using StreamPtr = std::unique_ptr<vrk::cByteStream>;

    static void Load(vrk::cByteStream* stream, const std::string& path);
    static bool Save(const vrk::cByteStream* stream, const std::string& path);

    std::vector<StreamPtr> levels_;
    // Per level index (per file, not per stream: a moved level differs from the
    // file at its new place): the bytes the file held when last read or written.
    std::vector<std::vector<unsigned char>> levelFileBytes_;
    StreamPtr map_;
    StreamPtr achieve_;
    StreamPtr menu_;
    StreamPtr comics_;
};
