// cCupCtrl: the medal cup of the finish window. A shown medal pops in from twice its
// size and invisible to its own size, fully opaque, within kPopSeconds.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/ctrl.h"
#include "framework/objects/sprite_info.h"

class cCupCtrl : public vrk::cCtrl {
public:
    enum Medal : uint32_t { kGold = 0, kSilver = 1, kBronze = 2, kMedalCount = 3 };
    static constexpr float kPopSeconds = 0.7f;

    // Takes the three cup sprites from the application; a new cup is hidden.
    cCupCtrl(vrk::cWindow* window, const std::string& name);

    void Draw() override;
    // Update (2) shortens the pop by first milliseconds; every code then goes to the
    // base.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void Move(float dx, float dy) override;
    void SetRect(const vrk::GuiRect& rect, int32_t mode) override;
    void SetFrame(const vrk::GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    vrk::GuiRect GetRect() const override { return rect_; }
    const char* GetClassName() const override { return "cCupCtrl"; }

    virtual void ShowMedal(uint32_t medal);
    virtual void HideMedal();

    uint32_t GetMedal() const { return medal_; }
    float GetPopTime() const { return popTime_; }

private:
    SpriteInfo cups_[kMedalCount];
    vrk::GuiRect rect_;
    uint32_t medal_ = kGold;
    float popTime_ = 0.0f;
};
