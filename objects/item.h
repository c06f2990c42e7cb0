// cItem: a pick-up lying on a level (a bundle of food, wood, money or mana). A worker
// takes it in one tick and carries its yield home; the item then vanishes, except on
// a level opened for editing, where it stays visible.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"

class cItem : public cGameObject {
public:
    // The amount every pick-up carries of its kind.
    static constexpr int32_t kItemAmount = 20;

    explicit cItem(cObjectOwner* owner);
    ~cItem() override;

    // --- Overrides of cObject ---
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    ResourceVector GetYield() override;
    std::string GetHintText() override;
    // Taking the item needs no time: it is gone at the first call.
    int32_t UpdateTimer(float dt) override;

private:
    ResourceVector yield_;
};
