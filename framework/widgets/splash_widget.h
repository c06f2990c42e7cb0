// cSplashWidget: the first screen, a sequence of still pictures each faded in, held
// and faded out over the background colour. "{StaticPath}/conf/splash.lua" builds the
// sequence through its Lua function FillSplash; a key or a click skips a picture.
// After the last one every texture is released and the application is told.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/platform/widget.h"
#include "engine/render/texture.h"
#include "framework/objects/timed_value.h"

class cMiddle;

// One picture step: the time left and the images shown together.
struct SplashNode {
    struct Rect {
        float x = 0.0f;
        float y = 0.0f;
        float w = 0.0f;
        float h = 0.0f;
    };

    explicit SplashNode(float seconds);
    ~SplashNode();
    SplashNode(const SplashNode&) = delete;
    SplashNode& operator=(const SplashNode&) = delete;

    // A null texture (a name nobody loaded) is kept and drawn as nothing.
    void AddImage(vrk::TexturePtr texture, const Rect& rect);

    float time = 0.0f;
    std::vector<vrk::TexturePtr> textures;
    std::vector<Rect> rectangles;
};

class cSplashWidget : public vrk::cWidget {
public:
    static constexpr const char* kName = "splash";
    static constexpr const char* kPictureFolder = "{StaticPath}/texture/splash/";
    static constexpr const char* kScript = "{StaticPath}/conf/splash.lua";
    static constexpr const char* kFillFunction = "FillSplash";
    // A full fade (0 to 1) lasts 0.5 s.
    static constexpr float kFadeSpeed = 2.0f;
    // A picture starts fading out this long before its time ends.
    static constexpr float kFadeOutLead = 0.5f;

    // Loads the splash pictures, runs the script and its FillSplash, and starts
    // fading in. The application may be null (tests).
    explicit cSplashWidget(cMiddle* application);
    ~cSplashWidget() override;

    // The splash screen or node at that address while it lives, else null; handles
    // that come back from scripts are checked with these.
    static cSplashWidget* FindLive(const void* handle);
    static SplashNode* FindLiveNode(const void* handle);

    void Draw() override;
    void Tick() override;
    int32_t OnEvent(int32_t kind, intptr_t parameter) override;
    // The application's background := (r, g, b, 1).
    virtual void SetBackColor(float red, float green, float blue);
    virtual SplashNode* AddNode(float seconds);

    size_t GetNodeCount() const { return nodes_.size(); }
    uint32_t GetCurrent() const { return current_; }
    float GetFade() const { return fade_.current; }
    bool IsFadingOut() const { return fadingOut_ != 0; }
    const SplashNode* GetNode(size_t index) const { return index < nodes_.size() ? nodes_[index].get() : nullptr; }

private:
    void DrawNode(const SplashNode& node);

    cMiddle* application_;
    std::vector<std::unique_ptr<SplashNode>> nodes_;
    uint32_t current_ = 0;
    TimedValue<float> fade_;
    uint8_t fadingOut_ = 0;
};
