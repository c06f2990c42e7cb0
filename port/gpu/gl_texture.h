// A texture of the OpenGL device: the CPU copy of StoredTexture plus a GL texture name.
// Every level goes to the GPU at creation and again after each writable unlock.
// Sampler settings are per stage on the device but per texture in GL, so the texture
// remembers what it last got and the device re-sends only changes at draw time.
#pragma once
#include <GL/gl.h>

#include "port/gpu/gl_functions.h"
#include "port/gpu/gl_translate.h"
#include "port/gpu/stored_texture.h"

namespace port {

struct GlSamplerState {
    GLenum minFilter = 0;
    GLenum magFilter = 0;
    GLenum wrapS = 0;
    GLenum wrapT = 0;
    bool operator==(const GlSamplerState&) const = default;
};

class GlTexture : public StoredTexture {
public:
    // The device's context must be current; `functions` must outlive the texture's
    // attachment to the device.
    GlTexture(TextureOwner* owner, const GlFunctions& functions, uint32_t width, uint32_t height,
              uint32_t levels, GpuFormat format, const GlPixelFormat& pixelFormat);
    ~GlTexture() override;

    GLuint Name() const { return name_; }
    // Binds to the active unit and applies the sampler state when it differs.
    void Bind(const GlSamplerState& sampler);

protected:
    void OnLevelChanged(uint32_t level) override;
    void OnDetach() override;

private:
    void Upload(uint32_t level);
    void DeleteName();

    const GlFunctions* functions_;
    GlPixelFormat pixelFormat_;
    GLuint name_ = 0;
    GlSamplerState applied_;
};

}  // namespace port
