// cCtrl: the base of every GUI control, a named element of a window with flags, an id
// (its index in the window) and the virtual operations that the Lua functions and the
// window's default handler call.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/gui_events.h"

namespace vrk {

class cGUI;
class cWindow;

// Four floats in GUI units: the bottom-left corner, width and height.
struct GuiRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    // Strict: points on the border are outside.
    bool Contains(float px, float py) const
    {
        return px > x && px < x + width && py < y + height && py > y;
    }
    bool operator==(const GuiRect&) const = default;
};

enum CtrlFlag : uint32_t {
    kCtrlShown = 1,
    kCtrlDisabled = 2,
    kCtrlIgnored = 4,  // neither hit-tested nor given events
    kCtrlSelected = 8,
};

class cCtrl {
public:
    static constexpr int32_t kNoId = -1;

    // With a window the control enters its control vector, which owns it from then on
    // (so such controls are made with new). Without a window the control belongs to the
    // control that embeds it and takes the engine core's GUI manager.
    cCtrl(cWindow* window, const std::string& name);
    virtual ~cCtrl();
    cCtrl(const cCtrl&) = delete;
    cCtrl& operator=(const cCtrl&) = delete;

    virtual void Draw() {}
    // 0 when the control consumed the event.
    virtual int32_t OnEvent(int32_t code, intptr_t first, intptr_t second);
    // Recomputes the geometry that follows from the settings.
    virtual void Layout() {}
    virtual const std::string& GetName() const { return name_; }
    virtual int32_t GetId() const { return id_; }
    virtual void Move(float dx, float dy);
    // The mode arguments are carried for derived controls; none of the engine's reads them.
    virtual void SetRect(const GuiRect& rect, int32_t mode);
    virtual void SetUVRect(const GuiRect& uvRect, int32_t mode);
    virtual void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode);
    virtual void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode);
    virtual bool HitTest(float x, float y) const;
    virtual GuiRect GetRect() const { return GuiRect{}; }
    virtual void Show(bool show);
    virtual void Enable(bool enable);
    virtual void Ignore(bool ignore);
    virtual void Select(bool select);
    virtual bool HasFlag(uint32_t mask) const { return (flags_ & mask) != 0; }
    virtual void SetTexture(const std::string& textureName, int32_t mode);
    // Channels 0..1; which picks the colour slot in controls that have several.
    virtual void SetColor(float red, float green, float blue, int32_t which);
    virtual void SetText(const std::string& text, int32_t mode);
    virtual void SetFont(const std::string& fontName);
    virtual void SetAlign(uint32_t align, int32_t mode);
    virtual const std::string& GetTextKey() const { return textKey_; }
    virtual const char* GetClassName() const { return "cCtrl"; }

    // Shown and not ignored: the window hands it events.
    bool IsUsable() const { return HasFlag(kCtrlShown) && !HasFlag(kCtrlIgnored); }
    uint32_t GetFlags() const { return flags_; }
    cWindow* GetWindow() const { return window_; }
    cGUI* GetGUI() const { return gui_; }

    // Opaque ARGB from channels 0..1 (each truncated to 0..255 and cut to 8 bits).
    static uint32_t MakeColor(float red, float green, float blue);

protected:
    // Queues a window event for the next GUI update; nothing without a window.
    void PostWindowEvent(int32_t code, intptr_t first, intptr_t second);
    // Remembers the first non-empty text as the key of locale changes.
    void KeepTextKey(const std::string& text);

    cWindow* window_;
    cGUI* gui_;
    std::string name_;
    uint32_t flags_ = kCtrlShown;
    int32_t id_ = kNoId;
    std::string textKey_;
};

}  // namespace vrk
