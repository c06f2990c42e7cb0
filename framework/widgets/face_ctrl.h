// cFaceCtrl: the speaker portrait of the talk window, a face, an eye and a talking
// mouth drawn centred on the control, optionally mirrored; and the routine that keeps
// a portrait's textures loaded.
#pragma once
#include <string>

#include "engine/gui/ctrl.h"
#include "framework/objects/sprite_anim.h"

class cFaceCtrl : public vrk::cCtrl {
public:
    cFaceCtrl(vrk::cWindow* window, const std::string& name);

    void Draw() override;
    // Update (2) advances the mouth by first milliseconds; every code then goes to
    // the base.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void Move(float dx, float dy) override;
    void SetRect(const vrk::GuiRect& rect, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    vrk::GuiRect GetRect() const override { return rect_; }
    const char* GetClassName() const override { return "cFaceCtrl"; }

    // Takes the three sprites from the application and starts the mouth looping.
    virtual void SetFace(const std::string& faceName, const std::string& eyeName,
                         const std::string& mouthName, bool mirrored);

    const SpriteInfo& GetFaceSprite() const { return face_; }
    const SpriteInfo& GetEyeSprite() const { return eye_; }
    const SpriteAnim& GetMouth() const { return mouth_; }
    bool IsMirrored() const { return mirrored_; }

private:
    void DrawPart(const SpriteInfo& info, int32_t frame, float centerX, float centerY) const;

    vrk::GuiRect rect_;
    SpriteInfo face_;
    SpriteInfo eye_;
    SpriteAnim mouth_;
    bool mirrored_ = false;
};

// Marks the textures of the three sprites as in use (those that hold something to
// load), so a portrait about to be shown stays loaded.
void MarkFaceSpritesUsed(const std::string& faceName, const std::string& eyeName,
                         const std::string& mouthName);
