// cMapWidget: the map's ground, focus and unfocus, its cups and its editor palette.
#include "game/screens/map_widget.h"

#include "engine/sound/sound_play.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/object.h"
#include "game/screens/screen_ground.h"
#include "game/screens/screen_palette.h"

namespace {

constexpr const char* kHintWindow = "hint";
constexpr const char* kHintLabel = "text";
constexpr const char* kHintFrame = "frame";
constexpr const char* kPaletteCommand = "second";
constexpr const char* kClickSound = "click";

constexpr ScreenPaletteItem kPalette[] = {
    {kTypeMapPoint, "", "map_ready"},
    {kTypeMapPath, "", "map_pt"},
    {kTypeDecor, "simple=map_back0", "map_back0"},
    {kTypeDecor, "simple=map_back2", "map_back2"},
    {kTypeFlyDecor, "map_cloud0", "map_cloud0"},
    {kTypeFlyDecor, "map_cloud1", "map_cloud1"},
    {kTypeFlyDecor, "map_cloud2", "map_cloud2"},
    {kTypeDecor, "wave=map_ship0;0.9;2;0.6;2;0.8;0.035", "map_ship0"},
    {kTypeDecor, "wave=map_ship1;0.9;2;0.6;2;0.8;0.035", "map_ship1"},
    {kTypeDecor, "tree=map_tree0;-0.1;0.1;0.2", "map_tree0"},
    {kTypeDecor, "fade=map_octopus;0.5", "map_octopus"},
    {kTypeDecor, "fade=map_tail;0.5", "map_tail"},
    {kTypeParticlesDecor, "pillar_snow=16", "part_leaf"},
};

}  // namespace

cMapWidget::cMapWidget() : cMapBaseWidget(kName) {}

void cMapWidget::Draw()
{
    DrawScreenGround(*this, kSkyColor);
    cMapBaseWidget::Draw();
}

void cMapWidget::OnFocus()
{
    cMapBaseWidget::OnFocus();
    vrk::SwitchMusic(kMusic);
    UnlockCups();
}

void cMapWidget::OnUnfocus()
{
    // The level's rain or snow must not fall on the map's saved scene or the next screen.
    if (cMiddle* middle = GetMiddle()) middle->GetWeather().Clear();
    cMapBaseWidget::OnUnfocus();
}

void cMapWidget::InitLevel(const std::string& name)
{
    cMapBaseWidget::InitLevel(name);
    SetLevelSize(kSceneWidth, kSceneHeight);
    SetViewControls(kHintWindow, kHintLabel, kHintFrame);
}

uint32_t cMapWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a != 0 || name != kPaletteCommand) return cMapBaseWidget::OnGuiEvent(a, name, b);
    FillPalette();
    vrk::PlaySound(kClickSound);
    return 0;
}

void cMapWidget::UnlockCups()
{
    cGarden* garden = GetGarden();
    const cPlayerBase* player = garden != nullptr ? garden->GetActivePlayer() : nullptr;
    if (player == nullptr) return;
    bool bronze = true;
    bool silver = true;
    bool gold = true;
    const uint32_t levelCount = garden->GetLevelCount();
    for (uint32_t level = 0; level < levelCount; ++level) {
        // A level the profile has no record of has never been opened.
        const uint32_t state =
            level < player->levelRecords.size() ? player->levelRecords[level].state : kLevelClosed;
        if (state < kLevelBronze) bronze = false;
        if (state < kLevelSilver) silver = false;
        if (state < kLevelGold) gold = false;
    }
    if (bronze) garden->UnlockAchievement(kBronzeCup);
    if (silver) garden->UnlockAchievement(kSilverCup);
    if (gold) garden->UnlockAchievement(kGoldCup);
}

void cMapWidget::FillPalette()
{
    FillScreenPalette(*this, kPalette);
}
