// cLake: a stretch of water that blocks the workers' roads until the freeze-water
// spell turns it into passable ice with falling snow. Thawing blocks the roads at
// once, but the ice stays shown until no worker stands on it any more. It takes no
// orders and is picked only in the editor.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"

class cLake : public cGameObject {
public:
    // Open water is the framework's 1 (blocked, nothing drawn in play).
    static constexpr int32_t kStateOpen = 1;
    static constexpr int32_t kStateFrozen = 2;
    static constexpr int32_t kStateThawing = 3;
    // Drawn beneath the standing objects.
    static constexpr int32_t kLakeLayer = 1;
    static constexpr int32_t kFootprintCells = 3;

    explicit cLake(cObjectOwner* owner);
    ~cLake() override;

    // --- Overrides of cObject ---
    void Update() override;
    void DrawOverlay() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    int32_t HitTest(const vec2& point) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;

    // --- Its own operations ---
    // Frozen: state 2 and snow; thawed: state 3 and no snow. Asking for the state
    // the lake is in changes nothing.
    virtual void SetFrozen(bool frozen);
    virtual void SetSnow(bool on);

    const EffectHolder& GetSnow(size_t index) const { return snow_[index]; }

private:
    // Places the three snow emitters around the lake's position.
    void PlaceSnow();
    // True while a worker of the workers' layer stands on the lake's cells.
    bool IsWorkerOnIce() const;

    std::array<EffectHolder, 3> snow_;
};
