// cBaseWidget: the base of every screen that shows a scene of objects (the level,
// the map, the main menu, the achievements and the comics). It owns the objects of
// one level in ten draw layers, creates them by type id, finds, moves and removes
// them, loads and saves the level, and runs in one of three modes: loading (the
// scene's textures are loaded, and those no longer used freed, behind a progress
// bar), play and editor. It keeps the view (level size, centre, zoom), scrolling,
// the hovered object and clicks, posted events, hint pop-ups, rising texts and the
// letterbox bars.
//
// Where the members live: modes, ticks and events in base_widget.cpp; objects,
// layers, lookups and level files in base_widget_objects.cpp; view and coordinates
// in base_widget_view.cpp; drawing in base_widget_draw.cpp; pop-ups in
// base_widget_captions.cpp; what the screen asks of the application in
// base_widget_app.cpp; the level editor (mode 3) in editor_*.cpp.
#pragma once
#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/platform/widget.h"
#include "engine/render/matrix4.h"
#include "engine/render/texture.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "framework/objects/vec2.h"
#include "framework/widgets/base_widget_captions.h"
#include "framework/widgets/caption_list.h"
#include "framework/widgets/editor_command_target.h"

namespace vrk {
class cCtrl;
class VertexBatch;
}  // namespace vrk

class ParticleStore;

// Screen modes.
enum WidgetMode : int32_t {
    kModeNone = 0,
    kModeLoading = 1,
    kModePlay = 2,
    kModeEditor = 3,
};

// Events a screen sends itself through OnEvent.
enum ScreenEvent : uint32_t {
    kEventLeaveMode = 5500,     // param: ModeChange*; non-zero answer keeps the mode
    kEventModeEntered = 5501,   // param: ModeChange*
    kEventEditorCommand = 5502, // param: EditorCommand*
    kEventObjectClick = 5503,   // param: the clicked cObject*
};

// Input flags.
enum WidgetInputFlag : uint32_t {
    kInputCinematic = 1,  // set with kInputNoHover by ShowLetterbox
    kInputNoHover = 2,    // no hover hit-testing
    kInputLeftHeld = 4,   // left button held since a press on the scene
};

// Editor flags.
enum EditorFlag : uint32_t {
    kEditorRubberBand = 1,  // a rubber-band selection is being dragged
    kEditorDragging = 2,    // the selection follows the mouse
    kEditorInfo = 4,        // selection frames, hover info and frame statistics shown
};

struct ModeChange {
    int32_t oldMode = 0;
    int32_t newMode = 0;
};

// The parameter of event 5502.
struct EditorCommand {
    int32_t a = 0;
    std::string name;
    int32_t b = 0;
};

using ObjectList = std::vector<cObject*>;

class cBaseWidget : public vrk::cWidget, public cObjectOwner, public cEditorCommandTarget {
public:
    static constexpr float kVirtualWidth = 1024.0f;
    static constexpr float kVirtualHeight = 768.0f;
    static constexpr float kMaxZoom = 4.0f;
    static constexpr float kLetterboxHeight = 96.0f;
    // Letterbox bars move this many units per second.
    static constexpr float kLetterboxSpeed = 200.0f;
    // Cursor travel, virtual-screen units, below which a press and release is a click.
    static constexpr float kClickTravel = 15.0f;
    static constexpr float kEdgeScrollSpeed = 1000.0f;
    static constexpr float kEdgeMargin = 10.0f;
    static constexpr uint32_t kWhite = 0xFFFFFFFFu;
    static constexpr uint32_t kInitialEditorFlags = kEditorInfo;
    static constexpr int32_t kTabKey = 9;

    explicit cBaseWidget(const std::string& name);
    ~cBaseWidget() override;

    // --- vrk::cWidget ---
    void Draw() override;
    void Tick() override;
    void Update(float dt) override;
    void OnFocus() override;
    void OnUnfocus() override;
    int32_t OnEvent(int32_t kind, intptr_t param) override;

    // --- Modes and the level file ---
    virtual uint32_t SetMode(int32_t mode);
    virtual void InitLevel(const std::string& name);
    // Clears the scene and reads the level from the start of the stream. False when
    // an unknown type or a refused record stopped the objects (those read stay), so
    // a screen with its own tail after the objects knows not to read it.
    virtual bool LoadLevel(vrk::cByteStream& stream, int32_t hint);
    virtual void SaveLevel(vrk::cByteStream& stream, uint32_t version);
    virtual void LinkObjects();

    // --- Objects and layers ---
    virtual cObject* CreateObject(int32_t typeId, uint32_t id);
    virtual void AddObject(cObject* object, uint32_t id);
    virtual void RemoveObject(cObject* object);
    virtual void ClearLevel();
    int32_t SetObjectLayer(cObject* object, int32_t layer) override;
    virtual void BringToFront(cObject* object);
    virtual void SendToBack(cObject* object);
    // Lookups: the list is emptied first; a negative layer searches all ten, 10 or
    // more finds nothing. The result is the number of entries.
    virtual uint32_t FindObjectsOfKinds(ObjectList& list, const int32_t* ids, int32_t layer);
    virtual uint32_t FindObjectsOfKind(ObjectList& list, int32_t kind, int32_t layer);
    virtual uint32_t FindObjectsByName(ObjectList& list, const std::string& name, int32_t layer);
    virtual uint32_t FindObjectsBySprite(ObjectList& list, const std::string& sprite, int32_t layer);
    virtual cObject* FindObjectById(uint32_t id, int32_t layer);

    // --- Drawing services for the objects ---
    vrk::VertexBatch* GetPrimitiveBatch() override;
    virtual void SetSceneColor(uint32_t color) { sceneColor_ = color; }
    uint32_t GetSceneColor() const override { return sceneColor_; }
    virtual vrk::TexturePtr GetSpriteTexture(const std::string& spriteName);

    // --- View ---
    virtual void ClampView();
    virtual vec2 WindowToScreen(const vec2& pixel);
    virtual vec2 ScreenToWorld(const vec2& point);
    virtual Rect WorldToScreenBox(const Rect& box);
    virtual vec2 WorldToScreen(const vec2& point);
    virtual vec2 GetMouseWorldPos();
    virtual void SetLevelSize(float width, float height);
    virtual void SetViewCenter(float x, float y);
    virtual void SetZoom(float zoom);

    // --- Hint pop-ups and effects ---
    virtual void DrawCaption(const CaptionRecord& record);
    // Where a pop-up's panel is drawn on the virtual screen (whole pixels): on the
    // view and clear of the screen's HUD.
    Rect GetCaptionPanel(const CaptionRecord& record);
    // The rectangles of the virtual screen that the screen's GUI draws over the
    // scene (its HUD), which pop-ups keep clear of. None in the base.
    virtual std::vector<Rect> GetHudRects() const;
    virtual CaptionHandle* AddCaptionAt(const std::string& text, const vec2& anchor);
    virtual CaptionHandle* AddCaption(const std::string& text, const Rect& box);
    void SetCaptionText(CaptionHandle* handle, const std::string& text) override;
    void ReleaseCaption(CaptionHandle* handle) override;
    virtual void SetViewControls(const std::string& window, const std::string& label, const std::string& frame);
    // A rising text at the point, when the screen has a list of them.
    virtual void AddEffect(const std::string& name, const vec2& position);

    // --- Loading mode ---
    virtual void DrawLoading(vrk::VertexBatch& batch);
    virtual void TickLoading();
    virtual uint32_t OnLoadingEvent(uint32_t kind, uintptr_t param);

    // --- Play mode ---
    virtual void DrawPlay(vrk::VertexBatch& batch);
    virtual void OnDrawLayer(vrk::VertexBatch& /*batch*/, int32_t /*layer*/) {}
    virtual void OnDrawOverlay(vrk::VertexBatch& /*batch*/) {}
    virtual void TickPlay();
    // True while something over the scene (a screen's own overlay) holds the pointer,
    // so TickPlay hovers no object, as with kInputNoHover. None in the base.
    virtual bool IsHoverHeld() const { return false; }
    // The object the play hover picks at a world point over the scene as it stands
    // (the one the player sees there, HoverPick), null for none; part gets its hit.
    cObject* PickAt(const vec2& point, int32_t& part);
    // The hover brought up to the cursor at once, with the messages of a tick's
    // hover pass: a click between two ticks goes to what is under it.
    void RefreshHover();
    // The object the held press began on, while it is still in the scene; else null.
    cObject* PressedObject();
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override;
    virtual uint32_t ShowGui();
    virtual uint32_t OnLeavePlay() { return 0; }
    void PostEvent(uint32_t code, uintptr_t param) override;
    virtual uint32_t OnObjectClick(cObject* /*object*/) { return 0; }
    virtual void ShowLetterbox();
    virtual void HideLetterbox();
    virtual void EdgeScroll();

    // --- Editor mode (the level editor, editor_*.cpp) ---
    virtual void DrawEditor(vrk::VertexBatch& batch);
    virtual void TickEditor();
    virtual uint32_t OnEditorEvent(uint32_t kind, uintptr_t param);
    bool IsEditorMode() const override { return mode_ == kModeEditor; }
    // Sends the command record to the editor handler as event 5502.
    void SendEditorCommand(int32_t a, const std::string& name, int32_t b) override;
    // The object palette "second" of the window "editor": emptied, one item added
    // (icon sprite or texture, type id, sprite set-up, icon frame).
    virtual void ClearSecondList();
    virtual void AddSecondItem(const std::string& icon, int32_t data, const std::string& itemName, int32_t frame);
    // Marks (state non-zero) or unmarks item index of a list control of "editor".
    virtual void ResetEditorCtrl(const std::string& control, int32_t index, int32_t state);
    // Unmarks and enables every item of a list control of "editor".
    virtual void ResetEditorList(const std::string& control);
    virtual void FillEditorPalette();
    // Picking skips frozen and hidden layers; a frame rectangle must hold the point
    // strictly.
    virtual uint32_t PickObjects(ObjectList& list, const vec2& point);
    virtual uint32_t PickObjectsInRect(ObjectList& list, const Rect& rect);
    virtual void TogglePickedObjects(ObjectList& list, const vec2& point);
    virtual bool IsPointOnSelection(const ObjectList& list, const vec2& point);
    virtual uint32_t OnKeyDown(uint32_t key);
    virtual uint32_t OnMouseDown(uint32_t button);
    virtual uint32_t OnMouseUp(uint32_t button);
    virtual uint32_t OnMouseMove(uint32_t packedPoint);
    virtual uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b);

    // Editor state for the editor's windows and tests.
    uint32_t GetEditorFlags() const { return editorFlags_; }
    const ObjectList& GetSelection() const { return selection_; }
    int32_t GetPendingType() const { return pendingType_; }
    const std::string& GetPendingSprite() const { return pendingSprite_; }
    const Rect& GetRubberBand() const { return rubberBand_; }
    vec2 GetPasteOffset() const { return pasteOffset_; }
    const vrk::cByteStream& GetClipboard() const { return clipboard_; }
    // Frozen layers draw but cannot be picked; hidden ones neither draw nor pick.
    // Layers outside 0..9 are ignored.
    void SetLayerFrozen(int32_t layer, bool frozen);
    void SetLayerHidden(int32_t layer, bool hidden);
    bool IsLayerFrozen(int32_t layer) const;
    bool IsLayerHidden(int32_t layer) const;

    // --- cObjectOwner ---
    int32_t GetLayerBlendMode(int32_t layer) const override;
    const std::string& GetLevelName() const override { return levelName_; }
    float GetLevelWidth() const override { return levelWidth_; }
    float GetLevelHeight() const override { return levelHeight_; }
    const vrk::Matrix4& GetViewMatrix() const override { return view_; }
    cObject* GetHoveredObject() const override { return hovered_; }
    int32_t GetHoveredPart() const override { return hoveredPart_; }
    std::shared_ptr<vrk::cFont> GetCaptionFont() const override;
    uint32_t OnScreenEvent(uint32_t code, uintptr_t param) override;

    // --- Plain access ---
    int32_t GetMode() const { return mode_; }
    uint32_t GetLastObjectId() const { return lastObjectId_; }
    const std::array<ObjectList, kLayerCount>& GetLayers() const { return layers_; }
    // Every object given to RemoveObject since the level was cleared, in that order;
    // they stay allocated until then.
    const ObjectList& GetRemovedObjects() const { return removed_; }
    // Whether the object was given to RemoveObject since the level was cleared.
    bool IsRemovedObject(const cObject* object) const { return removedSet_.count(object) != 0; }
    // The removed objects that the next removal pass still takes out of their layers.
    const ObjectList& GetPendingRemovals() const { return pendingRemovals_; }
    uint32_t GetInputFlags() const { return inputFlags_; }
    void SetInputFlags(uint32_t flags) { inputFlags_ = flags; }
    vec2 GetViewCenter() const { return center_; }
    float GetZoom() const { return zoom_; }
    float GetTargetZoom() const { return targetZoom_; }
    void SetTargetZoom(float zoom) { targetZoom_ = zoom; }
    vec2 GetScrollVelocity() const { return scrollVelocity_; }
    void SetScrollVelocity(const vec2& velocity) { scrollVelocity_ = velocity; }
    float GetLetterboxHeight() const { return letterboxHeight_; }
    float GetDragLength() const { return dragLength_; }
    int32_t GetTexturesDone() const { return texturesDone_; }
    const std::string& GetNextTextureName() const { return nextTexture_; }
    const std::list<CaptionRecord>& GetCaptions() const { return captions_; }
    const CaptionStyle& GetCaptionStyle() const { return captionStyle_; }
    CaptionList* GetEffectList() const { return effectList_.get(); }
    // The level screen gives the base its list of rising texts.
    void SetEffectList(std::unique_ptr<CaptionList> list) { effectList_ = std::move(list); }
    // The font of the rising texts: the one set for them, else the caption font.
    std::shared_ptr<vrk::cFont> GetEffectFont() const { return effectFont_ ? effectFont_ : GetCaptionFont(); }
    void SetEffectFont(std::shared_ptr<vrk::cFont> font) { effectFont_ = std::move(font); }

protected:
    // --- What the screen asks of the application (base_widget_app.cpp) ---
    // The cursor on the 1024 x 768 virtual screen.
    virtual vec2 GetMouseScreenPos();
    // The cursor in window client pixels.
    virtual vec2 GetCursorPixel();
    // True while the application's developer flag lets Tab open the editor.
    virtual bool IsDeveloperMode() const;
    // The application's weather and burst particles; null without an application.
    virtual ParticleStore* GetParticleStore() const;
    virtual void DrawFrameOverlay(vrk::VertexBatch& batch);
    virtual void DrawSystemText(const std::string& text, float x, float y);
    // Key and button state outside the event stream (editor_input.cpp).
    virtual bool IsLeftControlDown() const;
    // The left and right buttons as the user sees them (after any swap).
    virtual bool IsPrimaryButtonDown() const;
    virtual bool IsSecondaryButtonDown() const;

    // Editor helpers (editor_*.cpp).
    // True for layers 0..9 that are neither frozen nor hidden.
    bool IsLayerPickable(size_t layer) const;
    // The N key: one selected object drops its links; of several, the first that
    // is not a node drops its links and takes every selected node.
    void LinkSelection();
    // Writes the selection, last selected first, as type id + record.
    void CopySelection();
    // Creates the clipboard's objects anew, offset, and selects them.
    void PasteClipboard();
    // The level file version the application loads with.
    static uint32_t LevelVersion();

    // Lays text out into the record with the caption style (base_widget_captions.cpp).
    void LayOutCaption(CaptionRecord& record, const std::string& text) const;
    // How far the text block sits from the panel's left and bottom edges.
    vec2 CaptionTextInset() const;
    CaptionRecord* FindCaption(const CaptionHandle* handle);
    // The removal pass at the end of the tick.
    void TakeOutRemoved();
    // Makes the candidate the hovered object, sending 5103, 5102 and 5104 as the
    // play tick does.
    void SetHovered(cObject* candidate, int32_t part);
    // The widget owns what it is given: AddObject and SetObjectLayer adopt.
    void Adopt(cObject* object);
    // Deletes every object, each once: layers 0 to 9, then the removed list, then
    // any other the widget owns. The lists are empty afterwards.
    void DeleteAllObjects();
    // The layers a lookup walks: all for a negative layer, none for 10 or more.
    std::pair<int32_t, int32_t> LayerRange(int32_t layer) const;
    // Every registered texture's used-by-the-level mark is dropped (loading screens
    // keep theirs).
    static void ClearTextureMarks();
    // The number of registered textures (what loading mode counts to).
    static int32_t RegisteredTextureCount();

    int32_t mode_ = kModeNone;
    std::string levelName_;
    uint32_t lastObjectId_ = 0;
    // The last id as the scene's file held it, before the screen built its own
    // objects: those draw ids too, and a save leaves them out.
    uint32_t sceneLastObjectId_ = 0;
    std::array<ObjectList, kLayerCount> layers_;
    // Removed objects live on (other objects may still point at them) but no tick
    // walks them: only the pending ones are taken out, and the set answers whether
    // an object is already removed without a search.
    ObjectList removed_;
    ObjectList pendingRemovals_;
    std::unordered_set<const cObject*> removedSet_;
    std::unordered_map<cObject*, std::unique_ptr<cObject>> owned_;
    // The objects the play tick's update walk goes over (kept to reuse its storage),
    // and a count of scene clearings that tells the walk its objects are gone.
    ObjectList updateWalk_;
    uint64_t sceneGeneration_ = 0;
    cObject* hovered_ = nullptr;
    int32_t hoveredPart_ = 0;
    std::array<int32_t, kLayerCount> blendModes_{0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    uint32_t sceneColor_ = kWhite;
    float levelWidth_ = kVirtualWidth;
    float levelHeight_ = kVirtualHeight;
    vrk::Matrix4 view_;
    vec2 center_;
    vec2 scrollVelocity_;
    float zoom_ = 1.0f;
    float targetZoom_ = 1.0f;
    std::list<CaptionRecord> captions_;
    uint64_t nextCaptionSerial_ = 0;
    CaptionStyle captionStyle_;
    int32_t texturesDone_ = 0;
    std::string nextTexture_;
    vrk::cCtrl* progressCtrl_ = nullptr;
    uint32_t inputFlags_ = 0;
    vec2 pressPoint_;
    float dragLength_ = 0.0f;
    // The object under the pointer when the left button went down (its id, 0 for
    // none): the click is its, even when it has walked or turned from under the
    // pointer while the button was held.
    int32_t pressedId_ = 0;
    float letterboxHeight_ = 0.0f;
    float letterboxSpeed_ = 0.0f;
    std::unique_ptr<CaptionList> effectList_;
    std::shared_ptr<vrk::cFont> effectFont_;
    std::vector<std::pair<uint32_t, uintptr_t>> postedEvents_;
    // Left, right, top, bottom, virtual-screen units.
    std::array<float, 4> edgeMargins_{kEdgeMargin, kEdgeMargin, kEdgeMargin, kEdgeMargin};

    // Editor state (the level editor works on these).
    uint32_t editorFlags_ = kInitialEditorFlags;
    ObjectList selection_;
    // The palette's choice: the type id the next press creates (0: none), and the
    // sprite set-up it gets.
    int32_t pendingType_ = 0;
    std::string pendingSprite_;
    vec2 dragAnchor_;
    Rect rubberBand_;
    vec2 pasteOffset_;
    std::array<uint8_t, kLayerCount> hiddenLayers_{};
    std::array<uint8_t, kLayerCount> frozenLayers_{};
    vrk::cByteStream clipboard_;
};
