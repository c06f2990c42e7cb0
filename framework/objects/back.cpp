// cBack: finding the level's background pictures and drawing them.
#include "framework/objects/back.h"

#include "engine/files/file_system.h"
#include "engine/log/log.h"
#include "engine/render/render.h"
#include "engine/text/text_format.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr const char* kSender = "cBack";
constexpr const char* kPictureFormat = "{StaticPath}/texture/back/%s_%i";
constexpr const char* kTextureFormat = "_background%i_";
constexpr const char* kExtensions[] = {".png", ".jpg", ".pvr"};
// Trilinear filtering: backgrounds are shown at any zoom.
constexpr uint32_t kBackgroundFilter = vrk::kTextureFilterLinearMipLinear;
// The pictures are laid edge to edge: a filtered edge texel must take its
// neighbours from its own picture, never from the far side wrapped around, or a
// line shows where two pictures meet.
constexpr uint32_t kBackgroundAddress = vrk::kTextureAddressClamp;

uint32_t g_nextSerial = 0;

// Level names come from level files; one that would reach outside the picture
// folder is refused.
bool IsPlainName(const std::string& name)
{
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find("..") == std::string::npos;
}

}  // namespace

cBack::cBack(cObjectOwner* owner) : cObject(owner), serial_(++g_nextSerial) { layer_ = kBackLayer; }

cBack::~cBack()
{
    for (size_t slot = 0; slot < kSlotCount; ++slot) ReleaseSlot(slot);
}

int32_t cBack::GetTypeId() const { return kTypeBack; }

bool cBack::IsKindOf(int32_t id) const { return id == kTypeBack || id == kTypeObject; }

std::string cBack::SlotTextureName(size_t slot) const
{
    std::string name = vrk::FormatToString(kTextureFormat, vrk::FormatArg::FromInt(static_cast<int32_t>(slot)));
    vrk::FormatString(name, "%i", vrk::FormatArg::FromInt(static_cast<int32_t>(serial_)));
    return name;
}

void cBack::ReleaseSlot(size_t slot)
{
    if (!slots_[slot]) return;
    vrk::TextureMap& registry = vrk::GetTextureMap();
    const auto entry = registry.find(SlotTextureName(slot));
    if (entry != registry.end() && entry->second == slots_[slot]) registry.erase(entry);
    slots_[slot].reset();
}

void cBack::SetSprite(const std::string& /*ignored*/)
{
    if (owner_ == nullptr) return;
    const std::string level = owner_->GetLevelName();
    if (level == sprite_) return;
    sprite_ = level;
    for (size_t slot = 0; slot < kSlotCount; ++slot) ReleaseSlot(slot);
    if (!IsPlainName(level)) {
        vrk::LogWrite(kSender, "^5", "Level name '%s' is not a plain name: no background.",
                      vrk::FormatArg::FromString(level));
        return;
    }
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string stem = vrk::FormatToString(kPictureFormat, vrk::FormatArg::FromString(level),
                                                     vrk::FormatArg::FromInt(static_cast<int32_t>(slot)));
        for (const char* extension : kExtensions) {
            const std::string file = stem + extension;
            if (!vrk::FileExists(file)) continue;
            vrk::TexturePtr texture = vrk::CreateTextureFromFile(SlotTextureName(slot), vrk::PathRecord(file));
            texture->filterMode = kBackgroundFilter;
            texture->SetAddressMode(kBackgroundAddress);
            texture->inUse = true;
            texture->Apply();
            if (texture->deviceTexture) texture->deviceTexture->filterMode = kBackgroundFilter;
            slots_[slot] = std::move(texture);
            break;
        }
    }
}

void cBack::Draw()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t color = GetColor();
    // Two columns of two: 0 below 1 on the left, 2 below 3 on the right. A missing
    // picture takes no room; the next one goes where the last drawn one ended.
    float lastWidth = 0.0f;
    float lastHeight = 0.0f;
    float rightColumn = 0.0f;
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        float x = 0.0f;
        float y = 0.0f;
        switch (slot) {
        case 1: y = lastHeight; break;
        case 2: rightColumn = lastWidth; x = rightColumn; break;
        case 3: x = rightColumn; y = lastHeight; break;
        default: break;
        }
        const vrk::TexturePtr& texture = slots_[slot];
        if (!texture || !texture->deviceTexture) continue;
        const auto width = static_cast<float>(texture->deviceTexture->width);
        const auto height = static_cast<float>(texture->deviceTexture->height);
        vrk::cRender::AddQuad(*batch, texture, 0.0f, 0.0f, 1.0f, 1.0f, x, y, width, height, color);
        lastWidth = width;
        lastHeight = height;
    }
}

vec2 cBack::GetPosition() const { return vec2{}; }

void cBack::GetFrameRect(Rect& rect, int32_t /*index*/) const { rect = Rect{0.0f, 0.0f, kScreenWidth, kScreenHeight}; }

float cBack::GetAngle() const { return 0.0f; }

vec2 cBack::GetScale() const { return vec2{1.0f, 1.0f}; }

void cBack::GetQuad(Quad& corners) const
{
    corners = {vec2{0.0f, 0.0f}, vec2{kScreenWidth, 0.0f}, vec2{kScreenWidth, kScreenHeight},
               vec2{0.0f, kScreenHeight}};
}

void cBack::SetScaleV(const vec2& /*scale*/) {}
void cBack::SetPositionV(const vec2& /*position*/) {}
void cBack::MoveV(const vec2& /*delta*/) {}
void cBack::SetAngle(float /*angle*/) {}
void cBack::SetShapeOffsetV(const vec2& /*offset*/) {}
void cBack::SetDrawOffsetV(const vec2& /*offset*/) {}
