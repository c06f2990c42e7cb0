// cObject's level record: round trips, layer clamping through the owner, the order
// in which the sprite set-up is applied, and cut-off records.
#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "framework/objects/node.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

// Remembers where the object stood when its sprite set-up was applied.
class SpriteProbe : public cObject {
public:
    using cObject::cObject;
    void SetSprite(const std::string& sprite) override
    {
        cObject::SetSprite(sprite);
        positionAtSetSprite = GetPosition();
        ++setSpriteCalls;
    }
    vec2 positionAtSetSprite;
    int setSpriteCalls = 0;
};

class ObjectIoTest : public ::testing::Test {
protected:
    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

void Fill(cObject& object)
{
    object.SetName("house00");
    object.SetSprite("simple=house");
    object.SetText("tag text");
    object.SetLinkId(77);
    object.SetPosition(12.5f, -3.25f);
    object.SetAngle(0.75f);
    object.SetScale(1.5f, 0.5f);
}

TEST_F(ObjectIoTest, SaveLoad_RoundTripKeepsEveryField)
{
    cObject original(&owner_);
    owner_.SetObjectLayer(&original, 4);
    Fill(original);
    vrk::cByteStream stream;
    EXPECT_TRUE(original.Save(stream));

    SpriteProbe copy(&owner_);
    EXPECT_TRUE(copy.Load(stream, 100));
    EXPECT_EQ(copy.GetLayer(), 4);
    EXPECT_EQ(copy.GetName(), "house00");
    EXPECT_EQ(copy.GetSprite(), "simple=house");
    EXPECT_EQ(copy.GetText(), "tag text");
    EXPECT_EQ(copy.GetLinkId(), 77);
    EXPECT_EQ(copy.GetPosition(), vec2(12.5f, -3.25f));
    EXPECT_EQ(copy.GetAngle(), 0.75f);
    EXPECT_EQ(copy.GetScale(), vec2(1.5f, 0.5f));
    EXPECT_EQ(stream.Cursor(), stream.Bytes().size());
}

TEST_F(ObjectIoTest, Save_RecordHasFixedSizePlusStrings)
{
    cObject object(&owner_);
    Fill(object);
    vrk::cByteStream stream;
    object.Save(stream);
    const size_t strings = std::string("house00").size() + std::string("simple=house").size() +
                           std::string("tag text").size();
    EXPECT_EQ(stream.Bytes().size(), 4 + (2 * 3 + strings) + 4 + 20);
}

TEST_F(ObjectIoTest, Load_AppliesSpriteLastWithPositionInPlace)
{
    cObject original(&owner_);
    Fill(original);
    vrk::cByteStream stream;
    original.Save(stream);
    SpriteProbe copy(&owner_);
    copy.Load(stream, 100);
    EXPECT_EQ(copy.setSpriteCalls, 1);
    EXPECT_EQ(copy.positionAtSetSprite, vec2(12.5f, -3.25f));
}

struct LayerCase {
    uint32_t stored;
    int32_t expected;
};

class ObjectIoLayerTest : public ::testing::TestWithParam<LayerCase> {};

TEST_P(ObjectIoLayerTest, Load_LayerGoesThroughOwnerClamp)
{
    test::FakeAppServices app;
    test::FakeOwner owner;
    cObject source(&owner);
    vrk::cByteStream stream;
    source.Save(stream);
    // Patch the stored layer (the record's first four bytes).
    vrk::cByteStream patched;
    patched.WriteInt32(GetParam().stored);
    for (size_t i = 4; i < stream.Bytes().size(); ++i) patched.WriteByte(stream.Bytes()[i]);
    cNode node(&owner);
    EXPECT_TRUE(node.Load(patched, 100));
    EXPECT_EQ(node.GetLayer(), GetParam().expected);
    EXPECT_EQ(owner.layers[static_cast<size_t>(GetParam().expected)].size(),
              GetParam().expected == cNode::kNodeLayer ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Layers, ObjectIoLayerTest,
                         ::testing::Values(LayerCase{15, 9}, LayerCase{2, 2}, LayerCase{0xFFFFFFFDu, 0},
                                           LayerCase{7, 7}));

TEST_F(ObjectIoTest, Load_WithoutOwnerClampsItself)
{
    cObject source(nullptr);
    source.SetLayerField(12);
    vrk::cByteStream stream;
    source.Save(stream);
    cObject copy(nullptr);
    EXPECT_TRUE(copy.Load(stream, 100));
    EXPECT_EQ(copy.GetLayer(), 9);
}

TEST_F(ObjectIoTest, Load_CutOffRecordIsRefusedWithZeros)
{
    cObject original(&owner_);
    Fill(original);
    vrk::cByteStream full;
    original.Save(full);
    // Everything but the last float (scale y).
    vrk::cByteStream cut;
    for (size_t i = 0; i + 4 < full.Bytes().size(); ++i) cut.WriteByte(full.Bytes()[i]);
    cObject copy(&owner_);
    EXPECT_FALSE(copy.Load(cut, 100));
    EXPECT_EQ(copy.GetScale(), vec2(1.5f, 0.0f));
    EXPECT_EQ(copy.GetName(), "house00");
}

TEST_F(ObjectIoTest, Load_StringLongerThanDataIsRefused)
{
    vrk::cByteStream stream;
    stream.WriteInt32(3);
    stream.WriteByte(50);  // a name of 50 bytes of which only 2 follow
    stream.WriteByte(0);
    stream.WriteByte('a');
    stream.WriteByte('b');
    cObject copy(&owner_);
    EXPECT_FALSE(copy.Load(stream, 100));
}

TEST_F(ObjectIoTest, Load_EmptyStreamIsRefused)
{
    vrk::cByteStream stream;
    cObject copy(&owner_);
    EXPECT_FALSE(copy.Load(stream, 100));
    EXPECT_EQ(copy.GetLayer(), 0);
}

}  // namespace
