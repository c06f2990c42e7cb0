// Fetches the post-1.1 OpenGL entry points through SDL.
#include "port/gpu/gl_functions.h"

#include <SDL2/SDL_video.h>

#include <string_view>

namespace port {

namespace {

template <typename Function>
bool Fetch(Function& target, const char* name) {
    target = reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
    return target != nullptr;
}

}  // namespace

bool GlFunctions::Load() {
    bool ok = Fetch(activeTexture, "glActiveTexture");
    ok = Fetch(clientActiveTexture, "glClientActiveTexture") && ok;
    ok = Fetch(blendEquation, "glBlendEquation") && ok;
    ok = Fetch(compressedTexImage2D, "glCompressedTexImage2D") && ok;
    return ok;
}

bool GlHasExtension(const char* extension) {
    const auto* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all || !extension || !*extension) return false;
    const std::string_view list(all);
    const std::string_view wanted(extension);
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(' ', start);
        if (end == std::string_view::npos) end = list.size();
        if (list.substr(start, end - start) == wanted) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace port
