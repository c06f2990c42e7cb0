// cLoadingWF: the window function of the "loading" window. It loads the loading
// pictures once, keeps them on the device only while the window is open, and shows
// the next picture each time a loading screen opens. The progress bar and the label
// are fed by the loading screen itself.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/window_function.h"

namespace vrk {
class cCtrl;
}

class cLoadingWF : public vrk::cWindowFunction {
public:
    static constexpr const char* kBaseTexture = "loading_base";
    static constexpr const char* kProgressTexture = "loading_progress";
    static constexpr const char* kPicturePrefix = "loading_image";
    static constexpr const char* kTextureFolder = "{StaticPath}/texture/system/";

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    int32_t GetPictureCount() const { return pictureCount_; }
    int32_t GetNextPicture() const { return nextPicture_; }
    vrk::cCtrl* GetImage() const { return image_; }

    // "loading_image" + index.
    static std::string PictureName(int32_t index);

private:
    void LoadPictures();
    void Build(vrk::cWindow* window);
    void Open();
    void Close();

    vrk::cCtrl* image_ = nullptr;
    int32_t pictureCount_ = 0;
    int32_t nextPicture_ = 0;
};
