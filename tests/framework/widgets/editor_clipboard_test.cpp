// The level editor's copy and paste, and an edited scene saved through the level
// writer and loaded into a fresh screen.
#include "engine/files/byte_stream.h"
#include "framework/widgets/editor_keys.h"
#include "framework/widgets/level_file.h"
#include "tests/framework/widgets/editor_fixtures.h"

namespace {

using test::BoxObject;
using test::EditorTest;
namespace key = editor_key;

constexpr int32_t kUnknownType = 999;

class ClipboardTest : public EditorTest {
protected:
    void Copy()
    {
        widget->control = true;
        widget->Key(key::kC);
        widget->control = false;
    }
    void Paste()
    {
        widget->control = true;
        widget->Key(key::kV);
        widget->control = false;
    }
    // Selects the objects under the points, in that order.
    void Select(std::initializer_list<vec2> points)
    {
        widget->control = true;
        for (const vec2& point : points) widget->ClickAt(point);
        widget->control = false;
    }
};

TEST_F(ClipboardTest, CopyThenPasteTwice_PlacesCopies10And20UnitsRightAndUp)
{
    AddBox(3, {100.0f, 100.0f}, "first");
    AddBox(5, {300.0f, 200.0f}, "second");
    Select({{100.0f, 100.0f}, {300.0f, 200.0f}});
    Copy();
    EXPECT_EQ(widget->GetPasteOffset(), (vec2{10.0f, 10.0f}));

    Paste();
    ASSERT_EQ(widget->GetSelection().size(), 2u);
    // The clipboard holds the selection last selected first.
    const cObject* copyOfSecond = widget->GetSelection()[0];
    const cObject* copyOfFirst = widget->GetSelection()[1];
    EXPECT_EQ(copyOfSecond->GetName(), "second");
    EXPECT_EQ(copyOfSecond->GetPosition(), (vec2{310.0f, 210.0f}));
    EXPECT_EQ(copyOfSecond->GetLayer(), 5);
    EXPECT_EQ(copyOfFirst->GetPosition(), (vec2{110.0f, 110.0f}));
    EXPECT_EQ(copyOfFirst->GetTypeId(), BoxObject::kType);
    EXPECT_EQ(copyOfSecond->GetId(), 3);
    EXPECT_EQ(copyOfFirst->GetId(), 4);

    Paste();
    ASSERT_EQ(widget->GetSelection().size(), 2u);
    EXPECT_EQ(widget->GetSelection()[1]->GetPosition(), (vec2{120.0f, 120.0f}));
    EXPECT_EQ(widget->GetPasteOffset(), (vec2{30.0f, 30.0f}));
    EXPECT_EQ(widget->GetLayers()[3].size(), 3u);
    EXPECT_EQ(widget->GetLayers()[5].size(), 3u);
}

TEST_F(ClipboardTest, CAndVWithoutCtrl_DoNothing)
{
    AddBox(3, {100.0f, 100.0f});
    Select({{100.0f, 100.0f}});
    widget->Key(key::kC);
    EXPECT_TRUE(widget->GetClipboard().Bytes().empty());
    Copy();
    widget->Key(key::kV);
    EXPECT_EQ(widget->GetLayers()[3].size(), 1u);
}

TEST_F(ClipboardTest, Paste_StopsAtTheFirstRecordWhoseTypeCannotBeCreated)
{
    BoxObject* source = AddBox(3, {100.0f, 100.0f}, "kept");
    vrk::cByteStream clipboard;
    clipboard.WriteInt32(BoxObject::kType);
    source->Save(clipboard);
    clipboard.WriteInt32(static_cast<uint32_t>(kUnknownType));
    source->Save(clipboard);
    clipboard.WriteInt32(BoxObject::kType);
    source->Save(clipboard);
    widget->SetClipboard(clipboard);

    Paste();

    ASSERT_EQ(widget->GetSelection().size(), 1u);
    EXPECT_EQ(widget->GetSelection()[0]->GetName(), "kept");
    EXPECT_EQ(widget->GetLayers()[3].size(), 2u);
    EXPECT_EQ(widget->GetLayers()[9].size(), 0u);
}

TEST_F(ClipboardTest, Paste_OfACutOffRecord_StopsAndTakesTheBrokenObjectOut)
{
    BoxObject* source = AddBox(3, {100.0f, 100.0f}, "whole");
    vrk::cByteStream full;
    full.WriteInt32(BoxObject::kType);
    source->Save(full);
    vrk::cByteStream clipboard;
    for (const unsigned char byte : full.Bytes()) clipboard.WriteByte(byte);
    clipboard.WriteInt32(BoxObject::kType);
    for (size_t i = 4; i < full.Bytes().size() / 2; ++i) clipboard.WriteByte(full.Bytes()[i]);
    clipboard.WriteByte(0x01);  // a stray byte too short to be a type id
    widget->SetClipboard(clipboard);

    Paste();
    widget->Tick();

    ASSERT_EQ(widget->GetSelection().size(), 1u);
    EXPECT_EQ(widget->GetSelection()[0]->GetName(), "whole");
    EXPECT_EQ(widget->GetLayers()[3].size(), 2u);
}

TEST_F(ClipboardTest, EditedScene_SavedThroughTheLevelWriter_LoadsBackTheSame)
{
    AddBox(3, {100.0f, 100.0f}, "moved");
    AddBox(4, {400.0f, 300.0f}, "deleted");
    widget->ClickAt({100.0f, 100.0f});
    widget->Key(key::kRight);
    widget->Key(key::kDigit0 + 6);
    widget->Key(key::kM);
    widget->ClickAt({700.0f, 700.0f});
    widget->ClickAt({400.0f, 300.0f});
    widget->Key(key::kDelete);
    widget->Tick();
    widget->OnGuiEvent(BoxObject::kType, "placed_sprite", 0);
    widget->ClickAt({500.0f, 500.0f});

    vrk::cByteStream level;
    widget->SaveLevel(level, kLevelFileVersion);
    test::EditorWidget reloaded;
    ASSERT_TRUE(reloaded.LoadLevel(level, 0));

    const auto& layers = reloaded.GetLayers();
    ASSERT_EQ(layers[6].size(), 1u);
    EXPECT_EQ(layers[6][0]->GetName(), "moved");
    EXPECT_EQ(layers[6][0]->GetPosition(), (vec2{101.0f, 100.0f}));
    EXPECT_EQ(layers[6][0]->GetScale(), (vec2{-1.0f, 1.0f}));
    EXPECT_TRUE(layers[4].empty());
    ASSERT_EQ(layers[9].size(), 1u);
    EXPECT_EQ(layers[9][0]->GetSprite(), "placed_sprite");
    EXPECT_EQ(layers[9][0]->GetPosition(), (vec2{500.0f, 500.0f}));
    EXPECT_EQ(layers[9][0]->GetId(), 3);
    EXPECT_EQ(reloaded.GetLastObjectId(), 3u);
}

}  // namespace
