// cAnimal: a small critter (a chipmunk or a rabbit) that wanders over a level for
// ever: it looks around, runs to a random free point nearby, looks around again. It
// takes no orders, carries nothing and has no work timer.
#pragma once
#include <string>

#include "framework/objects/man.h"

// States of an animal besides walking (2) and standing (-1).
enum AnimalState : int32_t {
    kAnimalAlert = 4,     // standing, playing the look-around once
    kAnimalChoosing = 5,  // asking the level for the next run
};

class cAnimal : public cMan {
public:
    static constexpr int32_t kAnimalLayer = 6;
    // World units per second.
    static constexpr float kRunSpeed = 20.0f;
    // A look-around needs at least this many frames to play and end.
    static constexpr int32_t kLeastAlertFrames = 2;

    explicit cAnimal(cObjectOwner* owner);
    ~cAnimal() override;

    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // "chip" and "rabbit" get their run and look-around animations; every name
    // starts the look-around.
    void SetSprite(const std::string& sprite) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    void StartMove() override;

private:
    // True when the look-around cannot play to its end (missing or a single frame).
    bool IsAlertStuck() const;
};
