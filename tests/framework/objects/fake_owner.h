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
#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
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

// A level screen for game objects and walkers: an axis-aligned grid of 48-unit cells
// from (0, 0) with a cost code per cell and a blocked mark, hint captions that are
// only counted, and answers the tests set. It copies what the walkers send, since
// their event data lives on their stack.
class FakeLevelOwner : public FakeOwner {
public:
    static constexpr float kCell = 48.0f;

    struct ScreenEvent {
        uint32_t code;
        WalkEvent walk;
    };
    struct HintCall {
        cGameObject* object;
        std::string text;
    };
    struct ProgressCall {
        vec2 point;
        float fraction;
    };
    struct PathCall {
        cObject* from;
        GridCell goal;
        bool smooth;
    };

    FakeLevelOwner(int32_t width = 10, int32_t height = 10)
        : gridWidth(width), gridHeight(height), codes(static_cast<size_t>(width * height), 0),
          blocked(static_cast<size_t>(width * height), false)
    {
    }

    uint32_t OnScreenEvent(uint32_t code, uintptr_t param) override
    {
        const auto* walk = reinterpret_cast<const WalkEvent*>(param);
        screenEvents.push_back(ScreenEvent{code, walk != nullptr ? *walk : WalkEvent{}});
        return 0;
    }
    void ShowHint(cGameObject* object, const std::string& text, float /*height*/) override
    {
        hintCalls.push_back(HintCall{object, text});
        if (object != nullptr) object->SetHintHandle(NextHandle());
    }
    void SetCaptionText(CaptionHandle* handle, const std::string& text) override
    {
        captionTexts.emplace_back(handle, text);
    }
    void ReleaseCaption(CaptionHandle* handle) override { releasedCaptions.push_back(handle); }
    void DrawProgress(const vec2& point, float fraction) override
    {
        progressCalls.push_back(ProgressCall{point, fraction});
    }
    const SpriteAnim* GetReservationMark() const override { return mark; }
    bool HasResources(const ResourceVector& /*amounts*/) const override { return hasResources; }
    int32_t CountWorkersAt(const cGameObject* /*object*/) const override { return workersAt; }
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        sendWorkerCalls.push_back(WalkEvent{walker, target, kind});
        return sendWorkerAnswer;
    }

    bool Inside(const GridCell& c) const { return c.x >= 0 && c.y >= 0 && c.x < gridWidth && c.y < gridHeight; }
    size_t IndexOf(const GridCell& c) const { return static_cast<size_t>(c.y * gridWidth + c.x); }
    void SetCode(int32_t x, int32_t y, int32_t code)
    {
        if (Inside({x, y})) codes[IndexOf({x, y})] = code;
    }
    bool IsBlocked(int32_t x, int32_t y) const { return Inside({x, y}) && blocked[IndexOf({x, y})]; }

    vec2 GetCellSize() const override { return vec2{kCell, kCell}; }
    bool GetObjectCells(const cObject* object, GridCell& first, GridCell& last) const override
    {
        const GridCell at = PointToCell(object->GetPosition());
        if (at == GridCell{-1, -1}) return false;
        const auto* game = dynamic_cast<const cGameObject*>(object);
        const int32_t w = game != nullptr ? game->GetZoneWidth() : 1;
        const int32_t h = game != nullptr ? game->GetZoneHeight() : 1;
        first = GridCell{at.x - w / 2, at.y - h / 2};
        last = GridCell{first.x + w - 1, first.y + h - 1};
        return true;
    }
    void SetCellBlocked(int32_t x, int32_t y, bool flag) override
    {
        markedCells.push_back(GridCell{x, y});
        if (Inside({x, y})) blocked[IndexOf({x, y})] = flag;
    }
    int32_t GetCellCostAt(const GridCell& cell) const override
    {
        if (!Inside(cell)) return -1;
        return blocked[IndexOf(cell)] ? -2 : codes[IndexOf(cell)];
    }
    GridCell PointToCell(const vec2& point) const override
    {
        if (point.x < 0.0f || point.y < 0.0f) return GridCell{-1, -1};
        return GridCell{static_cast<int32_t>(point.x / kCell), static_cast<int32_t>(point.y / kCell)};
    }
    GridCell ObjectToCell(const cObject* object) const override { return PointToCell(object->GetPosition()); }
    vec2 CellToPoint(const GridCell& cell) const override
    {
        return vec2{(static_cast<float>(cell.x) + 0.5f) * kCell, (static_cast<float>(cell.y) + 0.5f) * kCell};
    }
    GridCell NearestFreeCellOf(const cObject* /*object*/) const override { return nearestFree; }
    bool FindPathToPoint(std::vector<vec2>& points, cObject* from, int32_t x, int32_t y, bool smooth) override
    {
        pathCalls.push_back(PathCall{from, GridCell{x, y}, smooth});
        if (pathAnswer.empty()) return false;
        points = pathAnswer;
        return true;
    }

    int32_t gridWidth;
    int32_t gridHeight;
    std::vector<int32_t> codes;
    std::vector<bool> blocked;
    std::vector<GridCell> markedCells;
    GridCell nearestFree{-1, -1};
    std::vector<vec2> pathAnswer;  // empty: no path
    std::vector<PathCall> pathCalls;
    std::vector<ScreenEvent> screenEvents;
    std::vector<HintCall> hintCalls;
    std::vector<std::pair<CaptionHandle*, std::string>> captionTexts;
    std::vector<CaptionHandle*> releasedCaptions;
    std::vector<ProgressCall> progressCalls;
    const SpriteAnim* mark = nullptr;
    bool hasResources = false;
    int32_t workersAt = 0;
    bool sendWorkerAnswer = false;
    std::vector<WalkEvent> sendWorkerCalls;

private:
    // Handles are never looked into; distinct numbers are enough.
    CaptionHandle* NextHandle() { return reinterpret_cast<CaptionHandle*>(++handleCounter); }
    uintptr_t handleCounter = 0x1000;
};

}  // namespace test
