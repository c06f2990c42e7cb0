// A GUI window (stand-in): owns its window function.
#include "engine/gui/window.h"

namespace vrk {

cWindow::cWindow(cGUI* owner, const std::string& name, std::unique_ptr<cWindowFunction> function)
    : gui(owner), name_(name), function_(std::move(function))
{
    if (!function_) function_ = std::make_unique<cWindowFunction>();
}

cWindow::~cWindow() = default;

}  // namespace vrk
