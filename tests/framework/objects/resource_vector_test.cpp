// Resource amounts: construction by resource count, shortfalls and the captions.
#include "framework/objects/resource_vector.h"

#include <gtest/gtest.h>

#include "tests/framework/objects/fake_owner.h"

namespace {

TEST(ResourceVectorTest, Construction_TakesTheApplicationsResourceCount)
{
    test::FakeAppServices app;
    app.resourceCount = 3;
    const int32_t values[] = {1, 2, 3, 4, 5};
    ResourceVector v(values, 5);
    EXPECT_EQ(v.amounts, (std::vector<int32_t>{1, 2, 3}));
    ResourceVector shorter(values, 1);
    EXPECT_EQ(shorter.amounts, (std::vector<int32_t>{1, 0, 0}));
    EXPECT_FALSE(v.IsZero());
    v.Clear();
    EXPECT_TRUE(v.IsZero());
}

TEST(ResourceVectorTest, IsZero_TrueForNoEntries)
{
    test::FakeAppServices app;
    app.resourceCount = 0;
    EXPECT_TRUE(ResourceVector().IsZero());
}

TEST(ResourceVectorTest, Shortfall_IsTheNegativeLack)
{
    test::FakeAppServices app;
    app.resourceCount = 2;
    ResourceVector have(std::vector<int32_t>{3, 5});
    ResourceVector need(std::vector<int32_t>{5, 5});
    EXPECT_EQ(have.ResourceShortfall(need).amounts, (std::vector<int32_t>{-2, 0}));
    ResourceVector huge(std::vector<int32_t>{INT32_MIN, 0});
    ResourceVector greedy(std::vector<int32_t>{INT32_MAX, 0});
    EXPECT_EQ(huge.ResourceShortfall(greedy).amounts[0], INT32_MIN);
}

TEST(ResourceVectorTest, FormatResourceAmounts_ColoredAndPlain)
{
    test::FakeAppServices app;
    ResourceVector v(std::vector<int32_t>{-15, 0, 7, 0});
    std::string out = "old";
    EXPECT_EQ(v.FormatResourceAmounts(out, true),
              "^FF0000FF15^^^FFFFFFFF\xC2\xBD^^7^^^FFFFFFFF\xC2\xBE^^");
    EXPECT_EQ(v.FormatResourceAmounts(out, false), "15\xC2\xBD" "7\xC2\xBE");
    ResourceVector last(std::vector<int32_t>{0, 0, 0, 2});
    EXPECT_EQ(last.FormatResourceAmounts(out, false), "2\xE2\x80\xB0");
}

TEST(ResourceVectorTest, FormatResourceCost_RedOnlyWhereShort)
{
    test::FakeAppServices app;
    ResourceVector cost(std::vector<int32_t>{10, 0, 0, 5});
    ResourceVector available(std::vector<int32_t>{10, 0, 0, 4});
    std::string out;
    EXPECT_EQ(cost.FormatResourceCost(out, available),
              "10^^^FFFFFFFF\xC2\xBD^^^FF0000FF5^^^FFFFFFFF\xE2\x80\xB0^^");
}

}  // namespace
