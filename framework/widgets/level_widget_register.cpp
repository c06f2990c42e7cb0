// RegisterLevelScreen: the level screen with its pop-up style.
#include "framework/widgets/level_widget_register.h"

#include "framework/widgets/level_widget.h"

namespace {
// The window and controls whose look the level's hint pop-ups copy.
constexpr const char* kHintWindow = "hint";
constexpr const char* kHintLabel = "text";
constexpr const char* kHintFrame = "frame";
}  // namespace

cLevelWidget* RegisterLevelScreen()
{
    // Construction hands the widget to the engine core.
    auto* level = new cLevelWidget();
    level->SetViewControls(kHintWindow, kHintLabel, kHintFrame);
    return level;
}
