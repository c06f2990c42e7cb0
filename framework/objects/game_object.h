// cGameObject: the base of everything on a level that the player or a worker deals
// with (buildings, sites, obstacles, enemies and the walkers). It adds a work timer
// that a worker runs down, a footprint on the path grid, a hint pop-up, the count of
// workers heading to it, an optional hit outline and the verdict on whether a worker
// can be sent to it. Its destructor is the one every level object ends in.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/object.h"
#include "framework/objects/resource_vector.h"

struct CaptionHandle;

// Verdicts of GetOrderState; level objects add codes of their own.
enum OrderState : int32_t {
    kOrderAllowed = 0,
    kOrderNotInteractive = 1,
    kOrderCannotPay = 2,
    kOrderPlacesReserved = -2,
    kOrderNoFreePlace = -3,
};

// Answers of UpdateTimer.
enum WorkTimerStep : int32_t {
    kTimerIdle = 0,      // nothing runs, or the work just ran out
    kTimerRunning = 1,
    kTimerRestarted = 2, // a new period starts
};

// States the framework gives a game object besides those of cObject.
enum GameObjectState : int32_t {
    kStateWorking = 0,   // a worker works on it
    kStateWorkDone = 1,  // the work timer ran out
};

class cGameObject : public cObject {
public:
    static constexpr int32_t kGameObjectLayer = 5;
    // Update calls between two refreshes of an open hint pop-up (0.5 s).
    static constexpr int32_t kHintRefreshTicks = 15;
    // Update calls a notice (an order's refusal) holds the pop-up before the hover
    // text may take it back (2 s): time enough to read it after its fade-in.
    static constexpr int32_t kNoticeTicks = 60;
    // Reservation marks overlap: each starts this share of a mark's width after
    // the one before.
    static constexpr float kMarkSpacing = 0.3f;
    static constexpr float kNodeLineWidth = 2.0f;
    static constexpr uint32_t kNodeLineColor = 0xFF0000FFu;

    explicit cGameObject(cObjectOwner* owner);
    ~cGameObject() override;

    // --- Overrides of cObject ---
    void Update() override;
    void DrawOverlay() override;
    void DrawSelection() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    int32_t HitTest(const vec2& point) override;

    // --- Its own virtual operations, in their fixed order ---
    // Answer 0 to accept a state change, anything else to refuse it.
    virtual int32_t OnStateChange(int32_t oldState, int32_t newState);
    virtual int32_t GetOrderState();
    virtual ResourceVector GetCost();
    // What a worker takes when the work is done.
    virtual ResourceVector GetYield();
    virtual std::string GetHintText();
    // Runs the work timer by dt seconds; answers a WorkTimerStep.
    virtual int32_t UpdateTimer(float dt);
    virtual float GetTimerProgress();
    // Stores the period only; the running time is left as it is.
    virtual void SetTimerPeriod(float seconds);
    // The current frame's rectangle; objects made of parts answer per part.
    virtual void GetRect(Rect& rect, int32_t part);
    virtual float GetRadius();
    virtual void SetZoneSize(int32_t width, int32_t height);
    // Writes the value (non-zero blocks, 0 frees) into the grid cells under the
    // footprint.
    virtual void MarkZone(int32_t value);
    virtual void GetZoneRect(Rect& rect);
    virtual void AddReservation();
    // Never below 0; answers the new count.
    virtual uint32_t RemoveReservation();
    virtual void ClearReservations();

    // --- Plain access for the screens and the level objects ---
    bool IsInteractive() const { return interactive_ != 0; }
    void SetInteractive(bool interactive) { interactive_ = interactive ? 1 : 0; }
    bool IsReachable() const { return reachable_ != 0; }
    void SetReachable(bool reachable) { reachable_ = reachable ? 1 : 0; }
    float GetTimerRemaining() const { return timerRemaining_; }
    void SetTimerRemaining(float seconds) { timerRemaining_ = seconds; }
    float GetTimerPeriod() const { return timerPeriod_; }
    int32_t GetZoneWidth() const { return zoneWidth_; }
    int32_t GetZoneHeight() const { return zoneHeight_; }
    // The screen stores the handle of the hint pop-up it opened for this object.
    CaptionHandle* GetHintHandle() const { return hintHandle_; }
    void SetHintHandle(CaptionHandle* handle) { hintHandle_ = handle; }
    // The pop-up now shows a notice: for kNoticeTicks updates neither the hint
    // refresh nor the hover, nor the pointer leaving, replaces or closes it. Then the
    // hint text comes back while the pointer rests here, else the pop-up closes.
    void HoldNotice() { noticeTicks_ = kNoticeTicks; }
    bool IsNoticeShown() const { return noticeTicks_ > 0; }
    vec2 GetBarOffset() const { return barOffset_; }
    void SetBarOffset(const vec2& offset) { barOffset_ = offset; }
    vec2 GetMarksOffset() const { return marksOffset_; }
    void SetMarksOffset(const vec2& offset) { marksOffset_ = offset; }
    uint32_t GetReservations() const { return reservations_; }
    int32_t GetPlaceCapacity() const { return placeCapacity_; }
    std::vector<vec2>& HitPolygon() { return hitPolygon_; }
    const std::vector<vec2>& HitPolygon() const { return hitPolygon_; }

protected:
    uint8_t interactive_ = 1;
    uint8_t reachable_ = 0;
    float timerRemaining_ = 0.0f;
    float timerPeriod_ = 0.0f;
    int32_t zoneWidth_ = 1;
    int32_t zoneHeight_ = 1;
    CaptionHandle* hintHandle_ = nullptr;
    vec2 barOffset_;
    vec2 marksOffset_;
    uint32_t reservations_ = 0;
    int32_t updateCounter_ = 0;
    // Updates left of the notice the pop-up shows; 0 while it shows the hint text.
    int32_t noticeTicks_ = 0;
    // Outline relative to the position; level objects fill it and test clicks on it.
    std::vector<vec2> hitPolygon_;

private:
    // Hands an open hint pop-up back to the owner.
    void ReleaseHint();
    // The notice's time is over: the hint text while hovered, else nothing.
    void EndNotice();
};
