// OpenGL texture names, level uploads and per-texture sampler state.
#include "port/gpu/gl_texture.h"

namespace port {

GlTexture::GlTexture(TextureOwner* owner, const GlFunctions& functions, uint32_t width,
                     uint32_t height, uint32_t levels, GpuFormat format,
                     const GlPixelFormat& pixelFormat)
    : StoredTexture(owner, width, height, levels, format),
      functions_(&functions),
      pixelFormat_(pixelFormat) {
    glGenTextures(1, &name_);
    glBindTexture(GL_TEXTURE_2D, name_);
    // A texture with fewer levels than the full chain stays complete under mipmap filters.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(GetLevelCount()) - 1);
    for (uint32_t level = 0; level < GetLevelCount(); ++level) Upload(level);
}

GlTexture::~GlTexture() { DeleteName(); }

void GlTexture::DeleteName() {
    if (name_ != 0 && Owner() != nullptr) glDeleteTextures(1, &name_);
    name_ = 0;
}

void GlTexture::OnDetach() { DeleteName(); }

void GlTexture::Bind(const GlSamplerState& sampler) {
    glBindTexture(GL_TEXTURE_2D, name_);
    if (sampler == applied_) return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(sampler.minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(sampler.magFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(sampler.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(sampler.wrapT));
    applied_ = sampler;
}

void GlTexture::OnLevelChanged(uint32_t level) {
    if (name_ == 0) return;
    glBindTexture(GL_TEXTURE_2D, name_);
    Upload(level);
}

void GlTexture::Upload(uint32_t level) {
    const SurfaceDesc desc = LevelDesc(level);
    const std::vector<uint8_t>& bytes = LevelBytes(level);
    const auto glLevel = static_cast<GLint>(level);
    const auto width = static_cast<GLsizei>(desc.width);
    const auto height = static_cast<GLsizei>(desc.height);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (pixelFormat_.compressed) {
        functions_->compressedTexImage2D(GL_TEXTURE_2D, glLevel,
                                         static_cast<GLenum>(pixelFormat_.internalFormat), width,
                                         height, 0, static_cast<GLsizei>(bytes.size()), bytes.data());
    } else {
        glTexImage2D(GL_TEXTURE_2D, glLevel, pixelFormat_.internalFormat, width, height, 0,
                     pixelFormat_.format, pixelFormat_.type, bytes.data());
    }
}

}  // namespace port
