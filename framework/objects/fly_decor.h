// cFlyDecor: a bird or a cloud that crosses the level now and then: it flies from
// outside one edge of the world to outside the other, waits a while unseen, and
// flies again on a new line. Birds carry a shadow below them, on the ground only.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/object.h"
#include "framework/objects/sprite_anim.h"

class cFlyDecor : public cObject {
public:
    enum FlightState : int32_t { kFlightNew = 0, kFlightWaiting = 1, kFlightFlying = 2 };
    enum Direction : int32_t { kLeftToRight = 0, kRightToLeft = 1, kBottomToTop = 3 };

    explicit cFlyDecor(cObjectOwner* owner);
    ~cFlyDecor() override;

    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    bool Load(vrk::cByteStream& stream, uint32_t version) override;
    bool Save(vrk::cByteStream& stream) override;
    vec2 GetPosition() const override;
    void SetPositionV(const vec2& position) override;
    void MoveV(const vec2& delta) override;

    // Chooses the next line across the world for the direction.
    virtual void PlanFlight();

    // The screens that use other directions or speeds set them (map clouds).
    void SetDirection(int32_t direction) { direction_ = direction; }
    void SetSpeed(float speed) { speed_ = speed; }
    int32_t GetDirection() const { return direction_; }
    float GetSpeed() const { return speed_; }
    float GetHeight() const { return height_; }
    float GetLeastWait() const { return leastWait_; }
    float GetMostWait() const { return mostWait_; }
    int32_t GetFlightState() const { return flightState_; }
    float GetProgress() const { return progress_; }
    float GetWaitTime() const { return waitTime_; }
    vec2 GetStart() const { return start_; }
    vec2 GetEnd() const { return end_; }
    vec2 GetHome() const { return home_; }
    const SpriteAnim& GetShadow() const { return shadow_; }

private:
    bool InEditor() const;
    // Whether the whole shadow, drawn at the point, lies below the scene's sky line:
    // a shadow never falls on the sky of a scene seen from the side.
    bool ShadowOnGround(const vec2& at) const;
    void StartWaiting();

    SpriteAnim shadow_;
    float height_ = 0.0f;
    int32_t direction_ = 0;
    float leastWait_ = 0.0f;
    float mostWait_ = 0.0f;
    float speed_ = 0.0f;
    vec2 home_;
    // Where the file put the flyer; its flight moves position_ all the time.
    vec2 placedPosition_;
    bool placedByFile_ = false;
    int32_t flightState_ = kFlightNew;
    float progress_ = 0.0f;
    float waitTime_ = 0.0f;
    vec2 start_;
    vec2 end_;
};
