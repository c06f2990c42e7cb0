// The framework's scene screens, created for the engine core at start-up.
#include "framework/widgets/base_screens.h"

#include "framework/widgets/achieve_base_widget.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/map_base_widget.h"
#include "framework/widgets/menu_base_widget.h"

void RegisterBaseScreens()
{
    // A widget hands itself to the engine core as it is made.
    new cMenuBaseWidget();
    new cMapBaseWidget();
    new cAchieveBaseWidget();
    new cComicsBaseWidget();
}
