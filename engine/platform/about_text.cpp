// The About box's text.
#include "engine/platform/about_text.h"

namespace vrk {

const char* const kAboutText =
    "Kelvara 2\n"
    "\n"
    "A casual strategy and time-management game.\n"
    "\n"
    "Built with SDL2, OpenGL, Lua 5.1, zlib, minizip, libpng, libjpeg,\n"
    "utfcpp, libsndfile and libopenmpt.\n"
    "\n"
    "Press F1 to see this box again.";

}  // namespace vrk
