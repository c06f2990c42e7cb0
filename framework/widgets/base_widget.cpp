// cBaseWidget: construction, modes, the fixed tick, the frame update and events.
#include "framework/widgets/base_widget.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "framework/objects/object.h"
#include "framework/objects/particle_store.h"
#include "framework/widgets/hover_pick.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;
constexpr float kZoomEpsilon = 0.0001f;
constexpr float kZoomRateFactor = 3.0f;
constexpr float kZoomRateEpsilon = 0.001f;
constexpr float kScrollDamping = 5.0f;
constexpr float kScrollEpsilon = 0.001f;
// Pop-ups fade in and out over a third of a second.
constexpr float kCaptionFadeRate = 3.0f;
constexpr const char* kAchievePopup = "level_achieve";

// A press there goes to the open windows (a HUD panel, a pop-up) and never to the
// scene: no object under them is hovered, so none is framed for an order the press
// cannot give.
bool WindowsTakePress()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr && game->gui && game->gui->TakesPress();
}

}  // namespace

cBaseWidget::cBaseWidget(const std::string& name) : vrk::cWidget(name)
{
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) view_.At(i, i) = 1.0f;
}

cBaseWidget::~cBaseWidget() { DeleteAllObjects(); }

// --- Modes ---

uint32_t cBaseWidget::SetMode(int32_t mode)
{
    if (mode == mode_) return static_cast<uint32_t>(mode_);
    ModeChange change{mode_, mode};
    const int32_t refused = OnEvent(kEventLeaveMode, reinterpret_cast<intptr_t>(&change));
    if (refused != 0) return static_cast<uint32_t>(refused);
    mode_ = mode;
    return static_cast<uint32_t>(OnEvent(kEventModeEntered, reinterpret_cast<intptr_t>(&change)));
}

void cBaseWidget::OnFocus() { SetMode(kModeLoading); }

void cBaseWidget::OnUnfocus()
{
    if (vrk::cGame* game = vrk::GetGame(); game && game->gui) game->gui->CloseWindow(kAchievePopup);
}

int32_t cBaseWidget::OnEvent(int32_t kind, intptr_t param)
{
    const auto code = static_cast<uint32_t>(kind);
    const auto value = static_cast<uintptr_t>(param);
    switch (mode_) {
    case kModeLoading: return static_cast<int32_t>(OnLoadingEvent(code, value));
    case kModePlay: return static_cast<int32_t>(OnPlayEvent(code, value));
    case kModeEditor: return static_cast<int32_t>(OnEditorEvent(code, value));
    default: return 0;
    }
}

uint32_t cBaseWidget::OnScreenEvent(uint32_t code, uintptr_t param)
{
    return static_cast<uint32_t>(OnEvent(static_cast<int32_t>(code), static_cast<intptr_t>(param)));
}

// --- Fixed tick ---

void cBaseWidget::Tick()
{
    switch (mode_) {
    case kModeLoading: TickLoading(); break;
    case kModePlay: TickPlay(); break;
    case kModeEditor: TickEditor(); break;
    default: break;
    }
    TakeOutRemoved();
}

void cBaseWidget::TakeOutRemoved()
{
    if (pendingRemovals_.empty()) return;
    // One pass over each layer however many objects go at once.
    std::unordered_set<const cObject*> leaving;
    for (cObject* object : pendingRemovals_) {
        if (object->GetState() != kStateRemoved) leaving.insert(object);
    }
    if (!leaving.empty()) {
        for (ObjectList& list : layers_) {
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [&leaving](const cObject* object) { return leaving.count(object) != 0; }),
                       list.end());
        }
    }
    for (cObject* object : pendingRemovals_) {
        if (leaving.count(object) == 0) continue;
        object->SetLayerField(-1);
        object->SetState(kStateRemoved);
    }
    pendingRemovals_.clear();
}

void cBaseWidget::TickPlay()
{
    const vec2 mouse = GetMouseWorldPos();
    HoverPick pick;
    bool cleared = false;
    // The walk goes over the layers as they are now: an update may add objects, move
    // one to another layer (which takes it out of its list at once) or remove one
    // (which only lists it), and every object here is still updated exactly once.
    // Objects added meanwhile have their first update next tick.
    updateWalk_.clear();
    for (const ObjectList& list : layers_) updateWalk_.insert(updateWalk_.end(), list.begin(), list.end());
    const uint64_t generation = sceneGeneration_;
    const bool pointerOnWindows = WindowsTakePress();
    for (size_t i = 0; i < updateWalk_.size(); ++i) {
        cObject* object = updateWalk_[i];
        object->Update();
        // An update that cleared the scene has deleted this object, the rest and what
        // the pick holds.
        if (sceneGeneration_ != generation) {
            cleared = true;
            break;
        }
        if (pointerOnWindows || (inputFlags_ & kInputNoHover) != 0 || IsHoverHeld()) continue;
        pick.Offer(*object, mouse);
    }
    updateWalk_.clear();
    if (effectList_) effectList_->Update(kTick);

    if (cleared) {
        SetHovered(nullptr, 0);
    } else {
        SetHovered(pick.Object(), pick.Part());
    }

    for (auto record = captions_.begin(); record != captions_.end();) {
        record->alpha += record->rate * kCaptionFadeRate * kTick;
        if (record->alpha <= 0.0f) {
            record = captions_.erase(record);
            continue;
        }
        if (record->alpha > 1.0f) record->alpha = 1.0f;
        ++record;
    }

    if (letterboxSpeed_ != 0.0f) {
        letterboxHeight_ += letterboxSpeed_ * kTick * kLetterboxSpeed;
        if (letterboxHeight_ >= kLetterboxHeight) {
            letterboxHeight_ = kLetterboxHeight;
            letterboxSpeed_ = 0.0f;
        } else if (letterboxHeight_ <= 0.0f) {
            letterboxHeight_ = 0.0f;
            letterboxSpeed_ = 0.0f;
        }
    }

    // Handlers may post more events; those are delivered in this same walk.
    for (size_t i = 0; i < postedEvents_.size(); ++i) {
        const auto [code, param] = postedEvents_[i];
        OnPlayEvent(code, param);
    }
    postedEvents_.clear();

    EdgeScroll();
}

cObject* cBaseWidget::PickAt(const vec2& point, int32_t& part)
{
    HoverPick pick;
    for (const ObjectList& list : layers_) {
        for (cObject* object : list) pick.Offer(*object, point);
    }
    part = pick.Part();
    return pick.Object();
}

void cBaseWidget::SetHovered(cObject* candidate, int32_t part)
{
    bool notify = false;
    if (candidate != hovered_) {
        if (hovered_ != nullptr) hovered_->OnMessage(kMessageMouseLeave, 0);
        hovered_ = candidate;
        hoveredPart_ = part;
        if (hovered_ != nullptr) hovered_->OnMessage(kMessageMouseEnter, 0);
        notify = hovered_ != nullptr;
    } else if (hovered_ != nullptr && part != hoveredPart_) {
        hoveredPart_ = part;
        notify = true;
    }
    if (notify) hovered_->OnMessage(kMessageMouseHover, 0);
}

void cBaseWidget::RefreshHover()
{
    cObject* candidate = nullptr;
    int32_t part = 0;
    if ((inputFlags_ & kInputNoHover) == 0 && !IsHoverHeld() && !WindowsTakePress()) {
        candidate = PickAt(GetMouseWorldPos(), part);
    }
    SetHovered(candidate, part);
}

// --- Frame update ---

void cBaseWidget::Update(float dt)
{
    if (mode_ == kModePlay || mode_ == kModeEditor) {
        if (std::fabs(targetZoom_ - zoom_) > kZoomEpsilon) {
            const float rate = (targetZoom_ - zoom_) * kZoomRateFactor;
            if (std::fabs(rate) < kZoomRateEpsilon) {
                zoom_ = targetZoom_;
                SetZoom(targetZoom_);
            } else {
                SetZoom(zoom_ + rate * dt);
            }
        }
        if (scrollVelocity_.x != 0.0f || scrollVelocity_.y != 0.0f) {
            SetViewCenter(center_.x + scrollVelocity_.x * dt, center_.y + scrollVelocity_.y * dt);
            scrollVelocity_ /= dt * kScrollDamping + 1.0f;
            if (std::fabs(scrollVelocity_.x) < kScrollEpsilon) scrollVelocity_.x = 0.0f;
            if (std::fabs(scrollVelocity_.y) < kScrollEpsilon) scrollVelocity_.y = 0.0f;
        }
        for (ObjectList& list : layers_) {
            for (size_t i = 0; i < list.size(); ++i) list[i]->UpdateFade(dt);
        }
    }
    if (ParticleStore* particles = GetParticleStore()) particles->Update(dt);
}

// --- Play events ---

uint32_t cBaseWidget::OnPlayEvent(uint32_t kind, uintptr_t param)
{
    switch (kind) {
    case vrk::kWidgetKeyDown:
        if (IsDeveloperMode() && param == static_cast<uintptr_t>(kTabKey)) SetMode(kModeEditor);
        return 0;
    case vrk::kWidgetButtonDown:
        if (param == 0) inputFlags_ |= kInputLeftHeld;
        if ((inputFlags_ & kInputLeftHeld) != 0) {
            pressPoint_ = GetMouseScreenPos();
            dragLength_ = 0.0f;
            // What the player pressed on is what the frame showed there, even when
            // the pointer moved since the last tick's hover pass.
            RefreshHover();
            pressedId_ = hovered_ != nullptr ? hovered_->GetId() : 0;
        }
        return 0;
    case vrk::kWidgetMouseMove:
        if ((inputFlags_ & kInputLeftHeld) != 0) {
            const vec2 point = GetMouseScreenPos();
            dragLength_ += (point - pressPoint_).Length();
            pressPoint_ = point;
        }
        return 0;
    case vrk::kWidgetButtonUp:
        if (param != 0) return 0;
        if ((inputFlags_ & kInputLeftHeld) != 0 && dragLength_ < kClickTravel) {
            // The click is the press's object: a walker may have stepped, or its
            // animation turned a limb, from under the pointer while the button was
            // held. The hover follows the pointer.
            RefreshHover();
            if (cObject* pressed = PressedObject()) OnEvent(kEventObjectClick, reinterpret_cast<intptr_t>(pressed));
        }
        inputFlags_ &= ~kInputLeftHeld;
        pressedId_ = 0;
        return 0;
    case kEventLeaveMode: return OnLeavePlay();
    case kEventModeEntered: return ShowGui();
    case kEventObjectClick: return OnObjectClick(reinterpret_cast<cObject*>(param));
    default: return 0;
    }
}

cObject* cBaseWidget::PressedObject()
{
    if (pressedId_ == 0) return nullptr;
    cObject* pressed = FindObjectById(static_cast<uint32_t>(pressedId_), -1);
    return pressed != nullptr && pressed->GetState() != kStateRemoved ? pressed : nullptr;
}

uint32_t cBaseWidget::ShowGui()
{
    inputFlags_ = 0;
    hovered_ = nullptr;
    pressedId_ = 0;
    return 0;
}

void cBaseWidget::PostEvent(uint32_t code, uintptr_t param) { postedEvents_.emplace_back(code, param); }

void cBaseWidget::ShowLetterbox()
{
    inputFlags_ |= kInputCinematic | kInputNoHover;
    letterboxSpeed_ = 1.0f;
}

void cBaseWidget::HideLetterbox()
{
    inputFlags_ &= ~(kInputCinematic | kInputNoHover);
    letterboxSpeed_ = -1.0f;
}

void cBaseWidget::EdgeScroll()
{
    const vec2 point = WindowToScreen(GetCursorPixel());
    const auto [left, right, top, bottom] = edgeMargins_;
    if (point.x < left) scrollVelocity_.x = -kEdgeScrollSpeed;
    if (point.x > kVirtualWidth - right) scrollVelocity_.x = kEdgeScrollSpeed;
    if (point.y < bottom) scrollVelocity_.y = -kEdgeScrollSpeed;
    if (point.y > kVirtualHeight - top) scrollVelocity_.y = kEdgeScrollSpeed;
}

void cBaseWidget::SendEditorCommand(int32_t a, const std::string& name, int32_t b)
{
    EditorCommand record{a, name, b};
    OnEditorEvent(kEventEditorCommand, reinterpret_cast<uintptr_t>(&record));
}
