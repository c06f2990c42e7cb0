// GameRegistry: where the game's window functions and screens come from. The game
// application builds its GUI windows and screens by name from this table; the
// framework's stand-ins fill it first, and the game's own screens and dialogs
// replace entries before start-up finishes.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vrk {
class cWidget;
class cWindowFunction;
}  // namespace vrk

class GameRegistry {
public:
    // A new window function for one window; the window owns it.
    using WindowFunctionFactory = std::function<std::unique_ptr<vrk::cWindowFunction>()>;
    // A new screen; the engine core owns it from its construction on.
    using ScreenFactory = std::function<vrk::cWidget*()>;

    // Replaces the factory of that name; an empty factory removes the entry.
    void SetWindowFunction(const std::string& windowName, WindowFunctionFactory factory);
    void SetScreen(const std::string& screenName, ScreenFactory factory);

    // The registered factory's window function; a plain game dialog handler when the
    // name has no entry (or its factory makes none).
    std::unique_ptr<vrk::cWindowFunction> MakeWindowFunction(const std::string& windowName) const;
    // The registered factory's screen; null when the name has no entry.
    vrk::cWidget* MakeScreen(const std::string& screenName) const;

    bool HasWindowFunction(const std::string& windowName) const { return windows_.count(windowName) != 0; }
    bool HasScreen(const std::string& screenName) const { return screens_.count(screenName) != 0; }

private:
    std::map<std::string, WindowFunctionFactory> windows_;
    std::map<std::string, ScreenFactory> screens_;
};

// The framework's own entries: the message box's real handler, the editor window's
// default handler, and the framework's base screens with the level screen.
void AddFrameworkEntries(GameRegistry& registry);
