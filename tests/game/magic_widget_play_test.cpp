// Starting a level on the game's level screen: the active player's current level
// from the level cache, the refusals without a player or without levels, and the
// tutorial step the screen owns.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/render/font.h"
#include "framework/app/player_base.h"
#include "game/level/train.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

constexpr const char* kTourLevel = KELVARA_SOURCE_DIR "/tests/data/levels/tour_test.lvl";

// A step that reports its deletion.
class CountedTrain : public cTrain {
public:
    explicit CountedTrain(int* deleted) : deleted_(deleted) {}
    ~CountedTrain() override { ++*deleted_; }

private:
    int* deleted_;
};

class MagicWidgetPlayTest : public test::ScreenTest {};

TEST_F(MagicWidgetPlayTest, StartGame_LoadsTheCurrentLevelOnlyWithAPlayerAndLevels)
{
    test::TestMagicWidget screen;
    // No player yet: nothing happens.
    EXPECT_FALSE(screen.StartGame());
    EXPECT_EQ(screen.GetLevelName(), "");

    StartGame();
    vrk::cByteStream* stream = middle_.GetLevelFiles().GetLevelStream(Player()->currentLevel);
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(stream->LoadFromFile(kTourLevel), 0);
    middle_.levelCount = 0;
    EXPECT_FALSE(screen.StartGame());
    EXPECT_EQ(screen.GetLevelName(), "");

    middle_.levelCount = 5;
    ASSERT_TRUE(screen.StartGame());
    EXPECT_EQ(screen.GetLevelName(), "tour_test");
    ASSERT_NE(screen.home, nullptr);
    EXPECT_TRUE(screen.FindObject("home_door", -1) != nullptr);
    // Started again, the level is loaded anew from the same bytes.
    ASSERT_TRUE(screen.StartGame());
    EXPECT_EQ(screen.GetLevelName(), "tour_test");
}

TEST_F(MagicWidgetPlayTest, TheScreenOwnsItsTutorialStepAndForgetsItsTarget)
{
    int deleted = 0;
    {
        test::TestMagicWidget screen;
        auto step = std::make_unique<CountedTrain>(&deleted);
        cObject* target = screen.CreateObject(kTypeBuild, 0);
        step->target = target;
        screen.SetHint(std::move(step));
        screen.ClearHintTarget(nullptr);
        EXPECT_EQ(screen.GetHint()->target, target);
        screen.ClearHintTarget(target);
        EXPECT_EQ(screen.GetHint()->target, nullptr);
        screen.ClearLevel();
        EXPECT_EQ(deleted, 1);
        EXPECT_EQ(screen.GetHint(), nullptr);
        screen.SetHint(std::make_unique<CountedTrain>(&deleted));
    }
    EXPECT_EQ(deleted, 2);
}

TEST_F(MagicWidgetPlayTest, RisingTextsUseTheCaptionsFontWhenThereIsOne)
{
    {
        test::TestMagicWidget screen;
        EXPECT_EQ(screen.GetEffectFont(), screen.GetCaptionFont());
        ASSERT_NE(screen.GetEffectList(), nullptr);
        EXPECT_EQ(screen.GetSpellTable().size(), 6u);
        EXPECT_EQ(screen.GetSpellTable()[5].name, "spell_shield");
    }
    const auto font = std::make_shared<vrk::cFont>();
    vrk::GetFontMap()["TimesNewRomanItalic22"] = font;
    {
        test::TestMagicWidget screen;
        EXPECT_EQ(screen.GetEffectFont(), font);
    }
    vrk::GetFontMap().erase("TimesNewRomanItalic22");
}

}  // namespace
