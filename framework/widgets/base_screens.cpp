// The framework's scene screens, created for the engine core at start-up.
#include "framework/widgets/base_screens.h"

#include "framework/widgets/achieve_base_widget.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/map_base_widget.h"
#include "framework/widgets/menu_base_widget.h"

vrk::cWidget* CreateBaseScreen(const std::string& name)
{
    // A widget hands itself to the engine core as it is made.
    if (name == cMenuBaseWidget::kName) return new cMenuBaseWidget();
    if (name == cMapBaseWidget::kName) return new cMapBaseWidget();
    if (name == cAchieveBaseWidget::kName) return new cAchieveBaseWidget();
    if (name == cComicsBaseWidget::kName) return new cComicsBaseWidget();
    return nullptr;
}

void RegisterBaseScreens()
{
    for (const char* name : kBaseScreenNames) CreateBaseScreen(name);
}
