// cGarden at play: switching between the main screens, drawing one sprite frame for
// others, and unlocking achievements.
#include <string>

#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/render/render.h"
#include "engine/sound/sound.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "framework/widgets/comics_base_widget.h"

namespace {

constexpr const char* kComicsFont = "TimesNewRomanItalic22";
constexpr const char* kUnlockSound = "start_game";
constexpr const char* kAchieveCommand = "achieve=";
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

struct ComicsPages {
    const char* target;
    const char* frames;
    const char* nextScreen;
};

constexpr ComicsPages kComics[] = {
    {"comics0", "comics_frm0;comics_frm1;comics_frm2;comics_frm3", "level"},
    {"comics1", "comics_frm4;comics_frm5", "map"},
    {"comics2", "comics_frm6;comics_frm7", "map"},
    {"comics3", "comics_frm8;comics_frm9;comics_frm10;comics_frm11", "map"},
};

constexpr const char* kPlainScreens[] = {"level", "menu", "map", "achieve"};

void Focus(const std::string& screenName)
{
    if (vrk::cGame* game = vrk::GetGame()) game->SetFocus(screenName);
}

}  // namespace

void cGarden::ShowComics(const std::string& target, const std::string& current)
{
    if (target == current) return;
    for (const char* screen : kPlainScreens) {
        if (target == screen) {
            Focus(target);
            return;
        }
    }
    for (const ComicsPages& pages : kComics) {
        if (target != pages.target) continue;
        if (comicsScreen_ == nullptr) return;
        // The page names double as the keys of their texts.
        comicsScreen_->SetComics(pages.frames, kComicsFont, pages.frames, pages.nextScreen);
        Focus(comicsScreen_->GetName());
        return;
    }
}

cPlayerBase* cGarden::GetActivePlayer() { return GetPlayerList().GetActivePlayer(); }

void cGarden::DrawSpriteFrame(const SpriteInfo& info, const vec2& position, uint32_t frame)
{
    if (!info.IsSprite() || frame >= info.frameCount) return;
    const auto index = static_cast<int32_t>(frame);
    if (!info.HasFrame(index)) return;
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (batch == nullptr) return;
    const FrameWindow window = info.Window(index);
    const vec2 offset = info.HotSpot(index);
    const vec2 size = info.Size(index);
    vrk::cRender::AddQuad(*batch, info.texture, window.u, window.v, window.width, window.height,
                          position.x - offset.x, position.y - offset.y, size.x, size.y, kOpaqueWhite);
}

void cGarden::UnlockAchievement(const std::string& name)
{
    const uint32_t index = FindAchievement(name);
    if (index >= GetAchievementCount()) return;
    // False without a player and when it was unlocked before.
    if (!GetPlayerList().UnlockAchievement(index)) return;
    PopupAchieve(name, name);
    vrk::cSound sound(kUnlockSound);
    sound.Play();
    vrk::HostCommand((kAchieveCommand + name).c_str());
}
