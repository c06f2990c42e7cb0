// cBaseWidget: the objects of the scene, their layers and lookups, and reading and
// writing the level.
#include <algorithm>

#include "engine/log/log.h"
#include "engine/render/texture.h"
#include "framework/objects/app_services.h"
#include "framework/objects/node.h"
#include "framework/objects/object.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/sprite_info.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/level_reader.h"
#include "framework/widgets/level_writer.h"
#include "framework/widgets/object_factory.h"

namespace {

constexpr const char* kSender = "cBaseWidget";
// Textures of the loading screens keep their mark across scenes.
constexpr const char* kLoadingPrefix = "loading";

// The reader builds into the widget through its own virtual operations, so screens
// that override InitLevel or CreateObject see the level as it is read.
class WidgetSceneBuilder : public LevelSceneBuilder {
public:
    WidgetSceneBuilder(cBaseWidget& widget, uint32_t& lastObjectId) : widget_(widget), lastObjectId_(lastObjectId) {}
    void InitLevel(const std::string& name) override { widget_.InitLevel(name); }
    void SetLastObjectId(uint32_t id) override { lastObjectId_ = id; }
    cObject* CreateObject(int32_t typeId, uint32_t id) override { return widget_.CreateObject(typeId, id); }

private:
    cBaseWidget& widget_;
    uint32_t& lastObjectId_;
};

}  // namespace

// --- Level files ---

void cBaseWidget::InitLevel(const std::string& name)
{
    levelName_ = name;
    ObjectList backs;
    const uint32_t count = FindObjectsOfKind(backs, kTypeBack, -1);
    if (count == 1) {
        backs.front()->SetSprite(backs.front()->GetSprite());
    } else if (count > 1) {
        vrk::LogWrite(kSender, "^5", "More than one backgrounds found on the level: %s",
                      vrk::FormatArg::FromString(levelName_));
    }
}

bool cBaseWidget::LoadLevel(vrk::cByteStream& stream, int32_t /*hint*/)
{
    ClearLevel();
    WidgetSceneBuilder builder(*this, lastObjectId_);
    const bool loaded = ReadLevel(stream, builder);
    sceneLastObjectId_ = lastObjectId_;
    ClampView();
    return loaded;
}

void cBaseWidget::SaveLevel(vrk::cByteStream& stream, uint32_t version)
{
    // What the screen built while it runs is left out, and so are the ids it drew:
    // the file keeps the scene as loaded and edited, and the next load builds the
    // screen's own objects afresh instead of showing them twice.
    ObjectList all;
    bool leftOut = false;
    uint32_t highestStoredId = sceneLastObjectId_;
    for (const ObjectList& list : layers_) {
        for (cObject* object : list) {
            if (object != nullptr && object->IsMadeByScreen()) {
                leftOut = true;
                continue;
            }
            all.push_back(object);
            if (object != nullptr && object->GetId() > 0)
                highestStoredId = std::max(highestStoredId, static_cast<uint32_t>(object->GetId()));
        }
    }
    WriteLevel(stream, version, levelName_, leftOut ? highestStoredId : lastObjectId_, all);
}

void cBaseWidget::LinkObjects()
{
    ObjectList nodes;
    FindObjectsOfKind(nodes, kTypeNode, -1);
    for (cObject* node : nodes) {
        cObject* target = FindObjectById(static_cast<uint32_t>(node->GetLinkId()), -1);
        if (target != nullptr) target->Attach(static_cast<cNode*>(node));
    }
}

// --- Objects ---

cObject* cBaseWidget::CreateObject(int32_t typeId, uint32_t id)
{
    cObject* object = CreateObjectOfType(typeId, this).release();
    AddObject(object, id);
    return object;
}

void cBaseWidget::Adopt(cObject* object)
{
    if (owned_.count(object) == 0) owned_.emplace(object, std::unique_ptr<cObject>(object));
}

void cBaseWidget::AddObject(cObject* object, uint32_t id)
{
    if (object == nullptr) return;
    Adopt(object);
    const int32_t layer = object->GetLayer();
    if (layer >= 0 && layer < kLayerCount) layers_[static_cast<size_t>(layer)].push_back(object);
    // An explicit id is kept even when another object holds it already, and leaves
    // the counter alone: only id 0 draws from it.
    if (id == 0) id = ++lastObjectId_;
    object->SetId(static_cast<int32_t>(id));
}

void cBaseWidget::RemoveObject(cObject* object)
{
    if (object == nullptr || !removedSet_.insert(object).second) return;
    removed_.push_back(object);
    pendingRemovals_.push_back(object);
}

void cBaseWidget::DeleteAllObjects()
{
    ObjectList order;
    for (const ObjectList& list : layers_) order.insert(order.end(), list.begin(), list.end());
    order.insert(order.end(), removed_.begin(), removed_.end());
    for (ObjectList& list : layers_) list.clear();
    removed_.clear();
    pendingRemovals_.clear();
    removedSet_.clear();
    hovered_ = nullptr;
    ++sceneGeneration_;
    // Taken out of the table before deletion: a destructor that reaches back into
    // the widget finds a consistent (if shrinking) scene.
    for (cObject* object : order) {
        const auto entry = owned_.find(object);
        if (entry == owned_.end()) continue;
        std::unique_ptr<cObject> doomed = std::move(entry->second);
        owned_.erase(entry);
    }
    auto rest = std::move(owned_);
    owned_.clear();
    rest.clear();
}

void cBaseWidget::ClearLevel()
{
    DeleteAllObjects();
    selection_.clear();
    hovered_ = nullptr;
    if (ParticleStore* particles = GetParticleStore()) particles->Clear();
    if (effectList_) effectList_->Clear();
    captions_.clear();
    ClearTextureMarks();
    lastObjectId_ = 0;
    sceneLastObjectId_ = 0;
    sceneColor_ = kWhite;
}

void cBaseWidget::ClearTextureMarks()
{
    for (auto& [name, texture] : vrk::GetTextureMap()) {
        if (!texture || !texture->inUse) continue;
        if (name.rfind(kLoadingPrefix, 0) == 0) continue;
        texture->inUse = false;
    }
}

int32_t cBaseWidget::RegisteredTextureCount() { return static_cast<int32_t>(vrk::GetTextureMap().size()); }

int32_t cBaseWidget::SetObjectLayer(cObject* object, int32_t layer)
{
    const int32_t clamped = std::clamp(layer, 0, kLayerCount - 1);
    if (object == nullptr || object->GetLayer() == clamped) return clamped;
    Adopt(object);
    for (ObjectList& list : layers_) list.erase(std::remove(list.begin(), list.end(), object), list.end());
    layers_[static_cast<size_t>(clamped)].push_back(object);
    object->SetLayerField(clamped);
    return clamped;
}

void cBaseWidget::BringToFront(cObject* object)
{
    if (object == nullptr || object->GetLayer() < 0 || object->GetLayer() >= kLayerCount) return;
    ObjectList& list = layers_[static_cast<size_t>(object->GetLayer())];
    const auto at = std::find(list.begin(), list.end(), object);
    if (at == list.end()) return;
    list.erase(at);
    list.push_back(object);
}

void cBaseWidget::SendToBack(cObject* object)
{
    if (object == nullptr || object->GetLayer() < 0 || object->GetLayer() >= kLayerCount) return;
    ObjectList& list = layers_[static_cast<size_t>(object->GetLayer())];
    const auto at = std::find(list.begin(), list.end(), object);
    if (at == list.end()) return;
    list.erase(at);
    list.insert(list.begin(), object);
}

// --- Lookups ---

std::pair<int32_t, int32_t> cBaseWidget::LayerRange(int32_t layer) const
{
    if (layer < 0) return {0, kLayerCount};
    if (layer >= kLayerCount) return {0, 0};
    return {layer, layer + 1};
}

uint32_t cBaseWidget::FindObjectsOfKinds(ObjectList& list, const int32_t* ids, int32_t layer)
{
    list.clear();
    if (ids == nullptr) return 0;
    const auto [first, end] = LayerRange(layer);
    for (int32_t index = first; index < end; ++index) {
        for (cObject* object : layers_[static_cast<size_t>(index)]) {
            for (const int32_t* id = ids; *id != 0; ++id) {
                if (object->IsKindOf(*id)) list.push_back(object);
            }
        }
    }
    return static_cast<uint32_t>(list.size());
}

uint32_t cBaseWidget::FindObjectsOfKind(ObjectList& list, int32_t kind, int32_t layer)
{
    list.clear();
    const auto [first, end] = LayerRange(layer);
    for (int32_t index = first; index < end; ++index) {
        for (cObject* object : layers_[static_cast<size_t>(index)]) {
            if (object->IsKindOf(kind)) list.push_back(object);
        }
    }
    return static_cast<uint32_t>(list.size());
}

uint32_t cBaseWidget::FindObjectsByName(ObjectList& list, const std::string& name, int32_t layer)
{
    list.clear();
    const auto [first, end] = LayerRange(layer);
    for (int32_t index = first; index < end; ++index) {
        for (cObject* object : layers_[static_cast<size_t>(index)]) {
            if (object->GetName() == name) list.push_back(object);
        }
    }
    return static_cast<uint32_t>(list.size());
}

uint32_t cBaseWidget::FindObjectsBySprite(ObjectList& list, const std::string& sprite, int32_t layer)
{
    list.clear();
    const auto [first, end] = LayerRange(layer);
    for (int32_t index = first; index < end; ++index) {
        for (cObject* object : layers_[static_cast<size_t>(index)]) {
            if (object->GetSprite() == sprite) list.push_back(object);
        }
    }
    return static_cast<uint32_t>(list.size());
}

cObject* cBaseWidget::FindObjectById(uint32_t id, int32_t layer)
{
    const auto [first, end] = LayerRange(layer);
    for (int32_t index = first; index < end; ++index) {
        for (cObject* object : layers_[static_cast<size_t>(index)]) {
            if (static_cast<uint32_t>(object->GetId()) == id) return object;
        }
    }
    return nullptr;
}

// --- Sprites ---

vrk::TexturePtr cBaseWidget::GetSpriteTexture(const std::string& spriteName)
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return nullptr;
    const SpriteInfo record = services->GetSpriteInfoEx(spriteName);
    MarkSpriteTextureUsed(record, false);
    return record.texture;
}
