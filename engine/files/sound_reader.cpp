// The sound readers: the whole file is read through the file system, then handed
// to the sound manager's audio layer.
#include "engine/files/sound_reader.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "engine/files/file_handle.h"
#include "engine/log/log.h"
#include "engine/sound/sound_manager.h"

namespace vrk {

namespace {

constexpr const char* kSender = "cDataManager";
constexpr const char* kWarning = "^5";

using Block = std::vector<uint8_t>;

// kSoundReadOk with the file's bytes in `block`, or the reader's failure code.
int ReadWholeFile(const PathRecord& path, Block& block)
{
    FileHandlePtr file;
    if (FileOpen(file, path, "rb") != kFileOpened)
        return kSoundCannotOpen;
    try {
        if (!FileReadAll(file.get(), block)) {
            // Far too large to be a sound: the layer would refuse it anyway.
            LogWrite(kSender, kWarning, "File %s is too large", FormatArg::FromString(path.path));
            return kSoundDataRefused;
        }
    } catch (const std::exception&) {
        block.clear();
        return kSoundDataRefused;
    }
    return block.empty() ? kSoundEmpty : kSoundReadOk;
}

port::AudioSystem* Audio()
{
    cSoundManager* manager = GetSoundManager();
    return manager ? &manager->Audio() : nullptr;
}

}  // namespace

int ReadSoundBuffer(SampleRecord& record, const PathRecord& path)
{
    Block block;
    if (const int result = ReadWholeFile(path, block); result != kSoundReadOk && result != kSoundDataRefused)
        return result;
    const int32_t playbacks = std::clamp(record.maxPlaybacks, kMinSamplePlaybacks, kMaxSamplePlaybacks);
    port::AudioSystem* audio = Audio();
    record.handle = audio && !block.empty() ? audio->LoadSample(block.data(), block.size(), playbacks)
                                            : port::kNoSample;
    if (record.handle == port::kNoSample) {
        LogWrite(kSender, kWarning, "ReadSoundBuffer: BASS_SampleLoad %s", FormatArg::FromString(path.path));
        return kSoundDataRefused;
    }
    return kSoundReadOk;
}

int ReadMusicBuffer(MusicRecord& record, const PathRecord& path)
{
    Block block;
    if (const int result = ReadWholeFile(path, block); result != kSoundReadOk && result != kSoundDataRefused)
        return result;
    port::AudioSystem* audio = Audio();
    record.handle = audio && !block.empty() ? audio->LoadModule(block.data(), block.size()) : port::kNoChannel;
    if (record.handle == port::kNoChannel) {
        LogWrite(kSender, kWarning, "ReadMusicBuffer: %s", FormatArg::FromString(path.path));
        return kSoundDataRefused;
    }
    return kSoundReadOk;
}

int ReadStreamBuffer(StreamRecord& record, const PathRecord& path)
{
    Block block;
    if (const int result = ReadWholeFile(path, block); result != kSoundReadOk && result != kSoundDataRefused)
        return result;
    port::AudioSystem* audio = Audio();
    port::AudioBytes bytes;
    if (audio && !block.empty()) {
        bytes = std::make_shared<const Block>(std::move(block));
        record.handle = audio->LoadStream(bytes);
    } else {
        record.handle = port::kNoChannel;
    }
    if (record.handle == port::kNoChannel) {
        LogWrite(kSender, kWarning, "ReadStreamBuffer: %s", FormatArg::FromString(path.path));
        return kSoundDataRefused;
    }
    record.bytes = std::move(bytes);
    return kSoundReadOk;
}

}  // namespace vrk
