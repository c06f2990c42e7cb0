// Tests of the level classes' kind-test table and of the level-object factory's
// refusals.
#include "objects/level_contract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/object.h"
#include "framework/widgets/level_widget.h"
#include "objects/level_object_factory.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

struct KindCase {
    int32_t typeId;
    std::vector<int32_t> kinds;  // every kind it answers, nothing else
};

class LevelKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(LevelKindTest, AnswersExactlyItsOwnIdAndTheIdsAboveIt)
{
    const KindCase& c = GetParam();
    for (int32_t kind = 0; kind <= 140; ++kind) {
        const bool expected = std::find(c.kinds.begin(), c.kinds.end(), kind) != c.kinds.end();
        EXPECT_EQ(IsLevelKindOf(c.typeId, kind), expected) << "type " << c.typeId << " kind " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ClassTree, LevelKindTest,
    ::testing::Values(KindCase{kTypeBuild, {101, 10, 1}}, KindCase{kTypeBarrier, {102, 10, 1}},
                      KindCase{kTypeWorker, {104, 12, 10, 1}}, KindCase{kTypeSource, {106, 10, 1}},
                      KindCase{kTypePlant, {107, 101, 10, 1}}, KindCase{kTypeItem, {108, 10, 1}},
                      KindCase{kTypeField, {111, 10, 1}}, KindCase{kTypeSkeleton, {114, 116, 12, 10, 1}},
                      KindCase{kTypeTower, {115, 101, 10, 1}}, KindCase{kTypeEnemy, {116, 12, 10, 1}},
                      KindCase{kTypeWayPoint, {119, 1}}, KindCase{kTypeTank, {129, 10, 1}},
                      KindCase{kTypeWorkerCloud, {1}}, KindCase{103, {}}, KindCase{105, {}},
                      KindCase{100, {}}, KindCase{131, {}}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return "Type" + std::to_string(info.param.typeId); });

TEST(NewLevelObject, MakesNothingForIdsWithoutALevelClass)
{
    test::FakeOwner owner;
    for (const int32_t id : {0, 1, 10, 12, 17, 100, 103, 105, 116, 131, -101}) {
        EXPECT_EQ(NewLevelObject(id, &owner), nullptr) << id;
    }
    // What it does make is of the asked type and belongs to the owner.
    for (int32_t id = kFirstLevelTypeId; id <= kLastLevelTypeId; ++id) {
        const std::unique_ptr<cObject> object = NewLevelObject(id, &owner);
        if (object == nullptr) continue;
        EXPECT_EQ(object->GetTypeId(), id);
        EXPECT_EQ(object->GetOwner(), &owner);
    }
}

TEST(NewLevelObject, PlainSceneScreensMakeNoLevelObject)
{
    test::FakeAppServices app;
    cLevelWidget screen;
    for (int32_t id = kFirstLevelTypeId; id <= kLastLevelTypeId; ++id) {
        EXPECT_EQ(screen.CreateObject(id, 0), nullptr) << id;
    }
    for (const auto& layer : screen.GetLayers()) EXPECT_TRUE(layer.empty());
}

}  // namespace
