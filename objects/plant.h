// cPlant: a production building (the mill, the sawmill and the gold mill). It is
// built and upgraded like every building, with its own prices and periods; once
// built it has a seat per level for workers, shown as a row of heads. Loads of the
// plant's resource delivered here are processed one after another, faster the
// more workers sit inside, and credited times the level's factor. A plant can
// bring a linked pick-up back after its respawn time.
//
// Set-up, levels, seats, hit test, hint and drawing live in plant.cpp; arrivals,
// the processing and the pick-up's return in plant_work.cpp.
#pragma once
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "framework/objects/effect_holder.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"
#include "objects/build.h"

class cMan;

class cPlant : public cBuild {
public:
    enum SeatStatus : int32_t {
        kSeatFree = 0,
        kSeatReserved = 1,  // a worker has been ordered in and is on the way
        kSeatTaken = 2,     // a worker sits inside
    };
    // Part numbers of the heads: seat i is part i + kFirstSeatPart.
    static constexpr int32_t kFirstSeatPart = 2;
    // What a seated worker is, and where he goes when he comes out.
    static constexpr int32_t kWorkerInsideState = 9;
    static constexpr int32_t kWorkerIdleState = 6;
    // Free and reserved heads are drawn translucent.
    static constexpr uint32_t kFreeHeadColor = 0x99FFFFFFu;
    static constexpr uint32_t kLinkLineColor = 0xFF0000FFu;
    static constexpr float kLinkLineWidth = 2.0f;
    // The first return of the pick-up after a set-up or an upgrade.
    static constexpr float kFirstRespawnSeconds = 1.0f;

    explicit cPlant(cObjectOwner* owner);
    ~cPlant() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    void DrawSelection() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // A head answers its part number (seat + 2); elsewhere the picture answers 1 as
    // a building's does (HitsPicture).
    int32_t HitTest(const vec2& point) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    std::string GetHintText() override;
    // Parts below 2: the current frame; a seat's part: its head; else empty.
    void GetRect(Rect& rect, int32_t part) override;
    // Also gives every reserved seat back.
    void ClearReservations() override;

    // --- Override of cBuild ---
    void SetupLevel() override;

    // --- Its own virtual operations ---
    virtual void SetSeatCount(int32_t count);
    // Ignored for a seat that does not exist.
    virtual void SetSeat(int32_t index, int32_t status);
    // A taken seat sends its worker out first.
    virtual void FreeSeat(int32_t index);
    virtual int32_t CountFreeSeats() const;
    virtual int32_t CountTakenSeats() const;
    // Queues a copy of a delivered load (amounts only).
    virtual void QueueDelivery(const ResourceVector& load);
    virtual float GetRatePerWorker() const;
    virtual float GetRespawnPeriod() const;

    // The pick-up this plant brings back (the level screen links it at the level's
    // start); null for none.
    void SetLinkedItem(cGameObject* item) { linkedItem_ = item; }
    cGameObject* GetLinkedItem() const { return linkedItem_; }

    // --- Plain access ---
    const std::vector<int32_t>& GetSeats() const { return seats_; }
    int32_t GetResourceKind() const { return resourceKind_; }
    float GetProcessTime() const { return processTime_; }
    float GetFactor() const { return factor_; }
    const std::list<ResourceVector>& GetDeliveries() const { return deliveries_; }
    const TimedValue<float>& GetProcessing() const { return processing_; }
    const TimedValue<float>& GetRespawn() const { return respawn_; }
    const SpriteAnim& GetFanSprite() const { return fanSprite_; }
    const EffectHolder& GetSmokeLeft() const { return smokeLeft_; }
    const EffectHolder& GetSmokeRight() const { return smokeRight_; }
    // Where seat i's head is drawn (its icon's rectangle); false without a head
    // icon or for a seat that does not exist.
    bool GetHeadRect(int32_t index, Rect& rect) const;

private:
    bool HasSeat(int32_t index) const;
    bool IsMill() const;
    bool IsSawmill() const;
    bool IsGoldMill() const;
    // A click on a head: answers whether the click is consumed.
    int32_t OnSeatClick(uintptr_t part);
    // A walker who reached the plant for seat `index`.
    void TakeIn(cMan& walker, int32_t index);
    // A walker who reached the plant with a load: true when the plant took it.
    bool TakeDelivery(cMan& walker);
    void UpdateProcessing();
    void UpdateRespawn();
    void DrawHeads(vrk::VertexBatch& batch);

    std::vector<int32_t> seats_;
    SpriteAnim headIcon_;
    SpriteAnim headCircle_;
    TimedValue<float> processing_;
    int32_t resourceKind_ = -1;
    float processTime_ = 0.0f;
    float factor_ = 1.0f;
    EffectHolder smokeLeft_;
    EffectHolder smokeRight_;
    std::list<ResourceVector> deliveries_;
    cGameObject* linkedItem_ = nullptr;
    float respawnPeriod_ = 0.0f;
    TimedValue<float> respawn_;
    SpriteAnim fanSprite_;
    SpriteAnim seatSprite_;
    // Set while a refused walker leaves: his target change must not free the seat
    // that another worker holds.
    bool turningAway_ = false;
};
