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
#include "engine/files/replacing_group.h"

class LevelFileCache {
public:
    // The largest level file read: hundreds of times the largest made so far (under
    // 12 KB, the screens' files included), small enough that forty of them cost
    // little memory. A larger file is not read (logged; its stream stays empty, as
    // for any unreadable file) and no save replaces it.
    static constexpr uint64_t kMaxLevelFileBytes = uint64_t(4) * 1024 * 1024;

    LevelFileCache();
    ~LevelFileCache();
    LevelFileCache(const LevelFileCache&) = delete;
    LevelFileCache& operator=(const LevelFileCache&) = delete;

    // Makes levelCount empty level streams and the four empty screen streams,
    // replacing any there were.
    void Create(uint32_t levelCount);

    // Mends what an unfinished save left in the level folder (logged), then fills
    // every stream from its file: levels in index order, then map, achievements,
    // menu and comics. A missing, empty or too large file leaves its stream empty.
    void LoadLevelFiles();
    // Writes every level stream whose bytes differ from its file as last read or
    // written, so a file changed on disk since then is not reverted by a save of
    // another level. All of them go to temporary files first and replace the old
    // files only when every one was written; a replacement that fails after others
    // puts those back. Either way a failure leaves every old file, and the answer
    // is false (logged); so too when a changed level would replace a file too
    // large to have been read. Empty level streams are skipped (and logged),
    // keeping their files.
    bool SaveLevelFiles();
    // The file layer's rename that the saves use; replaceable so that a rename
    // failing part-way through a save can be tried.
    void SetRenameCall(vrk::RenameCall rename) { rename_ = rename; }
    // Called after each step of a save that changes the disk; a test stops the
    // save there as a crash would.
    void SetSaveStepHook(vrk::SaveStepHook hook) { stepHook_ = hook; }
    // Each writes its stream's bytes unchanged; false when the file was not
    // written (logged with the file; the old file stays), as for a file too large
    // to have been read.
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
    vrk::cByteStream* GetMapStream() { return map_.stream.get(); }
    vrk::cByteStream* GetAchieveStream() { return achieve_.stream.get(); }
    vrk::cByteStream* GetMenuStream() { return menu_.stream.get(); }
    vrk::cByteStream* GetComicsStream() { return comics_.stream.get(); }

    // "{StaticPath}/level/level%03i.lvl": the file of the stream at index.
    static std::string LevelFileName(uint32_t index);

private:
    using StreamPtr = std::unique_ptr<vrk::cByteStream>;

    // What a file held, as its size and the 64-bit FNV-1a digest of its bytes:
    // enough to tell a changed stream without a second copy of every level.
    struct FileStamp {
        uint64_t size = 0;
        uint64_t digest = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct ScreenFile {
        StreamPtr stream;
        bool tooLarge = false;
    };

    static FileStamp StampOf(const std::vector<unsigned char>& bytes);
    // False when the file was too large to be read (its stream then stays empty).
    static bool Load(vrk::cByteStream& stream, const std::string& path);
    bool Save(const ScreenFile& file, const std::string& path) const;

    std::vector<StreamPtr> levels_;
    // Per level index (per file, not per stream: a moved level differs from the
    // file at its new place): what the file held when last read or written, and
    // whether it was too large to be read.
    std::vector<FileStamp> levelFileStamps_;
    std::vector<bool> levelFileTooLarge_;
    ScreenFile map_;
    ScreenFile achieve_;
    ScreenFile menu_;
    ScreenFile comics_;
    vrk::RenameCall rename_ = &vrk::RenameFile;
    vrk::SaveStepHook stepHook_ = nullptr;
};
