// The small interface through which the level editor's palette reaches the focused
// screen: a screen that takes editor commands implements it.
#pragma once
#include <cstdint>
#include <string>

class cEditorCommandTarget {
public:
    virtual ~cEditorCommandTarget() = default;

    // data and itemName come from the pressed palette item, index is its place in
    // the palette.
    virtual void SendEditorCommand(int32_t data, const std::string& itemName, int32_t index) = 0;
};
