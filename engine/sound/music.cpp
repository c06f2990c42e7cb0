// cMusic: module and stream music by name, with restart at a start order, looping
// and volume fades.
#include "engine/sound/music.h"

#include <cmath>
#include <limits>

#include "engine/log/log.h"

namespace vrk {

namespace {

constexpr const char* kSender = "cMusic";
constexpr const char* kWarning = "^5";
constexpr double kMillisecondsPerSecond = 1000.0;
// Module positions carry the order in their low 16 bits.
constexpr int32_t kOrderMask = 0xFFFF;

// Music asked to play while the application is inactive must still start, so the
// output pause is lifted for the call and put back on every way out.
class PauseLift {
public:
    explicit PauseLift(cSoundManager& manager) : manager_(manager), lifted_(manager.paused)
    {
        if (lifted_)
            manager_.Audio().Start();
    }
    ~PauseLift()
    {
        if (!lifted_)
            return;
        manager_.paused = true;
        manager_.Audio().Pause();
    }
    PauseLift(const PauseLift&) = delete;
    PauseLift& operator=(const PauseLift&) = delete;

private:
    cSoundManager& manager_;
    bool lifted_;
};

uint32_t SlideMilliseconds(float seconds)
{
    const double milliseconds = static_cast<double>(seconds) * kMillisecondsPerSecond;
    if (!std::isfinite(milliseconds) || milliseconds <= 0.0)
        return 0;
    if (milliseconds >= static_cast<double>(std::numeric_limits<uint32_t>::max()))
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(milliseconds);
}

}  // namespace

cMusic::cMusic(const std::string& name, const std::string& bufferName, uint16_t startOrder, int32_t secondPosition,
               cSoundManager* owner)
    : name_(name), kind_(kModule), startOrder_(startOrder), secondPosition_(secondPosition), owner_(owner)
{
    bufferIndex_ = owner_ ? owner_->FindMusicBuffer(bufferName) : 0;
    Register();
}

cMusic::cMusic(const std::string& streamBufferName, cSoundManager* owner)
    : name_(streamBufferName), kind_(kStream), owner_(owner)
{
    bufferIndex_ = owner_ ? owner_->FindStreamBuffer(streamBufferName) : 0;
    Register();
}

cMusic::cMusic(const std::string& name, const std::string& bufferName, cSoundManager* owner)
    : cMusic(name, bufferName, 0, 0, owner)
{
}

void cMusic::Register()
{
    if (owner_)
        owner_->music.emplace_back(this);
}

port::ChannelHandle cMusic::GetHandle() const
{
    if (!owner_ || bufferIndex_ == 0)
        return port::kNoChannel;
    if (kind_ == kStream) {
        const auto* buffer = owner_->GetStreamBuffer(bufferIndex_);
        return buffer ? buffer->handle : port::kNoChannel;
    }
    const auto* buffer = owner_->GetMusicBuffer(bufferIndex_);
    return buffer ? buffer->handle : port::kNoChannel;
}

bool cMusic::IsPlaying() const
{
    const port::ChannelHandle channel = GetHandle();
    return channel != port::kNoChannel && owner_->Audio().State(channel) == port::ChannelState::kPlaying;
}

bool cMusic::SetChannelVolume(float volume)
{
    const port::ChannelHandle channel = GetHandle();
    return channel != port::kNoChannel &&
           owner_->Audio().SetAttribute(channel, port::ChannelAttribute::kVolume, volume);
}

bool cMusic::Play()
{
    const port::ChannelHandle channel = GetHandle();
    if (channel == port::kNoChannel) {
        LogWrite(kSender, kWarning, "Play: invalid music '%s'", FormatArg::FromString(name_));
        return false;
    }
    PauseLift lift(*owner_);
    if (kind_ == kStream)
        return owner_->Audio().Play(channel, false);
    return PlayModule(channel);
}

bool cMusic::PlayModule(port::ChannelHandle channel)
{
    port::AudioSystem& audio = owner_->Audio();
    port::ModulePosition position;
    const bool known = audio.GetModulePosition(channel, position);
    if (!known || (position.order & kOrderMask) != startOrder_) {
        if (!audio.SetModulePosition(channel, port::ModulePosition{startOrder_, 0})) {
            LogWrite(kSender, kWarning, "Play: BASS_ChannelSetPosition");
            return false;
        }
    }
    return audio.Play(channel, false);
}

bool cMusic::SetLoop()
{
    const port::ChannelHandle channel = GetHandle();
    return channel != port::kNoChannel && owner_->Audio().SetLooping(channel, true);
}

bool cMusic::Fade(bool fadeIn, float seconds)
{
    const port::ChannelHandle channel = GetHandle();
    if (channel == port::kNoChannel)
        return false;
    port::AudioSystem& audio = owner_->Audio();
    float target = port::kVolumeStopsChannel;
    if (fadeIn) {
        SetChannelVolume(0.0f);
        const int32_t groupVolume = audio.GroupVolume(port::AudioGroup::kMusic);
        target = groupVolume > port::kFullGroupVolume
                     ? 0.0f
                     : static_cast<float>(groupVolume / static_cast<double>(port::kFullGroupVolume));
    }
    return audio.SlideAttribute(channel, port::ChannelAttribute::kVolume, target, SlideMilliseconds(seconds));
}

}  // namespace vrk
