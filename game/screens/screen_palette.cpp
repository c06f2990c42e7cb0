// FillScreenPalette: puts a scenery table into the toolbar "second".
#include "game/screens/screen_palette.h"

#include "framework/widgets/base_widget.h"

namespace {

// The palette buttons show each sprite's first frame.
constexpr int32_t kIconFrame = 0;

}  // namespace

void FillScreenPalette(cBaseWidget& screen, std::span<const ScreenPaletteItem> items)
{
    screen.ClearSecondList();
    for (const ScreenPaletteItem& item : items) screen.AddSecondItem(item.icon, item.type, item.descriptor, kIconFrame);
}
