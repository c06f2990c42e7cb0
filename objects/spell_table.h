// The six spells of the player's altars: one constant table of ids, names, mana
// prices and effect times, and the look-ups by id and by name. The level screen
// builds its spell table from this one, in the same order.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "framework/objects/resource_vector.h"

struct SpellRecord {
    int32_t id = 0;
    const char* name = "";
    int32_t manaPrice = 0;
    // Seconds the spell runs; 0 for spells whose effect is over at once.
    float effectSeconds = 0.0f;
};

inline constexpr std::array<SpellRecord, 6> kSpellTable{{
    {0, "spell_fast_workers", 50, 30.0f},
    {1, "spell_fast_food", 60, 30.0f},
    {2, "spell_restore_tree", 80, 0.0f},
    {3, "spell_freeze_water", 80, 40.0f},
    {4, "spell_kill_enemies", 70, 0.0f},
    {5, "spell_shield", 50, 35.0f},
}};

// Every spell costs mana only; an id outside the table costs nothing.
ResourceVector GetSpellPrice(int32_t id);
// The effect time in seconds; 0 outside the table.
float GetSpellDuration(int32_t id);
// The spell's name; empty outside the table.
std::string GetSpellName(int32_t id);
// The id whose name equals the given one exactly (case counts); -1 when none.
int32_t GetSpellId(const std::string& name);
