// The OpenGL entry points beyond 1.1 that the device uses, fetched from the driver at
// device creation (a Linux libGL only promises the 1.1 ones as link symbols).
#pragma once
#include <GL/gl.h>
#include <GL/glext.h>

namespace port {

struct GlFunctions {
    using UnitFunction = void(APIENTRY*)(GLenum unit);
    using BlendEquationFunction = void(APIENTRY*)(GLenum mode);
    using CompressedImageFunction = void(APIENTRY*)(GLenum target, GLint level, GLenum internalFormat,
                                                    GLsizei width, GLsizei height, GLint border,
                                                    GLsizei imageSize, const void* data);

    UnitFunction activeTexture = nullptr;
    UnitFunction clientActiveTexture = nullptr;
    BlendEquationFunction blendEquation = nullptr;
    CompressedImageFunction compressedTexImage2D = nullptr;

    // Needs a current context. False when one of them is missing.
    bool Load();
};

// True when the current context's extension string names `extension`.
bool GlHasExtension(const char* extension);

}  // namespace port
