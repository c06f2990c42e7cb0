// The spell table: mana-only prices, effect times, names and the exact name look-up.
#include "objects/spell_table.h"

#include <gtest/gtest.h>

namespace {

TEST(SpellTableTest, EverySpell_CostsManaOnlyAndFindsItsOwnId)
{
    const int32_t prices[] = {50, 60, 80, 80, 70, 50};
    const float durations[] = {30.0f, 30.0f, 0.0f, 40.0f, 0.0f, 35.0f};
    for (int32_t id = 0; id < 6; ++id) {
        const ResourceVector price = GetSpellPrice(id);
        ASSERT_EQ(price.Size(), 4u);
        EXPECT_EQ(price.At(0) + price.At(1) + price.At(2), 0) << id;
        EXPECT_EQ(price.At(3), prices[id]) << id;
        EXPECT_FLOAT_EQ(GetSpellDuration(id), durations[id]) << id;
        EXPECT_EQ(GetSpellId(GetSpellName(id)), id);
    }
    EXPECT_EQ(GetSpellName(3), "spell_freeze_water");
}

TEST(SpellTableTest, LookUps_OutsideTheTableGiveNothing)
{
    EXPECT_EQ(GetSpellId("spell_shield"), 5);
    EXPECT_EQ(GetSpellId("Spell_shield"), -1) << "the comparison is exact";
    EXPECT_EQ(GetSpellId(""), -1);
    EXPECT_EQ(GetSpellName(6), "");
    EXPECT_EQ(GetSpellName(-1), "");
    EXPECT_TRUE(GetSpellPrice(-1).IsZero());
    EXPECT_TRUE(GetSpellPrice(6).IsZero());
    EXPECT_EQ(GetSpellPrice(6).Size(), 4u);
    EXPECT_FLOAT_EQ(GetSpellDuration(7), 0.0f);
}

}  // namespace
