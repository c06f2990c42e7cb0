// Test doubles of the scene objects' surroundings: a screen (cObjectOwner) that keeps
// ten layer lists and records the events it is sent, application services that look
// sprites up in the real description registry, and a helper that registers sprite
// descriptions of a given shape. Shared by the scene object and scenery tests.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/render/font.h"
#include "engine/render/matrix4.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/texture_info_ex.h"

namespace test {

inline vrk::Matrix4 IdentityMatrix()
{
    vrk::Matrix4 m;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) m.At(i, i) = 1.0f;
    return m;
}

class FakeOwner : public cObjectOwner {
public:
    int32_t SetObjectLayer(cObject* object, int32_t layer) override
    {
        const int32_t clamped = std::clamp(layer, 0, kLayerCount - 1);
        if (object == nullptr || object->GetLayer() == clamped) return clamped;
        RemoveFromLayers(object);
        layers[static_cast<size_t>(clamped)].push_back(object);
        object->SetLayerField(clamped);
        return clamped;
    }
    vrk::VertexBatch* GetPrimitiveBatch() override { return &batch; }
    uint32_t GetSceneColor() const override { return sceneColor; }
    bool IsEditorMode() const override { return editorMode; }
    int32_t GetLayerBlendMode(int32_t layer) const override
    {
        return layer >= 0 && layer < kLayerCount ? blendModes[static_cast<size_t>(layer)] : 0;
    }
    const std::string& GetLevelName() const override { return levelName; }
    float GetLevelWidth() const override { return levelWidth; }
    float GetLevelHeight() const override { return levelHeight; }
    const vrk::Matrix4& GetViewMatrix() const override { return view; }
    cObject* GetHoveredObject() const override { return hovered; }
    int32_t GetHoveredPart() const override { return hoveredPart; }
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        playEvents.emplace_back(kind, param);
        return 0;
    }
    void PostEvent(uint32_t code, uintptr_t param) override { postedEvents.emplace_back(code, param); }
    std::shared_ptr<vrk::cFont> GetCaptionFont() const override { return captionFont; }

    // Puts an object into the layer its field names (as a screen's AddObject does).
    void Add(cObject* object)
    {
        const int32_t layer = object->GetLayer();
        if (layer >= 0 && layer < kLayerCount) layers[static_cast<size_t>(layer)].push_back(object);
    }
    void RemoveFromLayers(cObject* object)
    {
        for (auto& list : layers) list.erase(std::remove(list.begin(), list.end(), object), list.end());
    }

    vrk::VertexBatch batch;
    uint32_t sceneColor = 0xFFFFFFFFu;
    bool editorMode = false;
    std::array<int32_t, kLayerCount> blendModes{0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::string levelName;
    float levelWidth = 1024.0f;
    float levelHeight = 768.0f;
    vrk::Matrix4 view = IdentityMatrix();
    cObject* hovered = nullptr;
    int32_t hoveredPart = 0;
    std::vector<std::pair<uint32_t, uintptr_t>> playEvents;
    std::vector<std::pair<uint32_t, uintptr_t>> postedEvents;
    std::shared_ptr<vrk::cFont> captionFont;
    std::array<std::vector<cObject*>, kLayerCount> layers;
};

// Application services over the real sprite registry, installed as the application
// pointer for its lifetime.
class FakeAppServices : public cAppServices {
public:
    FakeAppServices() { SetAppServices(this); }
    ~FakeAppServices() override { SetAppServices(nullptr); }
    FakeAppServices(const FakeAppServices&) = delete;
    FakeAppServices& operator=(const FakeAppServices&) = delete;

    SpriteInfo GetSpriteInfoEx(const std::string& name) override { return LookUpSpriteInfoEx(name); }
    RandomGen& GetRandomGen() override { return random; }
    int32_t GetResourceCount() override { return resourceCount; }
    void DrawSystemText(const std::string& text, float x, float y) override
    {
        systemTexts.push_back(SystemText{text, x, y});
    }
    vrk::VertexBatch* GetPrimitiveBatch() override { return batch; }

    struct SystemText {
        std::string text;
        float x;
        float y;
    };
    RandomGen random;
    int32_t resourceCount = 4;
    std::vector<SystemText> systemTexts;
    vrk::VertexBatch* batch = nullptr;
};

// Registers a texture with no pixels under the name (unless one is there) and
// returns it.
inline vrk::TexturePtr RegisterTestTexture(const std::string& name)
{
    vrk::TexturePtr& entry = vrk::GetTextureMap()[name];
    if (!entry) entry = std::make_shared<vrk::cTexture>(name);
    return entry;
}

// Registers a sprite description "name" over the texture "name_tex" with frameCount
// frames: frame i has window (i * 0.1, 0, 0.1, 1), hot spot (hotX, hotY) and size
// (width, height).
inline cTextureInfoEx* RegisterTestSprite(const std::string& name, int frameCount, float framesPerSecond,
                                          float width = 32.0f, float height = 16.0f, float hotX = 0.0f,
                                          float hotY = 0.0f)
{
    cTextureInfoEx* description = CreateTextureInfoEx(name);
    std::vector<TextureInfoNode> nodes(static_cast<size_t>(std::max(frameCount, 0)));
    for (size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].u = 0.1f * static_cast<float>(i);
        nodes[i].cu = 0.1f;
        nodes[i].cv = 1.0f;
        nodes[i].dx = hotX;
        nodes[i].dy = hotY;
        nodes[i].w = width;
        nodes[i].h = height;
    }
    RegisterTestTexture(name + "_tex");
    AddTextureInfoExNodes(description, name + "_tex", nodes, framesPerSecond);
    return description;
}

// Empties both registries at the end of a test.
struct RegistryCleaner {
    ~RegistryCleaner()
    {
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
    }
};

}  // namespace test
