// cMiddle::SaveSettings and the text of the settings file.
#include "framework/app/middle_settings.h"

#include "engine/files/text_file.h"
#include "engine/platform/change_locale.h"
#include "engine/platform/game_core.h"
#include "engine/platform/shell_state.h"
#include "engine/sound/sound_manager.h"
#include "engine/text/text_format.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"

namespace {

constexpr const char* kSettingsFormat =
    "runWindowed=%s\nsoundVolume=%f\nmusicVolume=%f\ncurrentLocale='%s'\n";
constexpr int32_t kFullScreenMode = 1;

}  // namespace

std::string FormatSettingsText(bool windowed, float soundVolume, float musicVolume,
                               const std::string& localeName)
{
    const std::string locale = vrk::IsSafeLocaleName(localeName) ? localeName : std::string();
    return vrk::FormatToString(kSettingsFormat, vrk::FormatArg::FromText(windowed ? "true" : "false"),
                               vrk::FormatArg::FromReal(soundVolume), vrk::FormatArg::FromReal(musicVolume),
                               vrk::FormatArg::FromString(locale));
}

void cMiddle::SaveSettings()
{
    if (cPlayerBase* player = players_->GetActivePlayer()) {
        player->Save();
        SavePlayerList();
    }
    // The sound manager reads volumes past full as silence, as the file wants them.
    const float soundVolume = vrk::GetSoundVolume();
    const float musicVolume = vrk::GetMusicVolume();
    const bool windowed = vrk::Shell().fullScreen != kFullScreenMode;
    const vrk::cGame* game = vrk::GetGame();
    const std::string locale = game ? game->localeName : std::string();
    // A failed write is not reported: the next start simply uses the defaults.
    vrk::WriteTextFile(FormatSettingsText(windowed, soundVolume, musicVolume, locale), kSettingsPath);
}
