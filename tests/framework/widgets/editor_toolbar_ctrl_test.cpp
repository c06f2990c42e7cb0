// The editor palette: square cells in rows, items from sprites or whole textures,
// hover against the application's cursor, and presses that become commands to the
// focused screen instead of selections.
#include "framework/widgets/editor_toolbar_ctrl.h"

#include <tuple>
#include <vector>

#include "engine/platform/widget.h"
#include "framework/widgets/editor_command_target.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class CommandScreen : public vrk::cWidget, public cEditorCommandTarget {
public:
    CommandScreen() : vrk::cWidget("level") {}
    void SendEditorCommand(int32_t data, const std::string& itemName, int32_t index) override
    {
        commands.emplace_back(data, itemName, index);
    }
    std::vector<std::tuple<int32_t, std::string, int32_t>> commands;
};

class EditorToolbarTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        toolbar = new cEditorToolbarCtrl(AddWindow("editor"), "palette");
        toolbar->SetRect({0.0f, 100.0f, 400.0f, 50.0f}, 0);
    }
    cEditorToolbarItemCtrl* Item(uint32_t index)
    {
        return static_cast<cEditorToolbarItemCtrl*>(toolbar->GetItem(index));
    }
    void AddTextures(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::string name = "tex" + std::to_string(i);
            test::RegisterTestTexture(name);
            toolbar->AddItem(name, 100 + i, "item" + std::to_string(i), 0);
        }
    }
    cEditorToolbarCtrl* toolbar = nullptr;
};

TEST_F(EditorToolbarTest, Layout_EightCellsInOneRowAndTheNinthWaits)
{
    AddTextures(9);
    EXPECT_EQ(toolbar->GetVisibleCount(), 8u);
    EXPECT_EQ(toolbar->GetItemWidth(), 50.0f);
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(Item(i)->GetRect(), (vrk::GuiRect{50.0f * static_cast<float>(i), 100.0f, 50.0f, 50.0f})) << i;
    }
    EXPECT_EQ(Item(8)->GetRect(), vrk::GuiRect{});
    toolbar->SetFirstVisible(1);
    EXPECT_EQ(Item(8)->GetRect(), (vrk::GuiRect{350.0f, 100.0f, 50.0f, 50.0f}));
}

TEST_F(EditorToolbarTest, VisibleCount_WholeSquareCellsOfTheHeight)
{
    toolbar->SetRect({0.0f, 0.0f, 100.0f, 40.0f}, 0);
    EXPECT_EQ(toolbar->GetVisibleCount(), 2u);
    toolbar->SetRect({0.0f, 0.0f, 100.0f, 0.0f}, 0);
    EXPECT_EQ(toolbar->GetVisibleCount(), 0u);
    AddTextures(1);
    EXPECT_EQ(Item(0)->GetRect(), vrk::GuiRect{});  // nothing fits, nothing laid out
}

TEST_F(EditorToolbarTest, AddItem_NeitherSpriteNorTextureAddsNothing)
{
    toolbar->AddItem("nowhere", 1, "x", 0);
    EXPECT_EQ(toolbar->GetItemCount(), 0u);
}

TEST_F(EditorToolbarTest, AddItem_TextureShowsTheWholeTextureAndIsKeptInUse)
{
    AddTextures(1);
    ASSERT_EQ(toolbar->GetItemCount(), 1u);
    EXPECT_EQ(Item(0)->GetUVRect(), (vrk::GuiRect{0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Item(0)->GetTexture(), vrk::FindTexture("tex0"));
    EXPECT_TRUE(vrk::FindTexture("tex0")->inUse);
    EXPECT_EQ(Item(0)->data, 100);
    EXPECT_EQ(Item(0)->itemName, "item0");
    EXPECT_EQ(Item(0)->owner, toolbar);
    EXPECT_STREQ(Item(0)->GetClassName(), "cEditorToolbarItemCtrl");
}

TEST_F(EditorToolbarTest, AddItem_SpriteFramePicksItsWindowAndABadFrameDrawsNoPicture)
{
    test::RegisterTestSprite("house", 3, 0.0f);
    toolbar->AddItem("house", 5, "house", 2);
    toolbar->AddItem("house", 6, "house", 3);
    toolbar->AddItem("house", 7, "house", -1);
    ASSERT_EQ(toolbar->GetItemCount(), 3u);
    EXPECT_EQ(Item(0)->GetUVRect(), (vrk::GuiRect{0.2f, 0.0f, 0.1f, 1.0f}));
    toolbar->Draw();
    EXPECT_EQ(batch().UsedVertices(), 6u);  // only the good frame; no cell background
    EXPECT_EQ(CountLogged("out of range"), 2);
}

TEST_F(EditorToolbarTest, ItemDraw_BackgroundThenPictureInTheStateColour)
{
    test::RegisterTestSprite("editor_empty", 1, 0.0f);
    AddTextures(3);
    Item(1)->Enable(false);
    Item(2)->Select(true);
    toolbar->Draw();
    ASSERT_EQ(batch().UsedVertices(), 36u);
    EXPECT_EQ(batch().runs[0].key, vrk::FindTexture("editor_empty_tex"));
    EXPECT_EQ(batch().vertices[0].color, 0xFFFFFFFFu);
    EXPECT_EQ(batch().vertices[6].color, 0xFFFFFFFFu);
    EXPECT_EQ(batch().vertices[18].color, 0xFFFFC0C0u);
    EXPECT_EQ(batch().vertices[30].color, 0xFFC0C0FFu);
    EXPECT_EQ(QuadBounds(6), (vrk::GuiRect{0.0f, 100.0f, 50.0f, 50.0f}));
}

TEST_F(EditorToolbarTest, Press_SendsTheCommandToTheFocusedScreenWithoutSelecting)
{
    auto* screen = new CommandScreen();  // owned by the engine core
    app->focused = screen;
    app->mouse = {125.0f, 125.0f};        // over the third cell
    AddTextures(4);
    EXPECT_EQ(toolbar->GetHovered(), 2);
    toolbar->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    ASSERT_EQ(screen->commands.size(), 1u);
    EXPECT_EQ(screen->commands[0], std::make_tuple(102, std::string("item2"), 2));
    EXPECT_FALSE(Item(2)->HasFlag(vrk::kCtrlSelected));
}

TEST_F(EditorToolbarTest, Press_WithoutHoverOrCommandScreenSendsNothing)
{
    AddTextures(2);
    toolbar->OnEvent(vrk::kCtrlLeftDown, 0, 0);  // cursor far away
    app->mouse = {25.0f, 125.0f};
    toolbar->Layout();
    EXPECT_EQ(toolbar->GetHovered(), 0);
    toolbar->OnEvent(vrk::kCtrlLeftDown, 0, 0);  // no focused screen: nothing to do
    app->mouse = {-5.0f, 125.0f};
    toolbar->Layout();
    EXPECT_EQ(toolbar->GetHovered(), vrk::cListCtrl::kNoItem);
}

}  // namespace
