// The credits the About box shows, compiled into the program.
#pragma once

namespace vrk {

extern const char* const kAboutText;

}  // namespace vrk
