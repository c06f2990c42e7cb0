// Test doubles of the level screen tests: a level screen whose cursor and protected
// state the test reaches, application services over the sprite registry, and a
// helper that paints a grid from rows of characters.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_widget.h"
#include "tests/framework/objects/fake_owner.h"

namespace test {

class TestLevel : public cLevelWidget {
public:
    vec2 GetMouseWorldPos() override { return mouseWorld; }
    void DrawRenderArea() override { ++areaDraws; }
    void ForceMode(int32_t mode) { mode_ = mode; }
    void SetHovered(cObject* object, int32_t part)
    {
        hovered_ = object;
        hoveredPart_ = part;
    }
    // Paints the grid from rows given top row first: '.' code 0, '1' code 1, '2'
    // code 2, '#' code -1, 'X' blocked by an object (code 0 under it). The level
    // area becomes the rows' size in cells.
    void Paint(const std::vector<std::string>& rows)
    {
        const auto height = static_cast<int32_t>(rows.size());
        const auto width = static_cast<int32_t>(rows.empty() ? 0 : rows[0].size());
        SetLevelSize(static_cast<float>(width) * kCellSize, static_cast<float>(height) * kCellSize);
        ASSERT_EQ(GetGridWidth(), width);
        ASSERT_EQ(GetGridHeight(), height);
        for (int32_t row = 0; row < height; ++row) {
            const int32_t y = height - 1 - row;
            for (int32_t x = 0; x < width; ++x) {
                const char c = rows[static_cast<size_t>(row)][static_cast<size_t>(x)];
                SetCellBlocked(x, y, c == 'X');
                switch (c) {
                case '1': SetCellCost(x, y, 1); break;
                case '2': SetCellCost(x, y, 2); break;
                case '#': SetCellCost(x, y, -1); break;
                default: SetCellCost(x, y, 0); break;
                }
            }
        }
    }
    // A plain game object at the centre of a cell, owned by the level.
    cGameObject* AddAt(const GridCell& cell)
    {
        auto* object = new cGameObject(this);
        const vec2 point = CellToPoint(cell);
        object->SetPosition(point.x, point.y);
        AddObject(object, 0);
        return object;
    }

    vec2 mouseWorld{-1000.0f, -1000.0f};
    int areaDraws = 0;
};

class LevelTest : public ::testing::Test {
protected:
    FakeAppServices app;
    RegistryCleaner cleaner;
    TestLevel level;
};

}  // namespace test
