// The level screen's editor half: the area tool that paints terrain codes on the
// path grid, its flood fill, dropping a route node onto a game object, and the grid
// overlay.
#include <algorithm>

#include "engine/render/vertex_batch.h"
#include "framework/objects/node.h"
#include "framework/widgets/editor_keys.h"
#include "tests/framework/widgets/level_fixtures.h"

namespace {

namespace key = editor_key;

class EditorLevel : public test::TestLevel {
public:
    void Key(uint32_t pressed) { OnEvent(vrk::kWidgetKeyDown, static_cast<intptr_t>(pressed)); }
    int32_t Press(uint32_t button = 0)
    {
        return OnEvent(vrk::kWidgetButtonDown, static_cast<intptr_t>(button));
    }
    int32_t Drag(const vec2& point)
    {
        mouseWorld = point;
        return OnEvent(vrk::kWidgetMouseMove, 0);
    }
    void SetCorners(const GridCell& a, const GridCell& b)
    {
        selectionA_ = a;
        selectionB_ = b;
    }

    bool control = false;
    bool primaryDown = false;

protected:
    bool IsLeftControlDown() const override { return control; }
    bool IsPrimaryButtonDown() const override { return primaryDown; }
    bool IsSecondaryButtonDown() const override { return false; }
};

// A game object with a 40 x 40 frame centred on its position.
class GameBox : public cGameObject {
public:
    using cGameObject::cGameObject;
    void GetFrameRect(Rect& rect, int32_t /*index*/) const override
    {
        rect = Rect{position_.x - 20.0f, position_.y - 20.0f, 40.0f, 40.0f};
    }
};

class LevelEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        level.ForceMode(kModeEditor);
        app.batch = &batch;
    }
    void ChooseTool(int32_t tool) { level.OnGuiEvent(tool, "", 0); }
    // Codes of the grid, top row first, as the painter's characters.
    std::vector<std::string> Codes()
    {
        std::vector<std::string> rows;
        for (int32_t y = level.GetGridHeight() - 1; y >= 0; --y) {
            std::string row;
            for (int32_t x = 0; x < level.GetGridWidth(); ++x) {
                switch (level.GetCellCost(x, y)) {
                case -1: row += '#'; break;
                case 0: row += '.'; break;
                default: row += static_cast<char>('0' + level.GetCellCost(x, y)); break;
                }
            }
            rows.push_back(row);
        }
        return rows;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    vrk::VertexBatch batch;
    EditorLevel level;
};

TEST_F(LevelEditorTest, AreaTool_PressAndDragSpanTheCellsAndADigitPaintsThem)
{
    level.Paint({".....", ".....", ".....", "....."});
    ChooseTool(cLevelWidget::kAreaTool);
    level.mouseWorld = {60.0f, 60.0f};
    EXPECT_EQ(level.Press(), 1);
    level.primaryDown = true;
    EXPECT_EQ(level.Drag({160.0f, 110.0f}), 1);
    EXPECT_EQ(level.GetSelectionA(), (GridCell{1, 1}));
    EXPECT_EQ(level.GetSelectionB(), (GridCell{3, 2}));
    EXPECT_TRUE(level.GetSelection().empty());

    level.Key(key::kDigit2);
    EXPECT_EQ(Codes(), (std::vector<std::string>{".....", ".222.", ".222.", "....."}));
    level.Key(key::kMinus);
    EXPECT_EQ(Codes(), (std::vector<std::string>{".....", ".###.", ".###.", "....."}));
}

TEST_F(LevelEditorTest, AreaTool_OtherKeysDoNothingNotEvenTab)
{
    level.Paint({"...", "..."});
    ChooseTool(cLevelWidget::kAreaTool);
    level.SetCorners({0, 0}, {2, 1});
    level.Key(key::kTab);
    level.Key(key::kDigit0 + 5);
    EXPECT_EQ(level.GetMode(), kModeEditor);
    EXPECT_EQ(Codes(), (std::vector<std::string>{"...", "..."}));
}

TEST_F(LevelEditorTest, AreaTool_RightPressDropsTheCornersAndTheTool)
{
    ChooseTool(cLevelWidget::kAreaTool);
    level.SetCorners({1, 1}, {2, 2});
    level.Press(2);
    EXPECT_EQ(level.GetSelectionA(), (GridCell{-1, -1}));
    EXPECT_EQ(level.GetSelectionB(), (GridCell{-1, -1}));
    EXPECT_EQ(level.GetPendingType(), 0);
}

TEST_F(LevelEditorTest, IsCellSelected_IncludesBothCornersInEitherOrder)
{
    level.SetCorners({3, 4}, {1, 2});
    EXPECT_TRUE(level.IsCellSelected(1, 2));
    EXPECT_TRUE(level.IsCellSelected(3, 4));
    EXPECT_TRUE(level.IsCellSelected(2, 3));
    EXPECT_FALSE(level.IsCellSelected(0, 3));
    EXPECT_FALSE(level.IsCellSelected(2, 5));
}

TEST_F(LevelEditorTest, CtrlDigit_SweepsFromCornerAStoppingEachColumnAtAnotherCode)
{
    level.Paint({"..#..", "..#..", "#.#..", "....."});
    ChooseTool(cLevelWidget::kAreaTool);
    level.SetCorners({0, 0}, {0, 0});
    level.control = true;
    level.Key(key::kDigit1);
    // Column 0 stops at its wall, so its top cells stay although a path leads there.
    EXPECT_EQ(Codes(), (std::vector<std::string>{".1#11", ".1#11", "#1#11", "11111"}));
}

TEST_F(LevelEditorTest, FillCells_WithTheStartCodeOrFromOutsideTheGridChangesNothing)
{
    const std::vector<std::string> rows{"..#", "2.#", "..."};
    level.Paint(rows);
    level.FillCells(GridCell{1, 1}, 0);
    EXPECT_EQ(Codes(), rows);
    level.FillCells(GridCell{3, 0}, 2);
    level.FillCells(GridCell{-1, -1}, 2);
    level.FillCells(GridCell{0, 1000000}, 2);
    EXPECT_EQ(Codes(), rows);
}

TEST_F(LevelEditorTest, NodeTool_ANodeDroppedOnAGameObjectJoinsIt)
{
    auto* target = new GameBox(&level);
    target->SetPosition(200.0f, 200.0f);
    level.AddObject(target, 0);
    ChooseTool(cLevelWidget::kNodeTool);

    level.mouseWorld = {210.0f, 190.0f};
    level.Press();
    ASSERT_EQ(level.GetSelection().size(), 1u);
    auto* dropped = static_cast<cNode*>(level.GetSelection()[0]);
    EXPECT_EQ(dropped->GetHolder(), target);
    EXPECT_EQ(dropped->GetLinkId(), target->GetId());

    level.mouseWorld = {500.0f, 500.0f};
    level.Press();
    ASSERT_EQ(level.GetSelection().size(), 1u);
    EXPECT_EQ(static_cast<cNode*>(level.GetSelection()[0])->GetHolder(), nullptr);
    EXPECT_EQ(target->GetAttached().size(), 1u);
}

TEST_F(LevelEditorTest, DrawGrid_DrawsLinesAndOneQuadPerCellMarkingTheAreaToolsCells)
{
    level.Paint({"...", "..."});
    level.DrawGrid();
    EXPECT_EQ(batch.UsedVertices(), 0u);  // the overlay is off

    level.ShowGrid(true);
    ChooseTool(cLevelWidget::kAreaTool);
    level.SetCorners({0, 0}, {1, 0});
    level.DrawGrid();
    constexpr uint32_t kLines = (3 + 1) + (2 + 1);
    constexpr uint32_t kCells = 3 * 2;
    ASSERT_EQ(batch.UsedVertices(), (kLines + kCells) * 6u);
    const auto count = [this](uint32_t color) {
        return std::count_if(batch.vertices.begin(), batch.vertices.begin() + batch.UsedVertices(),
                             [color](const vrk::BatchVertex& vertex) { return vertex.color == color; });
    };
    EXPECT_EQ(count(0xFF00FF00u), static_cast<long>(kLines * 6));
    EXPECT_EQ(count(0x80FF0000u), 2 * 6);
    EXPECT_EQ(count(0x8000FF00u), 4 * 6);
}

}  // namespace
