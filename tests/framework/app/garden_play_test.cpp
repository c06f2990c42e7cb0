// The game application at play: screen switches and the comics pages they set up,
// one sprite frame into the primitive batch, and achievements that unlock once.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "framework/widgets/comics_base_widget.h"
#include "tests/framework/app/garden_test_support.h"

namespace {

// A comics screen that keeps what it was given.
class RecordingComics : public cComicsBaseWidget {
public:
    void SetComics(const std::string& frameList, const std::string& fontName, const std::string& textKeys,
                   const std::string& nextScreen) override
    {
        frames = frameList;
        font = fontName;
        keys = textKeys;
        cComicsBaseWidget::SetComics(frameList, fontName, textKeys, nextScreen);
    }
    std::string frames;
    std::string font;
    std::string keys;
};

class GardenPlayTest : public test::GardenStartTest {
protected:
    cGarden& StartWithRecordingComics()
    {
        cGarden& garden = Make();
        garden.GetRegistry().SetScreen("comics", [this] { return comics = new RecordingComics(); });
        return Start();
    }
    std::string Focused() const { return game->focused != nullptr ? game->focused->GetName() : std::string(); }

    RecordingComics* comics = nullptr;
};

TEST_F(GardenPlayTest, ShowComics_FocusesTheNamedScreenUnlessItIsTheCurrentOne)
{
    cGarden& garden = Start();
    garden.ShowComics("map", "menu");
    EXPECT_EQ(Focused(), "map");
    garden.ShowComics("menu", "menu");
    EXPECT_EQ(Focused(), "map");
    garden.ShowComics("achieve", "map");
    EXPECT_EQ(Focused(), "achieve");
    garden.ShowComics("options", "achieve");
    garden.ShowComics("comics4", "achieve");
    garden.ShowComics("", "achieve");
    EXPECT_EQ(Focused(), "achieve");
}

struct ComicsCase {
    const char* target;
    const char* frames;
    const char* next;
};

TEST_F(GardenPlayTest, ShowComics_SetsUpEachChaptersPagesAndFocusesTheComics)
{
    const ComicsCase cases[] = {
        {"comics0", "comics_frm0;comics_frm1;comics_frm2;comics_frm3", "level"},
        {"comics1", "comics_frm4;comics_frm5", "map"},
        {"comics2", "comics_frm6;comics_frm7", "map"},
        {"comics3", "comics_frm8;comics_frm9;comics_frm10;comics_frm11", "map"},
    };
    cGarden& garden = StartWithRecordingComics();
    ASSERT_NE(comics, nullptr);
    EXPECT_EQ(garden.GetComicsScreen(), comics);
    for (const ComicsCase& entry : cases) {
        garden.ShowComics("menu", "comics");
        garden.ShowComics(entry.target, "menu");
        EXPECT_EQ(comics->frames, entry.frames);
        EXPECT_EQ(comics->keys, entry.frames);
        EXPECT_EQ(comics->font, "TimesNewRomanItalic22");
        EXPECT_EQ(comics->GetNextScreen(), entry.next);
        EXPECT_EQ(Focused(), "comics");
    }
}

TEST_F(GardenPlayTest, UnlockAchievement_ActsOnlyTheFirstTime)
{
    cGarden& garden = Start();
    garden.UnlockAchievement("achieve_gravik");
    garden.UnlockAchievement("achieve_gravik");
    cPlayerBase* player = garden.GetActivePlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->achievementProgress[15], 1.0f);
    EXPECT_EQ(player->achievementNewFlags[15], 1u);
    // The pop-up and the sound each speak up once (the test has neither).
    EXPECT_EQ(CountLogged("can't find some of window's elements"), 1);
    EXPECT_EQ(CountLogged("sound buffer not found 'start_game'"), 1);
}

TEST_F(GardenPlayTest, UnlockAchievement_PersistsWithTheProfile)
{
    cGarden& garden = Start();
    garden.UnlockAchievement("achieve_wood");
    const std::string other = garden.AddPlayer("other");
    garden.LogonPlayer(other);
    EXPECT_EQ(garden.GetActivePlayer()->achievementProgress[7], 0.0f);
    garden.LogonPlayer("plr000");
    EXPECT_EQ(garden.GetActivePlayer()->achievementProgress[7], 1.0f);
    EXPECT_EQ(garden.GetActivePlayer()->achievementNewFlags[7], 1u);
}

TEST_F(GardenPlayTest, UnlockAchievement_IgnoresUnknownNamesAndAMissingPlayer)
{
    cGarden& garden = Make();
    garden.UnlockAchievement("achieve_gravik");
    EXPECT_EQ(garden.GetActivePlayer(), nullptr);
    Start();
    garden.UnlockAchievement("achieve_none");
    garden.UnlockAchievement("");
    for (float progress : garden.GetActivePlayer()->achievementProgress) EXPECT_EQ(progress, 0.0f);
    EXPECT_FALSE(Logged("start_game"));
}

class DrawSpriteFrameTest : public test::GardenStartTest {
protected:
    SpriteInfo TwoFrames() const
    {
        auto frames = std::make_shared<SpriteFrames>();
        frames->windows = {{0.0f, 0.0f, 0.5f, 0.5f}, {0.5f, 0.25f, 0.125f, 0.25f}};
        frames->hotSpots = {{0.0f, 0.0f}, {4.0f, 8.0f}};
        frames->sizes = {{10.0f, 10.0f}, {16.0f, 32.0f}};
        SpriteInfo info;
        info.texture = texture;
        info.frames = frames;
        info.frameCount = 2;
        return info;
    }

    std::shared_ptr<vrk::cTexture> texture = std::make_shared<vrk::cTexture>("sprite");
};

TEST_F(DrawSpriteFrameTest, AddsOneWhiteQuadAtThePositionLessTheOffset)
{
    cGarden& garden = Make();
    vrk::VertexBatch& batch = *game->batch;
    batch.Clear();
    garden.DrawSpriteFrame(TwoFrames(), vec2{100.0f, 200.0f}, 1);
    ASSERT_EQ(batch.runCount, 1u);
    EXPECT_EQ(batch.runs[0].key, texture);
    ASSERT_EQ(batch.UsedVertices(), 6u);
    const vrk::BatchVertex& first = batch.vertices[batch.runs[0].first];
    const vrk::BatchVertex& last = batch.vertices[batch.runs[0].first + 5];
    EXPECT_FLOAT_EQ(first.x, 96.0f);
    EXPECT_FLOAT_EQ(first.y, 192.0f);
    EXPECT_FLOAT_EQ(first.u, 0.5f);
    EXPECT_FLOAT_EQ(first.v, 0.25f);
    EXPECT_FLOAT_EQ(last.x, 112.0f);
    EXPECT_FLOAT_EQ(last.y, 224.0f);
    EXPECT_FLOAT_EQ(last.u, 0.625f);
    EXPECT_FLOAT_EQ(last.v, 0.5f);
    EXPECT_EQ(first.color, 0xFFFFFFFFu);
}

TEST_F(DrawSpriteFrameTest, DrawsNothingWithoutTextureFramesOrAValidIndex)
{
    cGarden& garden = Make();
    vrk::VertexBatch& batch = *game->batch;
    batch.Clear();
    SpriteInfo noTexture = TwoFrames();
    noTexture.texture = nullptr;
    SpriteInfo noFrames = TwoFrames();
    noFrames.frameCount = 0;
    // A count past the tables the record really holds.
    SpriteInfo overCounted = TwoFrames();
    overCounted.frameCount = 5;
    garden.DrawSpriteFrame(noTexture, vec2{}, 0);
    garden.DrawSpriteFrame(noFrames, vec2{}, 0);
    garden.DrawSpriteFrame(TwoFrames(), vec2{}, 2);
    garden.DrawSpriteFrame(TwoFrames(), vec2{}, 0xFFFFFFFFu);
    garden.DrawSpriteFrame(overCounted, vec2{}, 3);
    EXPECT_EQ(batch.UsedVertices(), 0u);
}

}  // namespace
