// cLevelFile: a level's objects kept by layer outside a screen.
#include "framework/widgets/level_file.h"

#include <algorithm>

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_writer.h"
#include "framework/widgets/object_factory.h"

cLevelFile::cLevelFile()
{
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) view_.At(i, i) = 1.0f;
}

cLevelFile::~cLevelFile() = default;

bool cLevelFile::Load(vrk::cByteStream& stream)
{
    Clear();
    return ReadLevel(stream, *this, &version_);
}

void cLevelFile::Save(vrk::cByteStream& stream, uint32_t version)
{
    WriteLevel(stream, version, levelName_, lastObjectId_, Objects());
}

void cLevelFile::Clear()
{
    for (auto& layer : layers_) layer.clear();
    owned_.clear();
    lastObjectId_ = 0;
}

cObject* cLevelFile::CreateObject(int32_t typeId, uint32_t id)
{
    std::unique_ptr<cObject> made = CreateObjectOfType(typeId, this);
    if (!made && fallback_ != nullptr) made = fallback_(typeId, this);
    if (!made) return nullptr;
    cObject* object = made.get();
    owned_.push_back(std::move(made));
    const int32_t layer = object->GetLayer();
    if (layer >= 0 && layer < kLayerCount) layers_[static_cast<size_t>(layer)].push_back(object);
    // The same numbering as a screen's: 0 asks for the next id of the counter.
    if (id == 0) id = ++lastObjectId_;
    object->SetId(static_cast<int32_t>(id));
    return object;
}

uint32_t cLevelFile::GetMaxObjectId() const
{
    uint32_t most = 0;
    for (const auto& object : owned_) most = std::max(most, static_cast<uint32_t>(object->GetId()));
    return most;
}

std::vector<cObject*> cLevelFile::Objects() const
{
    std::vector<cObject*> all;
    for (const auto& layer : layers_) all.insert(all.end(), layer.begin(), layer.end());
    return all;
}

int32_t cLevelFile::SetObjectLayer(cObject* object, int32_t layer)
{
    const int32_t clamped = std::clamp(layer, 0, kLayerCount - 1);
    if (object == nullptr || object->GetLayer() == clamped) return clamped;
    for (auto& list : layers_) list.erase(std::remove(list.begin(), list.end(), object), list.end());
    layers_[static_cast<size_t>(clamped)].push_back(object);
    object->SetLayerField(clamped);
    return clamped;
}
