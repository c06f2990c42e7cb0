// What the shell needs of the application object: it is made through a factory that the
// executable hands in (the engine knows no game class), initialised once the window
// exists, asked to save its settings at exit, and deleted.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace vrk {

class cApplicationBase {
public:
    virtual ~cApplicationBase() = default;
    // Runs once the main window and device exist; non-zero reports a failed start.
    virtual int32_t Init() = 0;
    // Writes the settings file; called once when the main loop has ended.
    virtual void SaveSettings() = 0;
};

using ApplicationFactory = std::function<std::unique_ptr<cApplicationBase>()>;

}  // namespace vrk
