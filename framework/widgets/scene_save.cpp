// cSceneSave: loading, storing and saving a screen's scene, refusing a scene read
// only in part.
#include "framework/widgets/scene_save.h"

#include "engine/files/byte_stream.h"
#include "engine/log/log.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr const char* kClickSound = "click";

}  // namespace

cSceneSave::cSceneSave(const char* sender, Notices notices) : sender_(sender), notices_(notices) {}

bool cSceneSave::Load(cBaseWidget& screen, vrk::cByteStream& stream, int32_t hint)
{
    loadedWhole_ = screen.LoadLevel(stream, hint);
    return loadedWhole_;
}

bool cSceneSave::Store(cBaseWidget& screen, vrk::cByteStream& stream, uint32_t version,
                       const std::string& what) const
{
    if (!loadedWhole_) {
        vrk::LogWrite(sender_, "^5", "%s loaded only in part and is not stored", vrk::FormatArg::FromString(what));
        return false;
    }
    screen.SaveLevel(stream, version);
    return true;
}

bool cSceneSave::Save(bool stored, const std::function<bool()>& write) const
{
    if (!stored) {
        ShowNotice(notices_.partLoaded);
        return false;
    }
    // The writer logs which file failed.
    if (!write()) {
        ShowNotice(notices_.notWritten);
        return false;
    }
    vrk::PlaySound(kClickSound);
    return true;
}

void cSceneSave::ShowNotice(const char* text) const
{
    if (cMiddle* middle = GetMiddle()) middle->MessageBox(kMessageIconError | kMessageButtonsOk, text, "");
}
