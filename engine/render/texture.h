// Textures: named pictures that can live on the drawing device (with the alpha
// mask that hit tests read), the engine-wide registry that shares them by name,
// and its restore / release / dump walkers.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/path_record.h"

namespace port {
class GpuTexture;
}

namespace vrk {

class cAlphaMask;
class cImage;

// Filter modes of a texture, as the renderer applies them to a stage.
enum TextureFilter : uint32_t {
    kTextureFilterPoint = 0,           // min/mag point, no mipmaps
    kTextureFilterLinear = 1,          // min/mag linear, no mipmaps (the default)
    kTextureFilterLinearMipPoint = 2,
    kTextureFilterLinearMipLinear = 3,
};
// Address modes (applied to U, V and W).
enum TextureAddress : uint32_t {
    kTextureAddressWrap = 1,
    kTextureAddressMirror = 2,
    kTextureAddressClamp = 3,
};

// The device side of a texture: the image header it was made from and the device
// object itself. Owned by its cTexture.
struct DeviceTexture {
    DeviceTexture();
    ~DeviceTexture();
    DeviceTexture(const DeviceTexture&) = delete;
    DeviceTexture& operator=(const DeviceTexture&) = delete;

    uint32_t formatId = 0;  // pixel format id of the image (see pixel_format.h)
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t levels = 0;
    uint32_t filterMode = kTextureFilterLinear;
    uint32_t addressMode = kTextureAddressWrap;
    std::unique_ptr<port::GpuTexture> texture;
};

class cTexture {
public:
    explicit cTexture(const std::string& name);
    ~cTexture();
    cTexture(const cTexture&) = delete;
    cTexture& operator=(const cTexture&) = delete;

    // Loads and uploads, or releases, as the in-use flag says. Only file textures.
    // Without a device the decoded picture is kept for the next call and the upload.
    void Apply();
    // Releases the device texture and the old image; a non-null image is copied and
    // uploaded. The path is cleared and the in-use flag reset.
    void SetImage(const cImage* image);

    // Uploads the held image (1) or does nothing (0); see texture.cpp.
    int OnCreateContext();
    // Releases the device texture; image textures first read their pixels back.
    void OnDeleteContext();

    // The address mode of this texture and of its device texture; every later
    // upload takes it too.
    void SetAddressMode(uint32_t mode);

    bool IsOnDevice() const { return deviceTexture != nullptr; }
    // The device object to bind, or null when not on the device.
    port::GpuTexture* GetDeviceTexture() const;

    std::string name;
    std::unique_ptr<DeviceTexture> deviceTexture;
    uint32_t filterMode = kTextureFilterLinear;
    uint32_t addressMode = kTextureAddressWrap;
    std::unique_ptr<cImage> image;
    // What the picture shows where, made whenever its pixels are decoded or given
    // and kept after they went to the device; null for a picture that shows all
    // over or whose alpha cannot be read (a hit test then takes the whole frame).
    std::unique_ptr<cAlphaMask> alphaMask;
    PathRecord path;
    bool inUse = false;
};

using TexturePtr = std::shared_ptr<cTexture>;

// The registry: texture name -> texture. A lookup with operator[] creates an empty
// entry; every walker and every user treats an empty entry as "no texture".
using TextureMap = std::map<std::string, TexturePtr>;
TextureMap& GetTextureMap();
// Free-form strings kept beside the registry for the game's resource loading.
std::vector<std::string>& GetTextureNameList();

// The registered texture of that name, or null (an empty entry also gives null).
// Does not create an entry.
TexturePtr FindTexture(const std::string& name);

// Builds a texture from a copy of the image, uploads it at once and registers it
// under the name (replacing any texture of that name). Null image: the texture has
// no pixels.
TexturePtr CreateTextureFromImage(const std::string& name, const cImage* image);
// Registers a texture that only remembers the path; nothing is loaded yet.
TexturePtr CreateTextureFromFile(const std::string& name, const PathRecord& path);

// Device creation and destruction by the shell.
void RestoreAllTextures();
void ReleaseAllTextures();

// "name | WxH | memory | format" with the bytes the texture holds on the device.
void TextureInfoLine(const cTexture& texture, std::string& line, uint32_t& bytes);
// Lua "dump": the listing into the log. Returns the total bytes.
uint32_t DumpTextures();
// Lua "dump_ios": only the total, to the debug output (standard error here).
uint32_t DumpTextureTotal();
// The memory text of a dump line: "-", "%i B", "%.2f KB" or "%.2f MB".
std::string TextureMemoryText(uint32_t bytes);

}  // namespace vrk
