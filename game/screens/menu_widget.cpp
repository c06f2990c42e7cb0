// cMenuWidget: the grey ground, the music and the menu's three editor palettes.
#include "game/screens/menu_widget.h"

#include <span>

#include "engine/sound/sound_play.h"
#include "framework/objects/object.h"
#include "game/screens/screen_ground.h"
#include "game/screens/screen_palette.h"

namespace {

constexpr const char* kClickSound = "click";
// An item of this type opens the palette its descriptor names.
constexpr int32_t kPaletteLink = 0;

constexpr ScreenPaletteItem kMainPalette[] = {
    {kTypeDecor, "simple=menu_back0", "menu_back0"},
    {kTypeDecor, "simple=menu_back2", "menu_back2"},
    {kTypeDecor, "offset=menu_clouds;-0.005;0", "menu_clouds"},
    {kTypeDecor, "fade=menu_moon;2", "menu_moon"},
    {kTypeDecor, "simple=menu_stone0", "menu_stone0"},
    {kTypeDecor, "simple=menu_castle", "menu_castle"},
    {kTypeDecor, "simple=menu_light0", "menu_light0"},
    {kTypeDecor, "anim=menu_flag", "menu_flag"},
    {kPaletteLink, "people", "menu_eye0"},
    {kPaletteLink, "tree", "menu_mushroom0"},
};

constexpr ScreenPaletteItem kPeoplePalette[] = {
    {kPaletteLink, "second", "editor_back"},
    {kTypeDecor, "simple=menu_people", "menu_people"},
    {kTypeDecor, "anim=menu_eye0", "menu_eye0"},
    {kTypeDecor, "tree=menu_feather;-0.1;0.1;0.2", "menu_feather"},
    {kTypeDecor, "wave=menu_hand0;0;0;0;0;1.2;0.035", "menu_hand0"},
};

constexpr ScreenPaletteItem kTreePalette[] = {
    {kPaletteLink, "second", "editor_back"},
    {kTypeDecor, "snowman=menu_mushroom0;-0.1;0.1;0.2", "menu_mushroom0"},
    {kTypeDecor, "snowman=menu_mushroom1;-0.1;0.1;0.2", "menu_mushroom1"},
    {kTypeDecor, "snowman=menu_mushroom2;-0.1;0.1;0.2", "menu_mushroom2"},
    {kTypeDecor, "kv2_bat=menu_bat0", "menu_bat0"},
    {kTypeDecor, "kv2_bat=menu_bat1", "menu_bat1"},
    {kTypeDecor, "kv2_bat=menu_bat2", "menu_bat2"},
    {kTypeDecor, "tree=menu_tree0;-0.05;0.05;0.1", "menu_tree0"},
    {kTypeDecor, "tree=menu_tree1;-0.1;0.1;0.2", "menu_tree1"},
    {kTypeDecor, "tree=menu_tree2;-0.1;0.1;0.2", "menu_tree2"},
    {kTypeDecor, "tree=menu_tree3;-0.1;0.1;0.2", "menu_tree3"},
    {kTypeDecor, "tree=menu_tree4;-0.1;0.1;0.2", "menu_tree4"},
    {kTypeDecor, "tree=menu_flower0;-0.1;0.1;0.2", "menu_flower0"},
};

struct NamedPalette {
    const char* name;
    std::span<const ScreenPaletteItem> items;
};

constexpr NamedPalette kPalettes[] = {
    {"second", kMainPalette},
    {"people", kPeoplePalette},
    {"tree", kTreePalette},
};

}  // namespace

cMenuWidget::cMenuWidget() : cMenuBaseWidget(kName) {}

void cMenuWidget::Draw()
{
    DrawScreenGround(*this, kGroundColor);
    cMenuBaseWidget::Draw();
}

void cMenuWidget::OnFocus()
{
    vrk::SwitchMusic(kMusic);
    cMenuBaseWidget::OnFocus();
}

uint32_t cMenuWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a != kPaletteLink || !FillPalette(name)) return cMenuBaseWidget::OnGuiEvent(a, name, b);
    vrk::PlaySound(kClickSound);
    return 0;
}

bool cMenuWidget::FillPalette(const std::string& paletteName)
{
    for (const NamedPalette& palette : kPalettes) {
        if (paletteName != palette.name) continue;
        FillScreenPalette(*this, palette.items);
        return true;
    }
    return false;
}
