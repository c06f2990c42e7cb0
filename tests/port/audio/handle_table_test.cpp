// Handles of the audio tables: never 0, never reused for a later entry.
#include "port/audio/handle_table.h"

#include <gtest/gtest.h>

namespace {

TEST(HandleTableTest, RemovedHandle_DoesNotFindTheEntryThatTakesItsSlot)
{
    port::HandleTable<int> table;
    const uint32_t first = table.Add(std::make_unique<int>(1));
    ASSERT_NE(first, 0u);
    ASSERT_TRUE(table.Remove(first));
    const uint32_t second = table.Add(std::make_unique<int>(2));
    EXPECT_NE(second, first);
    EXPECT_EQ(table.Find(first), nullptr);
    ASSERT_NE(table.Find(second), nullptr);
    EXPECT_EQ(*table.Find(second), 2);
    EXPECT_FALSE(table.Remove(first));
}

TEST(HandleTableTest, UnknownHandles_FindNothing)
{
    port::HandleTable<int> table;
    table.Add(std::make_unique<int>(1));
    for (uint32_t handle : {0u, 2u, 0xFFFFu, 0xFFFFFFFFu, (2u << 16) | 1u})
        EXPECT_EQ(table.Find(handle), nullptr) << handle;
}

TEST(HandleTableTest, Clear_EndsEveryHandleAndForEachVisitsTheRest)
{
    port::HandleTable<int> table;
    const uint32_t a = table.Add(std::make_unique<int>(1));
    table.Add(std::make_unique<int>(2));
    table.Remove(a);
    int sum = 0;
    table.ForEach([&sum](uint32_t, int& value) { sum += value; });
    EXPECT_EQ(sum, 2);
    table.Clear();
    sum = 0;
    table.ForEach([&sum](uint32_t, int& value) { sum += value; });
    EXPECT_EQ(sum, 0);
}

}  // namespace
