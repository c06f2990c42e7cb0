// The name -> factory table the game application builds its windows and screens
// from, and the framework's own entries in it.
#include "framework/app/game_registry.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "framework/widgets/base_screens.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/level_widget.h"
#include "framework/widgets/message_box_wf.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

struct OwnHandler : cBaseWF {};

TEST(GameRegistry, NamesWithoutAnEntryGetAPlainDialogHandler)
{
    GameRegistry registry;
    const auto function = registry.MakeWindowFunction("options");
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(typeid(*function), typeid(cBaseWF));
    EXPECT_EQ(registry.MakeScreen("menu"), nullptr);
}

TEST(GameRegistry, EntriesAreReplacedAndRemoved)
{
    GameRegistry registry;
    registry.SetWindowFunction("options", [] { return std::make_unique<OwnHandler>(); });
    EXPECT_TRUE(registry.HasWindowFunction("options"));
    EXPECT_EQ(typeid(*registry.MakeWindowFunction("options")), typeid(OwnHandler));
    // Each call makes a new handler: two windows never share one.
    EXPECT_NE(registry.MakeWindowFunction("options"), registry.MakeWindowFunction("options"));

    registry.SetWindowFunction("options", [] { return std::unique_ptr<vrk::cWindowFunction>(); });
    EXPECT_EQ(typeid(*registry.MakeWindowFunction("options")), typeid(cBaseWF));
    registry.SetWindowFunction("options", nullptr);
    EXPECT_FALSE(registry.HasWindowFunction("options"));
}

TEST(GameRegistry, FrameworkEntriesGiveTheRealHandlersAndEveryScreen)
{
    GameRegistry registry;
    AddFrameworkEntries(registry);
    EXPECT_EQ(typeid(*registry.MakeWindowFunction("editor")), typeid(vrk::cWindowFunction));
    EXPECT_EQ(typeid(*registry.MakeWindowFunction("messagebox")), typeid(cMessageBoxWF));
    EXPECT_EQ(typeid(*registry.MakeWindowFunction("hint")), typeid(cBaseWF));
    for (const char* name : {"menu", "map", "level", "achieve", "comics"}) EXPECT_TRUE(registry.HasScreen(name)) << name;
    EXPECT_FALSE(registry.HasScreen("splash"));
}

class GameRegistryScreenTest : public test::CoreTest {};

TEST_F(GameRegistryScreenTest, FrameworkScreensAreMadeUnderTheirNames)
{
    GameRegistry registry;
    AddFrameworkEntries(registry);
    for (const char* name : {"menu", "map", "level", "achieve", "comics"}) {
        vrk::cWidget* screen = registry.MakeScreen(name);
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_EQ(screen->GetName(), name);
        EXPECT_EQ(game->Widgets().back().get(), screen);
        if (std::string(name) == "level") {
            EXPECT_NE(dynamic_cast<cLevelWidget*>(screen), nullptr);
        }
        if (std::string(name) == "comics") {
            EXPECT_NE(dynamic_cast<cComicsBaseWidget*>(screen), nullptr);
        }
    }
}

TEST_F(GameRegistryScreenTest, BaseScreensAreMadeByNameOnly)
{
    EXPECT_EQ(CreateBaseScreen("level"), nullptr);
    EXPECT_EQ(CreateBaseScreen(""), nullptr);
    RegisterBaseScreens();
    ASSERT_EQ(game->Widgets().size(), 4u);
    auto widget = game->Widgets().begin();
    for (const char* name : kBaseScreenNames) EXPECT_EQ((*widget++)->GetName(), name);
}

}  // namespace
