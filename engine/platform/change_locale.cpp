// Language switch of the engine core.
#include "engine/platform/change_locale.h"

#include "engine/files/file_system.h"
#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/script/script.h"

namespace vrk {

namespace {

const char* const kSender = "cGame";
const char* const kWarning = "^5";
constexpr size_t kLongestLocaleName = 32;

// Scripts, fonts and textures that come in one variant per language.
const char* const kLocaleScript = "{StaticPath}/conf/locale_";
const char* const kFontFolder = "{StaticPath}/font/";
const char* const kTextureFolder = "{StaticPath}/texture/locale/";

bool IsAsianLocale(const std::string& name)
{
    const std::string prefix = name.substr(0, 2);
    return prefix == "ja" || prefix == "ko" || prefix == "zh";
}

// Asks the game to reload the textures of the language's folder, or of the "en" one
// when the language has none. The macro stays in the text: the game expands it.
void UpdateTexturesFrom(const std::string& folder, const std::string& locale)
{
    const bool present = IsFolder(ExpandPathMacros(folder + locale));
    const std::string chosen = folder + (present ? locale : std::string(kFallbackLocale));
    cScript::RunBuffer("updateTextures('" + chosen + "')");
}

}  // namespace

bool IsSafeLocaleName(const std::string& name)
{
    if (name.empty() || name.size() > kLongestLocaleName) return false;
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_' && c != '-') return false;
    }
    return true;
}

void ChangeLocale(const std::string& name)
{
    cGame* game = GetGame();
    if (game == nullptr) return;

    // The name goes into a file name and into Lua text: anything else than a plain
    // language tag could escape either.
    std::string locale = name;
    bool loaded = false;
    if (IsSafeLocaleName(name)) {
        game->localeName = name;
        game->localeFlag = 0;
        loaded = cScript::RunFile(kLocaleScript + name + ".lua") == 0;
    }
    if (!loaded) {
        LogWrite(kSender, kWarning, "Locale with name %s not found, change to en",
                 FormatArg::FromString(name));
        locale = kFallbackLocale;
        game->localeName = locale;
        game->localeFlag = 0;
        cScript::RunFile(kLocaleScript + locale + ".lua");
    } else if (IsAsianLocale(locale)) {
        game->localeFlag = 1;
    }

    UpdateTexturesFrom(kFontFolder, locale);
    UpdateTexturesFrom(kTextureFolder, locale);

    game->gui->OnLocaleChanged();
    for (const auto& widget : game->Widgets()) widget->OnEvent(kWidgetLocaleChanged, 0);
}

}  // namespace vrk
