// cItem: the four kinds of pick-up, taking one and its hint.
#include "objects/item.h"

#include <iterator>

#include "engine/sound/sound_play.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"

namespace {

constexpr const char* kLifeKey = "life";
constexpr const char* kTakeSound = "take";

// The names that make a pick-up, by resource index (0 wood, 1 food, 2 money, 3 mana);
// each binds the sprite of its own name.
constexpr const char* kItemNames[] = {"wood", "food", "money", "mana"};

}  // namespace

cItem::cItem(cObjectOwner* owner) : cGameObject(owner) {}

cItem::~cItem() = default;

int32_t cItem::GetTypeId() const { return kTypeItem; }

bool cItem::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeItem, id); }

void cItem::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    yield_ = ResourceVector();
    for (size_t index = 0; index < std::size(kItemNames); ++index) {
        if (sprite != kItemNames[index]) continue;
        AddAnimation(kLifeKey, sprite);
        if (index < yield_.Size()) yield_.amounts[index] = kItemAmount;
    }
    SetState(kStateWorkDone);
}

int32_t cItem::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    if (newState == kStateWorkDone) SwitchAnimation(kLifeKey);
    if (newState == kStateNone) {
        // On a level opened for editing the item stays where the editor can see it.
        const bool editing = owner_ != nullptr && owner_->IsEditorMode();
        SwitchAnimation(editing ? kLifeKey : std::string());
    }
    return 0;
}

ResourceVector cItem::GetYield() { return yield_; }

std::string cItem::GetHintText()
{
    std::string text = vrk::FindText(sprite_);
    if (yield_.IsZero()) return text;
    std::string caption;
    return text + "\n" + vrk::FindText("Profit") + ": " + yield_.FormatResourceAmounts(caption, true);
}

int32_t cItem::UpdateTimer(float /*dt*/)
{
    SetState(kStateNone);
    vrk::PlaySound(kTakeSound);
    return kTimerIdle;
}
