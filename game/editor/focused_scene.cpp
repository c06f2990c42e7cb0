// FocusedSceneScreen: the editor dialogs' screen.
#include "game/editor/focused_scene.h"

#include "framework/app/middle.h"
#include "framework/widgets/base_widget.h"

cBaseWidget* FocusedSceneScreen()
{
    cMiddle* middle = GetMiddle();
    return middle != nullptr ? dynamic_cast<cBaseWidget*>(middle->GetFocusedWidget()) : nullptr;
}
