// Choosing the start-up language.
#include "framework/app/locale_choice.h"

#include "engine/log/log.h"
#include "engine/platform/change_locale.h"

std::string ChooseLocaleName(const std::string& stored, const std::string& system)
{
    const std::string& name = stored.empty() ? system : stored;
    if (vrk::IsSafeLocaleName(name)) return name;
    vrk::LogWrite("cGarden", "^5", "Locale name '%s' refused, change to en", vrk::FormatArg::FromString(name));
    return vrk::kFallbackLocale;
}
