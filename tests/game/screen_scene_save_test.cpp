// The editor's "_save" on the menu and achievements screens stores their scenes as
// the game's files hold them and as edited, never what the screens make while they
// run: the menu's flyers mid-flight and its resting cloud mid-swing, the wall and
// plaques the achievements screen builds for itself. The next visit then shows every object once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/objects/fly_decor.h"
#include "framework/objects/object.h"
#include "game/screens/achieve_widget.h"
#include "game/screens/menu_widget.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kAchievements = 30;
constexpr int kTicks = 300;

class ScreenSceneSaveTest : public test::ScreenTest {
protected:
    static std::vector<unsigned char> GameFile(const std::string& name)
    {
        const std::string bytes = test::TempFolder::Read(std::string(KELVARA_SOURCE_DIR) + "/data/level/" + name);
        return std::vector<unsigned char>(bytes.begin(), bytes.end());
    }
    static void Fill(vrk::cByteStream& stream, const std::vector<unsigned char>& bytes)
    {
        stream = vrk::cByteStream();
        for (const unsigned char byte : bytes) stream.WriteByte(byte);
    }
    static size_t Count(cBaseWidget& widget, int32_t kind)
    {
        ObjectList found;
        return widget.FindObjectsOfKind(found, kind, -1);
    }
    // Plays the screen a while, then opens the editor, where "_save" is given.
    static void Run(cBaseWidget& widget)
    {
        widget.SetMode(kModePlay);
        for (int tick = 0; tick < kTicks; ++tick) widget.Tick();
    }
    static size_t FlyersAwayFromTheirPlace(cBaseWidget& widget)
    {
        ObjectList flyers;
        widget.FindObjectsOfKind(flyers, kTypeFlyDecor, -1);
        size_t away = 0;
        for (cObject* object : flyers) {
            const auto* flyer = dynamic_cast<cFlyDecor*>(object);
            if (flyer != nullptr && !(flyer->GetPosition() == flyer->GetHome())) ++away;
        }
        return away;
    }
};

TEST_F(ScreenSceneSaveTest, MenuSave_StoresTheSceneAsLoadedNotAMomentOfItsMotion)
{
    StartGame();
    const std::vector<unsigned char> menu = GameFile("menu.lvl");
    vrk::cByteStream& stream = *middle_.GetLevelFiles().GetMenuStream();
    Fill(stream, menu);
    cMenuWidget widget;
    widget.OnFocus();
    const size_t objects = Count(widget, kTypeObject);
    const size_t flyers = Count(widget, kTypeFlyDecor);
    ASSERT_GT(flyers, 0u);
    Run(widget);
    EXPECT_GT(FlyersAwayFromTheirPlace(widget), 0u) << "the flyers are on their way";
    widget.SetMode(kModeEditor);

    widget.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
    EXPECT_EQ(stream.Bytes(), menu) << "an unedited scene is stored as the game's file holds it";

    // The next visit shows each object once.
    widget.OnUnfocus();
    widget.OnFocus();
    EXPECT_EQ(Count(widget, kTypeObject), objects);
    EXPECT_EQ(Count(widget, kTypeFlyDecor), flyers);
}

TEST_F(ScreenSceneSaveTest, AchievementsSave_LeavesOutTheWallAndPlaquesItBuilds)
{
    for (int i = 0; i < kAchievements; ++i) {
        const std::string name = "achieve_test" + std::to_string(i);
        middle_.AddAchievement(name, name + "_d", static_cast<uint32_t>(10 * (i + 1)));
    }
    StartGame();
    const std::vector<unsigned char> achieve = GameFile("achieve.lvl");
    vrk::cByteStream& stream = *middle_.GetLevelFiles().GetAchieveStream();
    Fill(stream, achieve);
    cAchieveWidget widget;
    widget.OnFocus();
    const size_t objects = Count(widget, kTypeObject);
    const size_t plaques = Count(widget, kTypeAchieve);
    EXPECT_EQ(plaques, static_cast<size_t>(kAchievements));
    Run(widget);
    widget.SetMode(kModeEditor);

    widget.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
    EXPECT_EQ(stream.Bytes(), achieve) << "the wall and the plaques are the screen's own, not the scene's";

    // The next visit builds them again, once.
    widget.OnUnfocus();
    widget.OnFocus();
    EXPECT_EQ(Count(widget, kTypeObject), objects);
    EXPECT_EQ(Count(widget, kTypeAchieve), plaques);
}

}  // namespace
