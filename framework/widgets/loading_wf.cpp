// The loading window's function: the loading pictures' lifetime on the device and
// the round of pictures over successive loading screens.
#include "framework/widgets/loading_wf.h"

#include "engine/files/path_record.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/render/texture.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/texture_files.h"

namespace {

// Keeps or frees a loading texture on the device; names without a texture are skipped.
void UseTexture(const std::string& name, bool use)
{
    const vrk::TexturePtr texture = vrk::FindTexture(name);
    if (!texture) return;
    texture->inUse = use;
    texture->Apply();
}

bool LoadSystemTexture(const std::string& name)
{
    const vrk::PathRecord path(std::string(cLoadingWF::kTextureFolder) + name);
    // Read when first shown: the pictures are on the device only while a loading
    // screen is up.
    return LoadTextureWithScript(path, kTextureReadLater) == kTextureFileOk;
}

}  // namespace

std::string cLoadingWF::PictureName(int32_t index) { return kPicturePrefix + std::to_string(index); }

void cLoadingWF::LoadPictures()
{
    LoadSystemTexture(kBaseTexture);
    LoadSystemTexture(kProgressTexture);
    while (LoadSystemTexture(PictureName(pictureCount_))) ++pictureCount_;
}

void cLoadingWF::Build(vrk::cWindow* window)
{
    if (auto* progress = dynamic_cast<vrk::cProgressBarSysCtrl*>(ControlByName(window, "progress"))) {
        progress->SetCircular(true);
    }
    image_ = ControlByName(window, "image");
}

void cLoadingWF::Open()
{
    UseTexture(kBaseTexture, true);
    UseTexture(kProgressTexture, true);
    // With no loading pictures the window shows none (and nothing wraps by zero).
    if (pictureCount_ <= 0) {
        if (image_ != nullptr) image_->Show(false);
        return;
    }
    if (nextPicture_ < 0 || nextPicture_ >= pictureCount_) nextPicture_ = 0;
    const std::string picture = PictureName(nextPicture_);
    UseTexture(picture, true);
    if (image_ != nullptr) image_->SetTexture(picture, 0);
    nextPicture_ = (nextPicture_ + 1) % pictureCount_;
}

void cLoadingWF::Close()
{
    UseTexture(kBaseTexture, false);
    UseTexture(kProgressTexture, false);
    for (int32_t i = 0; i < pictureCount_; ++i) UseTexture(PictureName(i), false);
}

int32_t cLoadingWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndCreated:
        LoadPictures();
        break;
    case vrk::kWndFilled:
        Build(window);
        break;
    case vrk::kWndOpened:
        Open();
        break;
    case vrk::kWndClosed:
        Close();
        break;
    default:
        break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}
