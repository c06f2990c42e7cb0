// The spell look-ups over the constant spell table.
#include "objects/spell_table.h"

#include <cstddef>

namespace {

constexpr size_t kManaIndex = 3;

const SpellRecord* FindSpell(int32_t id)
{
    for (const SpellRecord& spell : kSpellTable) {
        if (spell.id == id) return &spell;
    }
    return nullptr;
}

}  // namespace

ResourceVector GetSpellPrice(int32_t id)
{
    ResourceVector price;
    const SpellRecord* spell = FindSpell(id);
    if (spell != nullptr && price.Size() > kManaIndex) price.amounts[kManaIndex] = spell->manaPrice;
    return price;
}

float GetSpellDuration(int32_t id)
{
    const SpellRecord* spell = FindSpell(id);
    return spell != nullptr ? spell->effectSeconds : 0.0f;
}

std::string GetSpellName(int32_t id)
{
    const SpellRecord* spell = FindSpell(id);
    return spell != nullptr ? std::string(spell->name) : std::string();
}

int32_t GetSpellId(const std::string& name)
{
    for (const SpellRecord& spell : kSpellTable) {
        if (name == spell.name) return spell.id;
    }
    return -1;
}
