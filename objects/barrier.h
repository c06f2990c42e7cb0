// cBarrier: an obstacle on the workers' roads (a fallen log, a stone, a big stone or
// a broken bridge). It blocks its cells while it stands; a worker clears it (or
// mends the bridge) for a price paid with the order, then its cells are freed and
// the roads change. IsBridge tells the mended-bridge case apart.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"

class cBarrier : public cGameObject {
public:
    // States besides those of every game object (0 worked, 1 standing).
    static constexpr int32_t kStateCleared = 2;

    explicit cBarrier(cObjectOwner* owner);
    ~cBarrier() override;

    // --- Overrides of cObject ---
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // The set-up by type name: price, yield, work period and the picture.
    void SetSprite(const std::string& sprite) override;
    int32_t HitTest(const vec2& point) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    ResourceVector GetCost() override;
    ResourceVector GetYield() override;
    std::string GetHintText() override;
    int32_t UpdateTimer(float dt) override;

private:
    void OnCleared();

    ResourceVector cost_;
    ResourceVector yield_;
};

// True for a barrier (kind 102) whose sprite name begins with "bridge": a mended
// bridge keeps its picture and workers cross it.
bool IsBridge(const cObject* object);
