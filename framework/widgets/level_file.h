// cLevelFile: a level held outside any screen: the objects of a level stream in
// their ten layers, with the level name and the id counter. It reads and writes
// through the same reader and writer as the screens, so the level tool and tests can
// make and inspect level files without an application or a window.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/matrix4.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/level_reader.h"

namespace vrk {
class cByteStream;
}

// The level file version the game writes.
constexpr uint32_t kLevelFileVersion = 100;

// Makes an object of a type the scene-object factory does not know, for the owner;
// null when it cannot either. The level classes (a layer above) come in this way.
using LevelObjectCreator = std::unique_ptr<cObject> (*)(int32_t typeId, cObjectOwner* owner);

class cLevelFile : public cObjectOwner, public LevelSceneBuilder {
public:
    cLevelFile();
    ~cLevelFile() override;
    cLevelFile(const cLevelFile&) = delete;
    cLevelFile& operator=(const cLevelFile&) = delete;

    // Empties the level, then reads the stream; false as ReadLevel answers.
    bool Load(vrk::cByteStream& stream);
    // Writes the level with the version (the stream is emptied first).
    void Save(vrk::cByteStream& stream, uint32_t version = kLevelFileVersion);
    // Deletes every object; the name stays, the id counter becomes 0.
    void Clear();

    // LevelSceneBuilder.
    void InitLevel(const std::string& name) override { levelName_ = name; }
    void SetLastObjectId(uint32_t id) override { lastObjectId_ = id; }
    cObject* CreateObject(int32_t typeId, uint32_t id) override;

    uint32_t GetLastObjectId() const { return lastObjectId_; }
    // The highest id any object holds (0 without objects).
    uint32_t GetMaxObjectId() const;
    uint32_t GetVersion() const { return version_; }
    // Every object, layer 0 first, list order within a layer.
    std::vector<cObject*> Objects() const;
    // While set, the objects act as in the level editor (a flying decoration's
    // position then is the point the editor placed it at).
    void SetEditing(bool editing) { editing_ = editing; }
    // Asked for each type the scene-object factory gives nothing for; null (the
    // start) asks nobody, so such a type stops the objects as an unknown one does.
    void SetFallbackCreator(LevelObjectCreator creator) { fallback_ = creator; }

    // cObjectOwner.
    int32_t SetObjectLayer(cObject* object, int32_t layer) override;
    vrk::VertexBatch* GetPrimitiveBatch() override { return nullptr; }
    uint32_t GetSceneColor() const override { return kWhite; }
    bool IsEditorMode() const override { return editing_; }
    int32_t GetLayerBlendMode(int32_t layer) const override { return layer == 0 ? 0 : 1; }
    const std::string& GetLevelName() const override { return levelName_; }
    float GetLevelWidth() const override { return kLevelWidth; }
    float GetLevelHeight() const override { return kLevelHeight; }
    const vrk::Matrix4& GetViewMatrix() const override { return view_; }
    cObject* GetHoveredObject() const override { return nullptr; }
    int32_t GetHoveredPart() const override { return 0; }
    uint32_t OnPlayEvent(uint32_t /*kind*/, uintptr_t /*param*/) override { return 0; }
    void PostEvent(uint32_t /*code*/, uintptr_t /*param*/) override {}
    std::shared_ptr<vrk::cFont> GetCaptionFont() const override { return nullptr; }

private:
    static constexpr uint32_t kWhite = 0xFFFFFFFFu;
    static constexpr float kLevelWidth = 1024.0f;
    static constexpr float kLevelHeight = 768.0f;

    std::string levelName_;
    uint32_t lastObjectId_ = 0;
    uint32_t version_ = kLevelFileVersion;
    bool editing_ = false;
    LevelObjectCreator fallback_ = nullptr;
    vrk::Matrix4 view_;
    std::array<std::vector<cObject*>, kLayerCount> layers_;
    std::vector<std::unique_ptr<cObject>> owned_;
};
