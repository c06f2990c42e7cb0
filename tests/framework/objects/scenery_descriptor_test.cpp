// Scenery descriptors: every kind word and the value lists.
#include "framework/objects/scenery_descriptor.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
    const char* text;
    DecorKind kind;
    size_t values;
};

class SceneryKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(SceneryKindTest, Parse_KindAndValueCount)
{
    const SceneryDescriptor d = ParseSceneryDescriptor(GetParam().text);
    EXPECT_EQ(d.kind, GetParam().kind);
    EXPECT_EQ(d.values.size(), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SceneryKindTest,
    ::testing::Values(KindCase{"simple=rock01", kDecorSimple, 1}, KindCase{"anim=source_fountain", kDecorAnim, 1},
                      KindCase{"fade=torch;0.5", kDecorFade, 2}, KindCase{"rand=a;30;b;70", kDecorRand, 4},
                      KindCase{"offset=effect_lava_add;0.02;0.02", kDecorOffset, 3},
                      KindCase{"tree=oak;-0.05;0.05;0.4", kDecorTree, 4},
                      KindCase{"snowman=snowman0;-0.02;0.02;0.5", kDecorSnowman, 4},
                      KindCase{"wave=boat;1;2;0.5;3;0.2;0.1", kDecorWave, 7},
                      KindCase{"qp3_coffee=steam", kDecorCoffee, 1}, KindCase{"kv2_bat=bat0", kDecorBat, 1},
                      KindCase{"main=x", kDecorNone, 0}, KindCase{"bogus=x;1", kDecorNone, 0},
                      KindCase{"", kDecorNone, 0}, KindCase{"simple", kDecorSimple, 1}));

TEST(SceneryDescriptorTest, Values_MissingAndEmptyPiecesKeepTheirPlaces)
{
    const SceneryDescriptor d = ParseSceneryDescriptor("tree=oak;;0.05");
    EXPECT_EQ(d.Text(0), "oak");
    EXPECT_FLOAT_EQ(d.Number(1), 0.0f);
    EXPECT_FLOAT_EQ(d.Number(2), 0.05f);
    EXPECT_FLOAT_EQ(d.Number(3), 0.0f);  // missing
    EXPECT_EQ(d.Text(9), "");
}

TEST(SceneryDescriptorTest, SingleSpriteKinds_KeepTheWholeRest)
{
    EXPECT_EQ(ParseSceneryDescriptor("simple=a;b").Text(0), "a;b");
    EXPECT_EQ(ParseSceneryDescriptor("fade=a;0.5").Text(0), "a");
}

}  // namespace
