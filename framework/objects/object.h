// cObject: the root of every thing that stands on a screen (scenery, route nodes,
// map points, comic frames, buildings, walkers). It keeps the common state, a map of
// named sprite animations with the one that plays, a colour with a highlight, the
// route nodes attached to it and a count of places for workers. The screen that
// owns it updates, draws and messages it through the virtual operations below; each
// class loads and saves its own record in the level stream.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/render/alpha_mask.h"
#include "engine/render/texture.h"
#include "framework/objects/small_math.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/vec2.h"

namespace vrk {
class cByteStream;
class VertexBatch;
}

class cObjectOwner;
class cNode;

// Type ids answered by GetTypeId; IsKindOf accepts a class's own id and its bases'.
enum ObjectTypeId : int32_t {
    kTypeObject = 1,
    kTypeDecor = 2,
    kTypeNode = 3,
    kTypeBack = 4,
    kTypeParticlesDecor = 5,
    kTypeFlyDecor = 6,
    kTypeMapPoint = 7,
    kTypeMapPath = 8,
    kTypeRenderArea = 9,
    kTypeGameObject = 10,
    kTypeMan = 12,
    kTypeRenderHighlight = 13,
    kTypeAchieve = 14,
    kTypeComicsFrame = 15,
    kTypeComicsText = 16,
    kTypeAnimal = 17,
};

// Messages objects receive through OnMessage.
enum ObjectMessage : uint32_t {
    kMessageStateChange = 5100,    // data: StateChange*; answer 0 to accept
    kMessageAnimationEnded = 5101, // data: the play mode that ended
    kMessageMouseEnter = 5102,
    kMessageMouseLeave = 5103,
    kMessageMouseHover = 5104,
    kMessageWorkTimer = 5105,
    kMessagePathFinished = 5106,   // data: pointer to {man, target, kind}
    kMessageComicAdvance = 5107,
    kMessageArrived = 5506,        // to the owner
    kMessageTargetChanged = 5507,  // to the owner
};

// States of every object; the derived classes add their own.
enum ObjectState : int32_t {
    kStateNone = -1,     // after construction
    kStateRemoved = -2,  // taken out of its screen
};

// The data of kMessageStateChange.
struct StateChange {
    int32_t oldState = 0;
    int32_t newState = 0;
};

// One frame as it was drawn: what the cross-fade keeps of the previous picture.
struct FrameInfo {
    vrk::TexturePtr texture;
    FrameWindow source{0.0f, 0.0f, 1.0f, 1.0f};
    vec2 hotSpot;
    vec2 size;
    vec2 position;
    float angle = 0.0f;
    // The empty record's scale has always been (1, 0); without a texture it is never
    // drawn, so the value has no visible effect.
    vec2 scale{1.0f, 0.0f};
};

// The four corners of a frame: bottom-left, bottom-right, top-right, top-left.
using Quad = std::array<vec2, 4>;

class cObject {
public:
    static constexpr int32_t kDefaultLayer = 9;
    static constexpr uint32_t kWhite = 0xFFFFFFFFu;
    // The fixed tick every object update runs on, as a float.
    static constexpr float kTickSeconds = 0.033333335f;

    explicit cObject(cObjectOwner* owner);
    cObject(const cObject&) = delete;
    cObject& operator=(const cObject&) = delete;

    // --- The virtual operations, in their fixed order ---
    virtual ~cObject();
    virtual void Update();
    virtual void UpdateFade(float dt);
    virtual void Draw();
    virtual void DrawBatched();
    virtual void DrawEditor();
    virtual void DrawOverlay();
    virtual void DrawSelection();
    virtual int32_t OnMessage(uint32_t code, uintptr_t data);
    virtual int32_t GetTypeId() const;
    virtual bool IsKindOf(int32_t id) const;
    virtual void SetName(const std::string& name);
    virtual const std::string& GetName() const;
    virtual void SetSprite(const std::string& sprite);
    virtual const std::string& GetSprite() const;
    virtual void SetText(const std::string& text);
    virtual const std::string& GetText() const;
    virtual void SetLinkId(int32_t linkId);
    virtual int32_t GetLinkId() const;
    virtual int32_t SetState(int32_t state);
    virtual int32_t GetState() const;
    virtual bool Load(vrk::cByteStream& stream, uint32_t version);
    virtual bool Save(vrk::cByteStream& stream);
    virtual bool AddAnimation(const std::string& key, const std::string& spriteName);
    virtual void PlayAnimation(const std::string& key, int32_t mode);
    virtual void SwitchAnimation(const std::string& key);
    virtual const SpriteInfo* GetAnimation() const;
    virtual const std::string& GetAnimationKey() const;
    virtual void SetPlayMode(int32_t mode, bool restart);
    virtual int32_t GetPlayMode() const;
    virtual bool IsStopped() const;
    virtual bool IsRepeating() const;
    virtual float GetAnimationSpeed() const;
    virtual void SetFadeTime(float seconds);
    virtual float GetFadeTime() const;
    virtual int32_t GetFrameCount() const;
    virtual void SetFrame(int32_t frame);
    virtual int32_t GetFrame() const;
    virtual void SetColor(uint32_t color, uint32_t mask);
    virtual uint32_t GetColor() const;
    virtual void SetHighlight(float highlight);
    virtual float GetHighlight() const;
    virtual vec2 GetPosition() const;
    virtual void GetFrameRect(Rect& rect, int32_t index) const;
    virtual float GetAngle() const;
    virtual void SetScaleV(const vec2& scale);
    virtual void SetScale(float x, float y);
    virtual vec2 GetScale() const;
    virtual void GetQuad(Quad& corners) const;
    virtual int32_t HitTest(const vec2& point);
    virtual void GetFrameInfo(FrameInfo& info) const;
    virtual void SetPositionV(const vec2& position);
    virtual void SetPosition(float x, float y);
    virtual void MoveV(const vec2& delta);
    virtual void Move(float dx, float dy);
    virtual void SetAngle(float angle);
    virtual void SetShapeOffsetV(const vec2& offset);
    virtual void SetShapeOffset(float x, float y);
    virtual void SetDrawOffsetV(const vec2& offset);
    virtual void SetDrawOffset(float x, float y);
    virtual void Attach(cNode* node);
    virtual void Detach(cNode* node);
    virtual void DetachAll();
    virtual void GetLinkedPoints(std::vector<vec2>& points) const;
    virtual void SetPlaces(int32_t count);
    virtual int32_t GetFreePlaces() const;
    virtual int32_t GetUsedPlaces() const;
    virtual bool TakePlace();
    virtual bool ReleasePlace();
    // How the object's picture, as drawn, covers a world point; the current frame's
    // cover (FrameCoverAt) here.
    virtual vrk::TexelCover CoverAt(const vec2& point) const;
    // Whether the object, though its hit test misses the point, stands in front of
    // it for the pointer: the hover then picks nothing behind it there. False here:
    // what takes no clicks lets the pointer through.
    virtual bool HidesPoint(const vec2& point);

    // --- Plain access for the owning screen and the derived classes ---
    cObjectOwner* GetOwner() const { return owner_; }
    int32_t GetLayer() const { return layer_; }
    // Only the owner moves an object between its layers; -1 after removal.
    void SetLayerField(int32_t layer) { layer_ = layer; }
    int32_t GetId() const { return id_; }
    void SetId(int32_t id) { id_ = id; }
    // An object its screen builds for itself while it runs, not one of the scene's:
    // the scene's file never holds it (the screen builds it again on every load).
    bool IsMadeByScreen() const { return madeByScreen_; }
    void SetMadeByScreen() { madeByScreen_ = true; }
    uint32_t GetOwnColor() const { return color_; }
    uint32_t GetColorMask() const { return colorMask_; }
    vec2 GetShapeOffset() const { return shapeOffset_; }
    vec2 GetDrawOffset() const { return drawOffset_; }
    float GetFadeTimer() const { return fadeTimer_; }
    const FrameInfo& GetPreviousFrame() const { return previousFrame_; }
    const SpriteAnim& GetSpriteAnim() const { return anim_; }
    const std::vector<cNode*>& GetAttached() const { return attached_; }
    // The corners of a stored frame record, by the same rule as GetQuad.
    static void FrameInfoQuad(const FrameInfo& info, Quad& corners);
    // How the current frame's picture covers a world point: none outside the frame
    // rectangle (its edges too); inside it, the cover of the texel drawn there, or
    // solid when the texture keeps no alpha mask (the whole rectangle answers then).
    vrk::TexelCover FrameCoverAt(const vec2& point) const;
    // Whether anything of the object's picture shows at the point.
    bool ShowsAt(const vec2& point) const { return CoverAt(point) != vrk::kCoverNone; }

protected:
    // The owner's batch, or null without an owner or batch.
    vrk::VertexBatch* OwnerBatch() const;
    // The destination rectangle of a stored frame record (its position minus its
    // hot spot, its size).
    static Rect FrameInfoRect(const FrameInfo& info);
    // The cover of the current texture at a point of a frame drawn as the quad
    // (corners as GetQuad gives them, split into the renderer's two triangles) with
    // that window; none outside the quad, solid inside it without an alpha mask.
    vrk::TexelCover QuadCoverAt(const Quad& corners, const FrameWindow& window, const vec2& point) const;

    cObjectOwner* owner_ = nullptr;
    int32_t layer_ = kDefaultLayer;
    int32_t id_ = 0;
    bool madeByScreen_ = false;
    std::string name_;
    std::string sprite_;
    std::string text_;
    int32_t linkId_ = 0;
    int32_t state_ = kStateNone;
    vec2 position_;
    float angle_ = 0.0f;
    vec2 scale_{1.0f, 1.0f};
    vec2 shapeOffset_;
    vec2 drawOffset_;
    std::map<std::string, SpriteInfo> animations_;
    // The current record is a copy of the map's entry (the tables are shared), so
    // replacing the entry under its key cannot leave the play state pointing at
    // tables of another length.
    bool hasAnimation_ = false;
    std::string animationKey_;
    SpriteAnim anim_;
    float fadeTime_ = 0.0f;
    float fadeTimer_ = 0.0f;
    FrameInfo previousFrame_;
    uint32_t color_ = kWhite;
    uint32_t colorMask_ = 0;
    float highlight_ = 0.0f;
    std::vector<cNode*> attached_;
    int32_t placeCapacity_ = 1;
    int32_t freePlaces_ = 1;

private:
    // Starts a cross-fade from the picture shown now.
    void StartFade();
    // Takes the record under the key (or none) into the play state, frame 0.
    bool LoadAnimation(const std::string& key);
    // One textured quad of the current or a stored frame, in the given colour.
    void AppendFrame(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const FrameWindow& source,
                     const Rect& destination, uint32_t color) const;
    void AppendQuad(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const FrameWindow& source,
                    const Quad& corners, uint32_t color) const;
    // Draw and DrawBatched share everything but the way a quad is written.
    void DrawFrames(bool batched);
};
