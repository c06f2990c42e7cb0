// The live GUI objects by address, so a handle that comes back from a script can be
// checked before use: every window and control enters on construction and leaves on
// destruction.
#pragma once

namespace vrk {

class cCtrl;
class cWindow;

// The window or control at that address while it lives, else null. The address is
// compared only, never read, so a stale or foreign handle is safe to pass.
cWindow* FindLiveWindow(const void* handle);
cCtrl* FindLiveCtrl(const void* handle);

// Called by the constructors and destructors.
void RegisterLiveWindow(cWindow* window);
void UnregisterLiveWindow(cWindow* window);
void RegisterLiveCtrl(cCtrl* control);
void UnregisterLiveCtrl(cCtrl* control);

}  // namespace vrk
