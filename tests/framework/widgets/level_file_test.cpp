// Level files: round trips through the writer and reader for every scene class,
// the id counter, layer clamping, the fallback creator of types the factory does not
// know, and truncated, oversized and hostile streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "engine/files/byte_stream.h"
#include "framework/objects/fly_decor.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_file.h"
#include "framework/widgets/level_reader.h"
#include "framework/widgets/level_writer.h"
#include "framework/widgets/object_factory.h"
#include "tests/framework/widgets/widget_fixtures.h"

namespace {

using test::WriteEntry;
using test::WriteFrame;

struct ClassCase {
    int32_t type;
    std::string sprite;
};

class LevelRoundTrip : public ::testing::TestWithParam<ClassCase> {};

TEST_P(LevelRoundTrip, SaveLoad_KeepsEveryRecordField)
{
    const ClassCase& param = GetParam();
    cLevelFile level;
    level.InitLevel("round");
    cObject* object = level.CreateObject(param.type, 42);
    ASSERT_NE(object, nullptr);
    object->SetSprite(param.sprite);
    level.SetObjectLayer(object, 6);
    object->SetName("thing");
    object->SetText("tag ^ text");
    object->SetLinkId(-5);
    object->SetPosition(12.5f, -7.25f);
    object->SetAngle(0.5f);
    object->SetScale(1.5f, 0.75f);
    level.SetLastObjectId(50);
    vrk::cByteStream first;
    level.Save(first);

    cLevelFile copy;
    ASSERT_TRUE(copy.Load(first));
    ASSERT_EQ(copy.Objects().size(), 1u);
    const cObject* loaded = copy.Objects().front();
    EXPECT_EQ(loaded->GetTypeId(), param.type);
    EXPECT_EQ(loaded->GetId(), 42);
    EXPECT_EQ(loaded->GetLayer(), 6);
    EXPECT_EQ(loaded->GetName(), "thing");
    EXPECT_EQ(loaded->GetText(), "tag ^ text");
    EXPECT_EQ(loaded->GetLinkId(), -5);
    EXPECT_EQ(copy.GetLastObjectId(), 50u);
    EXPECT_EQ(copy.GetLevelName(), "round");
    EXPECT_EQ(first.Cursor(), first.Bytes().size());

    vrk::cByteStream second;
    copy.Save(second);
    EXPECT_EQ(first.Bytes(), second.Bytes());
}

INSTANTIATE_TEST_SUITE_P(EveryFrameworkClass, LevelRoundTrip,
                         ::testing::Values(ClassCase{kTypeObject, "plain"}, ClassCase{kTypeDecor, "simple=tree"},
                                           ClassCase{kTypeNode, ""}, ClassCase{kTypeBack, ""},
                                           ClassCase{kTypeParticlesDecor, "snow=64"},
                                           ClassCase{kTypeFlyDecor, "bird00_lr"}));

TEST(LevelFile, RoundTrip_KeepsLayerOrderIdsAndLastId)
{
    cLevelFile level;
    level.InitLevel("order");
    for (int i = 0; i < 6; ++i) {
        cObject* object = level.CreateObject(kTypeDecor, 0);
        level.SetObjectLayer(object, 5 - (i % 3));
        object->SetName("d" + std::to_string(i));
    }
    vrk::cByteStream stream;
    level.Save(stream);
    cLevelFile copy;
    ASSERT_TRUE(copy.Load(stream));
    ASSERT_EQ(copy.Objects().size(), level.Objects().size());
    for (size_t i = 0; i < level.Objects().size(); ++i) {
        EXPECT_EQ(copy.Objects()[i]->GetName(), level.Objects()[i]->GetName());
        EXPECT_EQ(copy.Objects()[i]->GetId(), level.Objects()[i]->GetId());
        EXPECT_EQ(copy.Objects()[i]->GetLayer(), level.Objects()[i]->GetLayer());
    }
    EXPECT_EQ(copy.GetLastObjectId(), 6u);
}

TEST(LevelFile, FlyDecorRecord_IsEightBytesLongerThanDecor)
{
    auto recordSize = [](int32_t type) {
        cLevelFile level;
        cObject* object = level.CreateObject(type, 1);
        object->SetName("same");
        vrk::cByteStream stream;
        object->Save(stream);
        return stream.Bytes().size();
    };
    EXPECT_EQ(recordSize(kTypeFlyDecor), recordSize(kTypeDecor) + 8);
}

TEST(LevelFile, Load_CountZeroGivesEmptySceneWithStoredCounter)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "empty", 17, 0);
    cLevelFile level;
    EXPECT_TRUE(level.Load(stream));
    EXPECT_TRUE(level.Objects().empty());
    EXPECT_EQ(level.GetLastObjectId(), 17u);
}

TEST(LevelFile, Load_IdZeroDrawsFromCounterExplicitIdsStay)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "ids", 10, 3);
    WriteEntry(stream, kTypeObject, 0, 4);
    WriteEntry(stream, kTypeObject, 99, 4);
    WriteEntry(stream, kTypeObject, 0, 4);
    cLevelFile level;
    ASSERT_TRUE(level.Load(stream));
    ASSERT_EQ(level.Objects().size(), 3u);
    EXPECT_EQ(level.Objects()[0]->GetId(), 11);
    EXPECT_EQ(level.Objects()[1]->GetId(), 99);
    EXPECT_EQ(level.Objects()[2]->GetId(), 12);
    EXPECT_EQ(level.GetLastObjectId(), 12u);
}

TEST(LevelFile, Load_DuplicateIdsAreKept)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "dup", 0, 2);
    WriteEntry(stream, kTypeObject, 5, 4);
    WriteEntry(stream, kTypeObject, 5, 4);
    cLevelFile level;
    ASSERT_TRUE(level.Load(stream));
    ASSERT_EQ(level.Objects().size(), 2u);
    EXPECT_EQ(level.Objects()[0]->GetId(), 5);
    EXPECT_EQ(level.Objects()[1]->GetId(), 5);
    EXPECT_EQ(level.GetMaxObjectId(), 5u);
}

TEST(LevelFile, Load_LayerFifteenEndsInNineNodeKeepsLayerTwo)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "layers", 0, 2);
    WriteEntry(stream, kTypeObject, 1, 15);
    WriteEntry(stream, kTypeNode, 2, 2);
    cLevelFile level;
    ASSERT_TRUE(level.Load(stream));
    EXPECT_EQ(level.Objects()[0]->GetLayer(), 2);
    EXPECT_EQ(level.Objects()[0]->GetTypeId(), kTypeNode);
    EXPECT_EQ(level.Objects()[1]->GetLayer(), 9);
}

TEST(LevelFile, Load_UnknownTypeStopsAndKeepsObjectsRead)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "unknown", 0, 3);
    WriteEntry(stream, kTypeObject, 1, 4);
    WriteEntry(stream, 77, 2, 4);
    WriteEntry(stream, kTypeObject, 3, 4);
    cLevelFile level;
    EXPECT_FALSE(level.Load(stream));
    ASSERT_EQ(level.Objects().size(), 1u);
    EXPECT_EQ(level.Objects()[0]->GetId(), 1);
}

TEST(LevelFile, Load_TruncatedRecordStops)
{
    vrk::cByteStream whole;
    WriteFrame(whole, 100, "cut", 0, 2);
    WriteEntry(whole, kTypeObject, 1, 4, "first");
    WriteEntry(whole, kTypeObject, 2, 4, "second");
    // Every cut point of the stream loads without harm; only the whole one is whole.
    for (size_t cut = 0; cut < whole.Bytes().size(); ++cut) {
        vrk::cByteStream part;
        for (size_t i = 0; i < cut; ++i) part.WriteByte(whole.Bytes()[i]);
        cLevelFile level;
        const bool loaded = level.Load(part);
        EXPECT_LE(level.Objects().size(), 2u);
        if (loaded) {
            EXPECT_EQ(level.Objects().size(), 0u) << "cut at " << cut;
        }
    }
}

// A level file that counts the objects the reader asks it for.
class CountingLevelFile : public cLevelFile {
public:
    cObject* CreateObject(int32_t typeId, uint32_t id) override
    {
        ++asked;
        return cLevelFile::CreateObject(typeId, id);
    }
    int asked = 0;
};

TEST(LevelFile, Load_HugeCountOnShortStreamStopsWhereTheDataEnds)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "huge", 0, 0xFFFFFFFFu);
    WriteEntry(stream, kTypeObject, 1, 4);
    CountingLevelFile level;
    EXPECT_FALSE(level.Load(stream));
    EXPECT_EQ(level.Objects().size(), 1u);
    // The reader stops at the first entry past the data's end: the one object and
    // the cut-off entry are all it asks for, not the four billion the count claims.
    EXPECT_EQ(level.asked, 2);
    EXPECT_EQ(stream.Cursor(), stream.Bytes().size());
}

TEST(LevelFile, Load_OversizedStringLengthReadsEmpty)
{
    vrk::cByteStream stream;
    stream.WriteInt32(100);
    stream.WriteByte(0xFF);  // length 0xFFFF: read as empty
    stream.WriteByte(0xFF);
    stream.WriteInt32(3);
    stream.WriteInt32(0);
    cLevelFile level;
    EXPECT_TRUE(level.Load(stream));
    EXPECT_TRUE(level.Objects().empty());
}

TEST(LevelFile, Load_RandomBytesNeverCrash)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        vrk::cByteStream stream;
        WriteFrame(stream, 100, "noise", 0, random() % 64);
        const size_t length = random() % 600;
        for (size_t i = 0; i < length; ++i) {
            // Mostly small words, so that some entries name real types.
            stream.WriteByte(static_cast<uint8_t>(random() % 4 == 0 ? random() : random() % 8));
        }
        cLevelFile level;
        level.Load(stream);
        EXPECT_LE(level.Objects().size(), 64u);
    }
}

TEST(LevelFile, Load_RewindsAStreamReadBefore)
{
    vrk::cByteStream stream;
    WriteFrame(stream, 100, "again", 3, 1);
    WriteEntry(stream, kTypeObject, 1, 4);
    cLevelFile first;
    ASSERT_TRUE(first.Load(stream));
    cLevelFile second;
    ASSERT_TRUE(second.Load(stream));
    EXPECT_EQ(second.Objects().size(), 1u);
    EXPECT_EQ(second.GetLevelName(), "again");
}

TEST(ObjectFactory, LaterClassesRegisterTheirIds)
{
    constexpr int32_t kLateType = 120;
    EXPECT_FALSE(IsObjectTypeRegistered(kLateType));
    RegisterObjectType(kLateType, [](cObjectOwner* owner) -> std::unique_ptr<cObject> {
        return std::make_unique<cObject>(owner);
    });
    cLevelFile level;
    EXPECT_NE(level.CreateObject(kLateType, 0), nullptr);
    UnregisterObjectType(kLateType);
    EXPECT_EQ(level.CreateObject(kLateType, 0), nullptr);
}

TEST(LevelWriter, SkipsNullEntriesAndCountsTheRest)
{
    cLevelFile level;
    cObject* object = level.CreateObject(kTypeObject, 3);
    vrk::cByteStream stream;
    stream.WriteInt32(0xDEADBEEF);  // emptied by the writer
    WriteLevel(stream, 100, "n", 3, {nullptr, object, nullptr});
    cLevelFile copy;
    ASSERT_TRUE(copy.Load(stream));
    EXPECT_EQ(copy.Objects().size(), 1u);
    EXPECT_EQ(copy.GetVersion(), 100u);
}

}  // namespace

namespace {

constexpr int32_t kFallbackType = 150;
int fallbackCalls = 0;

class FallbackThing : public cObject {
public:
    using cObject::cObject;
    int32_t GetTypeId() const override { return kFallbackType; }
};

std::unique_ptr<cObject> MakeFallbackThing(int32_t typeId, cObjectOwner* owner)
{
    ++fallbackCalls;
    if (typeId != kFallbackType) return nullptr;
    return std::make_unique<FallbackThing>(owner);
}

TEST(LevelFile, FallbackCreator_MakesWhatTheFactoryDoesNotKnow)
{
    fallbackCalls = 0;
    cLevelFile writer;
    writer.SetFallbackCreator(MakeFallbackThing);
    cObject* thing = writer.CreateObject(kFallbackType, 7);
    ASSERT_NE(thing, nullptr);
    EXPECT_EQ(thing->GetOwner(), &writer);
    thing->SetName("made above");
    ASSERT_NE(writer.CreateObject(kTypeDecor, 0), nullptr);
    // The factory's own types never reach the fallback.
    EXPECT_EQ(fallbackCalls, 1);
    EXPECT_EQ(writer.CreateObject(kFallbackType + 1, 0), nullptr);
    vrk::cByteStream stream;
    writer.Save(stream);

    // Without a fallback the unknown type stops the objects.
    cLevelFile plain;
    EXPECT_FALSE(plain.Load(stream));
    EXPECT_TRUE(plain.Objects().empty());

    cLevelFile level;
    level.SetFallbackCreator(MakeFallbackThing);
    ASSERT_TRUE(level.Load(stream));
    ASSERT_EQ(level.Objects().size(), 2u);
    const cObject* loaded = level.Objects()[0]->GetTypeId() == kFallbackType ? level.Objects()[0] : level.Objects()[1];
    EXPECT_EQ(loaded->GetTypeId(), kFallbackType);
    EXPECT_EQ(loaded->GetId(), 7);
    EXPECT_EQ(loaded->GetName(), "made above");
    EXPECT_EQ(loaded->GetOwner(), &level);
}

}  // namespace
