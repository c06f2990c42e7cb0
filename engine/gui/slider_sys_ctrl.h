// cSliderSysCtrl: the drawn slider: a nine-slice track and an image thumb, both with
// a hovered look taken from the texture cell next to the normal one.
#pragma once
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/image_ctrl.h"
#include "engine/gui/slider_ctrl.h"

namespace vrk {

class cSliderSysCtrl : public cSliderCtrl {
public:
    // SetTexture mode bits: which parts take the texture; 0 means both.
    static constexpr int32_t kTextureThumb = 2;
    static constexpr int32_t kTextureTrack = 4;

    cSliderSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void Move(float dx, float dy) override;
    // The rectangle's size becomes the thumb's; the layout places it on the track.
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode) override;
    void SetTexture(const std::string& textureName, int32_t mode) override;
    const char* GetClassName() const override { return "cSliderSysCtrl"; }

    GuiRect GetTrackRect() const override { return track_.GetRect(); }
    GuiRect GetThumbRect() const override { return thumb_.GetRect(); }
    void PlaceThumb(const GuiRect& thumb) override { thumb_.SetRect(thumb, 0); }

    bool IsHovered() const { return hovered_; }
    const cImageCtrl& GetThumb() const { return thumb_; }
    const cFrameCtrl& GetTrack() const { return track_; }
    // The texture rectangles the parts are drawn with now.
    GuiRect CurrentTrackCell() const;
    GuiRect CurrentThumbCell() const;

private:
    cImageCtrl thumb_;
    cFrameCtrl track_;
    bool hovered_ = false;
};

}  // namespace vrk
