// FindControl: a control looked up by window name and control name, with a warning
// for whichever of the two is missing.
#pragma once
#include <string>

namespace vrk {

class cCtrl;

// Null (and a "^5" line under "FindControl") when the engine core's GUI manager has no
// such window or the window no such control.
cCtrl* FindControl(const std::string& windowName, const std::string& controlName);

}  // namespace vrk
