// DirectionIndex: sectors of the circle for four and eight directions, the sector
// edges, and the counts and directions that give no sector.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/objects/man_direction.h"

namespace {

struct DirectionCase {
    float x;
    float y;
    int32_t count;
    int32_t expected;
};

class DirectionIndexTest : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionIndexTest, GivesTheSectorOfTheDirection)
{
    const DirectionCase& c = GetParam();
    EXPECT_EQ(DirectionIndex(vec2{c.x, c.y}, c.count), c.expected)
        << "(" << c.x << ", " << c.y << ") count " << c.count;
}

INSTANTIATE_TEST_SUITE_P(
    Sectors, DirectionIndexTest,
    ::testing::Values(
        // Four directions: right, up, left, down; the first sector is centred on 0.
        DirectionCase{1.0f, 0.0f, 4, 0}, DirectionCase{0.0f, 1.0f, 4, 1}, DirectionCase{-1.0f, 0.0f, 4, 2},
        DirectionCase{0.0f, -1.0f, 4, 3}, DirectionCase{1.0f, -0.99f, 4, 0}, DirectionCase{1.0f, 0.99f, 4, 0},
        DirectionCase{1.0f, 1.01f, 4, 1}, DirectionCase{-1.0f, -0.01f, 4, 2},
        // Eight directions.
        DirectionCase{1.0f, 1.0f, 8, 1}, DirectionCase{-1.0f, 1.0f, 8, 3}, DirectionCase{-1.0f, 0.0f, 8, 4},
        DirectionCase{-1.0f, -1.0f, 8, 5}, DirectionCase{1.0f, -1.0f, 8, 7}, DirectionCase{1.0f, -0.01f, 8, 0},
        // With one sector straight left lands on the full turn: still the only sector.
        DirectionCase{-1.0f, 0.0f, 1, 0}, DirectionCase{-1.0f, -0.0f, 1, 0},
        // A zero vector counts as angle 0.
        DirectionCase{0.0f, 0.0f, 4, 0},
        // No sectors at all.
        DirectionCase{0.0f, 1.0f, 0, 0}, DirectionCase{0.0f, 1.0f, -4, 0}));

TEST(DirectionIndex, NotANumberGivesTheFirstSector)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(DirectionIndex(vec2{nan, 1.0f}, 4), 0);
    EXPECT_EQ(DirectionIndex(vec2{1.0f, nan}, 8), 0);
}

TEST(DirectionIndex, EveryAngleStaysWithinTheSectors)
{
    for (int32_t count = 1; count <= 8; ++count) {
        for (int step = 0; step <= 3600; ++step) {
            const float angle = static_cast<float>(step) * 0.1f * 3.14159265f / 180.0f - 3.14159265f;
            const int32_t index = DirectionIndex(vec2{std::cos(angle), std::sin(angle)}, count);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, count);
        }
    }
}

}  // namespace
