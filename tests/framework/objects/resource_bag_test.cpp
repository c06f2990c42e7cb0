// The carried load: empty without amounts or without its source, cleared whole.
#include "framework/objects/resource_bag.h"

#include <gtest/gtest.h>

#include "framework/objects/game_object.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

TEST(ResourceBagTest, IsEmpty_WithoutAmountsOrWithoutSourceAndClearForgetsBoth)
{
    test::FakeAppServices app;
    cGameObject tree(nullptr);
    ResourceBag bag;
    EXPECT_EQ(bag.Size(), 4u);
    EXPECT_TRUE(bag.IsEmpty());
    bag.Assign(ResourceVector(std::vector<int32_t>{20, 0, 0, 0, 99}), nullptr);
    EXPECT_EQ(bag.amounts, (std::vector<int32_t>{20, 0, 0, 0}));
    EXPECT_TRUE(bag.IsEmpty()) << "a load without its source counts as empty";
    bag.Assign(ResourceVector(std::vector<int32_t>{0, 0}), &tree);
    EXPECT_TRUE(bag.IsEmpty());
    bag.Assign(ResourceVector(std::vector<int32_t>{0, 5}), &tree);
    EXPECT_FALSE(bag.IsEmpty());
    EXPECT_EQ(bag.source, &tree);
    const ResourceBag copy = bag;
    bag.Clear();
    EXPECT_TRUE(bag.IsZero());
    EXPECT_EQ(bag.source, nullptr);
    EXPECT_EQ(copy.source, &tree) << "copies keep their own load";
}

}  // namespace
