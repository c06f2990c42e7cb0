// Storage and expansion of the four path macros.
#include "engine/files/path_macros.h"

#include <array>

namespace vrk {
namespace {

struct MacroSlot {
    const char* fullName;  // with braces, as written in game paths
    std::string value;
};

std::array<MacroSlot, 4>& Macros()
{
    static std::array<MacroSlot, 4> macros{{
        {"{ExePath}", {}}, {"{StaticPath}", {}}, {"{AppPath}", {}}, {"{UserPath}", {}}}};
    return macros;
}

MacroSlot* FindSlot(const std::string& macroName)
{
    for (MacroSlot& slot : Macros())
        if (macroName == slot.fullName) return &slot;
    return nullptr;
}

}  // namespace

void SetPathMacro(const std::string& macroName, const std::string& value)
{
    if (MacroSlot* slot = FindSlot(macroName)) slot->value = value;
}

std::string GetPathMacro(const std::string& macroName)
{
    const MacroSlot* slot = FindSlot(macroName);
    return slot ? slot->value : std::string();
}

std::string ExpandPathMacros(const std::string& text)
{
    const size_t brace = text.find('{');
    if (brace == std::string::npos) return text;
    // Only the macro that stands right at the brace is replaced: matching a name
    // found further on would overwrite text that is no macro at all.
    for (const MacroSlot& slot : Macros()) {
        const std::string fullName = slot.fullName;
        if (text.compare(brace, fullName.size(), fullName) != 0) continue;
        std::string result = text;
        result.replace(brace, fullName.size(), slot.value);
        return result;
    }
    return text;
}

}  // namespace vrk
