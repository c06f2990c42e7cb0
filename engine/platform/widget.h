// A screen of the engine: a named widget that the engine core draws, updates and feeds
// with input while it has the focus.
#pragma once
#include <cstdint>
#include <string>

namespace vrk {

// Event kinds the engine core sends to the focused widget (the game adds its own).
enum WidgetEvent : int32_t {
    kWidgetKeyDown = 1,
    kWidgetChar = 3,
    kWidgetButtonDown = 4,
    kWidgetButtonUp = 5,
    kWidgetMouseMove = 6,
    kWidgetLocaleChanged = 8,
};

class cWidget {
public:
    // Widgets are made with `new`: construction hands the widget to the engine core,
    // which keeps it at the end of its widget list and deletes it when the core ends.
    // Without a core the widget stays with its maker.
    explicit cWidget(const std::string& name);
    virtual ~cWidget();
    cWidget(const cWidget&) = delete;
    cWidget& operator=(const cWidget&) = delete;

    // The base draws the GUI windows over the screen.
    virtual void Draw();
    // The fixed 1/30 s step.
    virtual void Tick() {}
    // The frame step, dt in seconds.
    virtual void Update(float /*dt*/) {}
    virtual const std::string& GetName() const { return name_; }
    virtual void OnFocus() {}
    virtual void OnUnfocus() {}
    // Non-zero when handled. The parameter is pointer-sized: game events carry
    // pointers in it.
    virtual int32_t OnEvent(int32_t /*kind*/, intptr_t /*parameter*/) { return 0; }

private:
    std::string name_;
};

}  // namespace vrk
