// cTexture: upload to and release from the device, lazy loading of file textures,
// the texture registry with its restore / release walkers and the texture dump.
#include "engine/render/texture.h"

#include <cstdio>
#include <cstring>

#include "engine/files/image_reader.h"
#include "engine/log/log.h"
#include "engine/render/alpha_mask.h"
#include "engine/render/image.h"
#include "engine/render/pixel_format.h"
#include "engine/render/render.h"
#include "port/gpu/gpu_device.h"

namespace vrk {

namespace {

const char* const kSender = "cTexture";
const char* const kWarning = "^5";
constexpr uint32_t kKilo = 1024;
constexpr uint32_t kMega = 1024 * 1024;

port::GpuDevice* CurrentDevice()
{
    cRender* render = GetRender();
    return render ? render->GetDevice() : nullptr;
}

bool IsPowerOfTwo(uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

// The device format of a pixel format; kFormatUnknown when the device has none.
port::GpuFormat DeviceFormat(uint32_t format)
{
    switch (format) {
    case kFormatL8: return port::kFormatL8;
    case kFormatL8A8: return port::kFormatA8L8;
    case kFormatR5G6B5: return port::kFormatR5G6B5;
    case kFormatR8G8B8:
    case kFormatR8G8B8X8: return port::kFormatX8R8G8B8;
    case kFormatR8G8B8A8: return port::kFormatA8R8G8B8;
    case kFormatDXT1: return port::kFormatDXT1;
    case kFormatDXT3: return port::kFormatDXT3;
    case kFormatDXT5: return port::kFormatDXT5;
    default: return port::kFormatUnknown;
    }
}

// Rows of one level as the device lays them out: pixel rows, or rows of 4x4 blocks.
uint32_t LevelRows(uint32_t format, uint32_t height)
{
    constexpr uint32_t kBlockSide = 4;
    if (GetPixelFormatDesc(format).compressed) return std::max<uint32_t>(1, (height + 3) / kBlockSide);
    return std::max<uint32_t>(1, height);
}

// Copies between an image level and a locked device level row by row, so a device
// pitch wider than the image row never shifts the picture.
void CopyLevel(uint8_t* destination, size_t destinationPitch, const uint8_t* source,
               size_t sourcePitch, uint32_t rows)
{
    const size_t rowBytes = std::min(destinationPitch, sourcePitch);
    for (uint32_t row = 0; row < rows; ++row) {
        std::memcpy(destination + row * destinationPitch, source + row * sourcePitch, rowBytes);
    }
}

std::string TextureFileName(const PathRecord& path)
{
    return path.extension.empty() ? path.name : path.name + "." + path.extension;
}

TexturePtr Register(const std::string& name, TexturePtr texture)
{
    // The replaced texture goes when its last user lets it go.
    GetTextureMap()[name] = texture;
    return texture;
}

}  // namespace

DeviceTexture::DeviceTexture() = default;
DeviceTexture::~DeviceTexture() = default;

cTexture::cTexture(const std::string& textureName) : name(textureName) {}

cTexture::~cTexture()
{
    if (deviceTexture) {
        if (cRender* render = GetRender()) render->ForgetTexture(deviceTexture.get());
        deviceTexture.reset();
    }
}

port::GpuTexture* cTexture::GetDeviceTexture() const
{
    return deviceTexture ? deviceTexture->texture.get() : nullptr;
}

void cTexture::SetAddressMode(uint32_t mode)
{
    addressMode = mode;
    if (deviceTexture) deviceTexture->addressMode = mode;
}

int cTexture::OnCreateContext()
{
    if (deviceTexture) {
        LogWrite(kSender, kWarning, "OnCreateContext '%s'. Device texture already exist.",
                 FormatArg::FromString(name));
        return 0;
    }
    if (!image) return 0;
    port::GpuDevice* device = CurrentDevice();
    // Without a device the pixels stay here until RestoreAllTextures uploads them.
    if (device == nullptr) return 0;

    const uint32_t width = std::max<uint32_t>(image->Width(), 1);
    const uint32_t height = std::max<uint32_t>(image->Height(), 1);
    if (!IsPowerOfTwo(width)) {
        LogWrite(kSender, kWarning, "OnCreateContext '%s'. NPOT texture width", FormatArg::FromString(name));
    }
    if (!IsPowerOfTwo(height)) {
        LogWrite(kSender, kWarning, "OnCreateContext '%s'. NPOT texture height", FormatArg::FromString(name));
    }
    // Three-byte pixels have no device layout; the device texture is 32-bit.
    if (image->Format() == kFormatR8G8B8) image->ExpandToRGBX();

    const port::GpuFormat format = DeviceFormat(image->Format());
    std::unique_ptr<port::GpuTexture> created;
    const uint32_t requestedLevels = image->LevelCount() > 1 ? 0 : 1;  // 0: full chain
    if (format == port::kFormatUnknown || image->LevelCount() == 0 ||
        device->CreateTexture(image->Width(), image->Height(), requestedLevels, format, created) < 0 ||
        !created) {
        LogWrite(kSender, kWarning, "OnCreateContext '%s'. Can't create texture", FormatArg::FromString(name));
    } else {
        auto record = std::make_unique<DeviceTexture>();
        record->formatId = image->Format();
        record->width = image->Width();
        record->height = image->Height();
        record->levels = image->LevelCount();
        record->filterMode = filterMode;
        record->addressMode = addressMode;
        const uint32_t levels = std::min(image->LevelCount(), created->GetLevelCount());
        for (uint32_t level = 0; level < levels; ++level) {
            port::LockedRect locked;
            if (created->LockRect(level, locked, 0) < 0 || locked.bits == nullptr) continue;
            const uint32_t rows = LevelRows(image->Format(), image->LevelHeight(level));
            const size_t sourcePitch = image->LevelByteSize(level) / rows;
            const size_t devicePitch = locked.pitch > 0 ? static_cast<size_t>(locked.pitch) : sourcePitch;
            CopyLevel(locked.bits, devicePitch, image->LevelData(level), sourcePitch, rows);
            created->UnlockRect(level);
        }
        record->texture = std::move(created);
        deviceTexture = std::move(record);
    }
    image.reset();
    return 1;
}

void cTexture::OnDeleteContext()
{
    if (!deviceTexture) {
        if (inUse) {
            LogWrite(kSender, kWarning, "OnDeleteContext '%s'. Device texture not found.",
                     FormatArg::FromString(name));
        }
        return;
    }
    port::GpuTexture* texture = deviceTexture->texture.get();
    if (path.IsEmpty() && texture != nullptr) {
        // An image texture has no file to come back from: keep its pixels.
        const uint32_t levels =
            texture->GetLevelCount() > 1 ? MaxMipLevels(deviceTexture->width, deviceTexture->height) : 1;
        auto saved = std::make_unique<cImage>();
        if (saved->Create(deviceTexture->formatId, deviceTexture->width, deviceTexture->height, levels)) {
            const uint32_t copied = std::min(saved->LevelCount(), texture->GetLevelCount());
            for (uint32_t level = 0; level < copied; ++level) {
                port::LockedRect locked;
                if (texture->LockRect(level, locked, port::kLockReadOnly) < 0 || locked.bits == nullptr) {
                    continue;
                }
                const uint32_t rows = LevelRows(saved->Format(), saved->LevelHeight(level));
                const size_t imagePitch = saved->LevelByteSize(level) / rows;
                const size_t devicePitch = locked.pitch > 0 ? static_cast<size_t>(locked.pitch) : imagePitch;
                CopyLevel(saved->LevelData(level), imagePitch, locked.bits, devicePitch, rows);
                texture->UnlockRect(level);
            }
            image = std::move(saved);
        }
    }
    if (cRender* render = GetRender()) render->ForgetTexture(deviceTexture.get());
    deviceTexture.reset();
}

void cTexture::Apply()
{
    if (path.IsEmpty()) return;
    if (inUse && !deviceTexture) {
        // Without a device the decoded picture stays here (OnCreateContext keeps it),
        // so the headless game does not decode it again at every call.
        if (!image) {
            auto loaded = std::make_unique<cImage>();
            if (LoadImageFile(*loaded, path) != kImageReadOk) {
                const std::string fileName = TextureFileName(path);
                LogWrite(kSender, kWarning, "Apply can't load texture: %s", FormatArg::FromString(fileName));
                return;
            }
            image = std::move(loaded);
            alphaMask = cAlphaMask::FromImage(*image);
        }
        OnCreateContext();
    } else if (!inUse && deviceTexture) {
        OnDeleteContext();
        image.reset();
        alphaMask.reset();
    }
}

void cTexture::SetImage(const cImage* newImage)
{
    if (deviceTexture) {
        if (cRender* render = GetRender()) render->ForgetTexture(deviceTexture.get());
        deviceTexture.reset();
    }
    image.reset();
    alphaMask.reset();
    path.Clear();
    inUse = false;
    if (newImage == nullptr) return;
    image = newImage->Clone();
    if (image) alphaMask = cAlphaMask::FromImage(*image);
    OnCreateContext();
}

TextureMap& GetTextureMap()
{
    static TextureMap textures;
    return textures;
}

std::vector<std::string>& GetTextureNameList()
{
    static std::vector<std::string> names;
    return names;
}

TexturePtr FindTexture(const std::string& name)
{
    const TextureMap& textures = GetTextureMap();
    const auto found = textures.find(name);
    return found == textures.end() ? nullptr : found->second;
}

TexturePtr CreateTextureFromImage(const std::string& name, const cImage* image)
{
    auto texture = std::make_shared<cTexture>(name);
    if (image != nullptr) texture->image = image->Clone();
    if (texture->image) texture->alphaMask = cAlphaMask::FromImage(*texture->image);
    texture->OnCreateContext();
    return Register(name, texture);
}

TexturePtr CreateTextureFromFile(const std::string& name, const PathRecord& path)
{
    auto texture = std::make_shared<cTexture>(name);
    texture->path = path;
    return Register(name, texture);
}

void RestoreAllTextures()
{
    for (auto& entry : GetTextureMap()) {
        cTexture* texture = entry.second.get();
        if (texture == nullptr) continue;
        if (texture->path.IsEmpty()) {
            if (texture->image) texture->OnCreateContext();
        } else if (texture->inUse) {
            texture->Apply();
        } else {
            // A picture kept while there was no device, and no longer wanted.
            texture->image.reset();
        }
    }
}

void ReleaseAllTextures()
{
    for (auto& entry : GetTextureMap()) {
        if (entry.second) entry.second->OnDeleteContext();
    }
}

std::string TextureMemoryText(uint32_t bytes)
{
    char text[32];
    if (bytes == 0) return "-";
    if (bytes < kKilo) {
        std::snprintf(text, sizeof text, "%u B", bytes);
    } else if (bytes < kMega) {
        std::snprintf(text, sizeof text, "%.2f KB", bytes / static_cast<double>(kKilo));
    } else {
        std::snprintf(text, sizeof text, "%.2f MB", bytes / static_cast<double>(kKilo) / kKilo);
    }
    return text;
}

void TextureInfoLine(const cTexture& texture, std::string& line, uint32_t& bytes)
{
    uint32_t format = kFormatUnknown;
    uint32_t width = 0;
    uint32_t height = 0;
    if (texture.deviceTexture) {
        format = texture.deviceTexture->formatId;
        width = texture.deviceTexture->width;
        height = texture.deviceTexture->height;
    } else if (texture.image) {
        format = texture.image->Format();
        width = texture.image->Width();
        height = texture.image->Height();
    }
    const size_t size = texture.deviceTexture ? ImageByteSize(width, height, format) : 0;
    bytes = static_cast<uint32_t>(std::min<size_t>(size, UINT32_MAX));
    char sizeText[32];
    std::snprintf(sizeText, sizeof sizeText, "%ux%u", width, height);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "  %-40s | %10s | %15s | %s", texture.name.c_str(), sizeText,
                  TextureMemoryText(bytes).c_str(), PixelFormatName(format));
    line = buffer;
}

uint32_t DumpTextures()
{
    LogPlain("Dump textures:\n");
    uint64_t total = 0;
    for (const auto& entry : GetTextureMap()) {
        if (!entry.second) continue;
        std::string line;
        uint32_t bytes = 0;
        TextureInfoLine(*entry.second, line, bytes);
        LogPlain("%s\n", FormatArg::FromString(line));
        total += bytes;
    }
    LogPlain("  ----------------\n");
    LogPlain("  Total size: %.2f KB\n", FormatArg::FromReal(static_cast<double>(total) / kKilo));
    return static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX));
}

uint32_t DumpTextureTotal()
{
    uint64_t total = 0;
    for (const auto& entry : GetTextureMap()) {
        if (!entry.second) continue;
        std::string line;
        uint32_t bytes = 0;
        TextureInfoLine(*entry.second, line, bytes);
        total += bytes;
    }
    // The debugger output of other systems is standard error here.
    std::fprintf(stderr, "Texture size: %.2f KB\n", static_cast<double>(total) / kKilo);
    return static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX));
}

}  // namespace vrk
