// test::EditorMagicWidget: the game's level screen with the cursor the test places
// in the world and the editor palette "second" recorded instead of filled into the
// toolbar, so the palette's menus can be read item by item.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/widget.h"
#include "tests/game/support/test_magic_widget.h"

namespace test {

class EditorMagicWidget : public TestMagicWidget {
public:
    struct Item {
        std::string icon;
        int32_t frame = 0;
        int32_t value = 0;
        std::string name;
        bool operator==(const Item&) const = default;
    };

    vec2 GetMouseWorldPos() override { return mouseWorld; }
    void ClearSecondList() override
    {
        palette.clear();
        ++paletteFills;
    }
    void AddSecondItem(const std::string& icon, int32_t data, const std::string& itemName, int32_t frame) override
    {
        palette.push_back(Item{icon, frame, data, itemName});
    }

    // Editor input as the engine core delivers it.
    void Key(uint32_t key) { OnEvent(vrk::kWidgetKeyDown, static_cast<intptr_t>(key)); }
    void PressAt(const vec2& point, uint32_t button = 0)
    {
        mouseWorld = point;
        OnEvent(vrk::kWidgetButtonDown, static_cast<intptr_t>(button));
        OnEvent(vrk::kWidgetButtonUp, static_cast<intptr_t>(button));
    }
    // Ticks until the mode is reached (at most the count); true when it was.
    bool TickUntilMode(int32_t mode, int ticks = 200)
    {
        for (int i = 0; i < ticks && GetMode() != mode; ++i) Tick();
        return GetMode() == mode;
    }

    vec2 mouseWorld{-1000.0f, -1000.0f};
    std::vector<Item> palette;
    int paletteFills = 0;
};

}  // namespace test
