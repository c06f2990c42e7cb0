// SpriteInfo: bounds-checked access to the shared frame tables.
#include "framework/objects/sprite_info.h"

bool SpriteInfo::HasFrame(int32_t index) const
{
    if (frames == nullptr || index < 0) return false;
    const size_t at = static_cast<size_t>(index);
    return at < frameCount && at < frames->windows.size() && at < frames->hotSpots.size() &&
           at < frames->sizes.size();
}

FrameWindow SpriteInfo::Window(int32_t index) const
{
    return HasFrame(index) ? frames->windows[static_cast<size_t>(index)] : FrameWindow{};
}

vec2 SpriteInfo::HotSpot(int32_t index) const
{
    return HasFrame(index) ? frames->hotSpots[static_cast<size_t>(index)] : vec2{};
}

vec2 SpriteInfo::Size(int32_t index) const
{
    return HasFrame(index) ? frames->sizes[static_cast<size_t>(index)] : vec2{};
}

void MarkSpriteTextureUsed(const SpriteInfo& info, bool loadNow)
{
    vrk::cTexture* texture = info.texture.get();
    if (texture == nullptr) return;
    const bool hasData = !texture->path.IsEmpty() || texture->image != nullptr;
    if (hasData && !texture->inUse) texture->inUse = true;
    if (loadNow) texture->Apply();
}
