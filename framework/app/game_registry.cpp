// GameRegistry: the name -> factory table and the framework's own entries in it.
#include "framework/app/game_registry.h"

#include <utility>

#include "engine/gui/window_function.h"
#include "engine/platform/widget.h"
#include "framework/widgets/base_screens.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/level_widget.h"
#include "framework/widgets/level_widget_register.h"
#include "framework/widgets/message_box_wf.h"

void GameRegistry::SetWindowFunction(const std::string& windowName, WindowFunctionFactory factory)
{
    if (factory)
        windows_[windowName] = std::move(factory);
    else
        windows_.erase(windowName);
}

void GameRegistry::SetScreen(const std::string& screenName, ScreenFactory factory)
{
    if (factory)
        screens_[screenName] = std::move(factory);
    else
        screens_.erase(screenName);
}

std::unique_ptr<vrk::cWindowFunction> GameRegistry::MakeWindowFunction(const std::string& windowName) const
{
    std::unique_ptr<vrk::cWindowFunction> function;
    if (const auto entry = windows_.find(windowName); entry != windows_.end()) function = entry->second();
    // Every game dialog fades and reports its closing, even before it has its own
    // handler.
    if (!function) function = std::make_unique<cBaseWF>();
    return function;
}

vrk::cWidget* GameRegistry::MakeScreen(const std::string& screenName) const
{
    const auto entry = screens_.find(screenName);
    return entry != screens_.end() ? entry->second() : nullptr;
}

void AddFrameworkEntries(GameRegistry& registry)
{
    registry.SetWindowFunction("editor", [] { return std::make_unique<vrk::cWindowFunction>(); });
    registry.SetWindowFunction("messagebox", [] { return std::make_unique<cMessageBoxWF>(); });
    for (const char* name : kBaseScreenNames)
        registry.SetScreen(name, [screen = std::string(name)] { return CreateBaseScreen(screen); });
    registry.SetScreen("level", []() -> vrk::cWidget* { return RegisterLevelScreen(); });
}
