// The sets of live windows and controls.
#include "engine/gui/gui_handles.h"

#include <unordered_set>

namespace vrk {

namespace {

std::unordered_set<const void*>& LiveWindows()
{
    static std::unordered_set<const void*> windows;
    return windows;
}

std::unordered_set<const void*>& LiveControls()
{
    static std::unordered_set<const void*> controls;
    return controls;
}

}  // namespace

cWindow* FindLiveWindow(const void* handle)
{
    if (handle == nullptr || LiveWindows().count(handle) == 0) return nullptr;
    return static_cast<cWindow*>(const_cast<void*>(handle));
}

cCtrl* FindLiveCtrl(const void* handle)
{
    if (handle == nullptr || LiveControls().count(handle) == 0) return nullptr;
    return static_cast<cCtrl*>(const_cast<void*>(handle));
}

void RegisterLiveWindow(cWindow* window) { LiveWindows().insert(window); }
void UnregisterLiveWindow(cWindow* window) { LiveWindows().erase(window); }
void RegisterLiveCtrl(cCtrl* control) { LiveControls().insert(control); }
void UnregisterLiveCtrl(cCtrl* control) { LiveControls().erase(control); }

}  // namespace vrk
