// Pick-ups on the stand-in level screen: the four kinds and an unknown name, the
// hint, taking an item with its one "take" and an item taken on a level opened for
// editing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/text/text_table.h"
#include "framework/widgets/level_file.h"
#include "objects/item.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

class ItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Without a sound manager every sound played logs that its buffer is missing,
        // which is how the test hears them.
        logger = std::make_unique<vrk::Logger>();
        logger->SetConsole(std::make_unique<test::RecordingConsole>(&lines));
        for (const char* name : {"food", "wood", "money", "mana"}) test::RegisterTestSprite(name, 1, 0.0f);
    }
    void TearDown() override
    {
        logger.reset();
        for (const char* key : {"wood", "mana", "Profit", "junk"}) vrk::TextTable().erase(key);
    }

    cItem* Make(const std::string& name)
    {
        auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
        if (item == nullptr) return nullptr;
        item->SetPosition(100.0f, 100.0f);
        item->SetSprite(name);
        return item;
    }
    int CountLogged(const std::string& text) const
    {
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }

    test::TempAppPath appPath;
    std::vector<std::string> lines;
    std::unique_ptr<vrk::Logger> logger;
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(ItemTest, SetSprite_BindsTheFourKindsAndNothingForAnotherName)
{
    struct Row {
        const char* name;
        std::vector<int32_t> yield;
        bool shown;
    };
    const std::vector<Row> rows{{"wood", {20, 0, 0, 0}, true},  {"food", {0, 20, 0, 0}, true},
                                {"money", {0, 0, 20, 0}, true}, {"mana", {0, 0, 0, 20}, true},
                                {"junk", {0, 0, 0, 0}, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        cItem* item = Make(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetState(), kStateWorkDone);
        EXPECT_EQ(item->GetYield().amounts, row.yield);
        EXPECT_EQ(item->GetAnimation() != nullptr, row.shown);
        EXPECT_EQ(item->GetAnimationKey(), row.shown ? "life" : "");
    }
}

TEST_F(ItemTest, HintText_IsTheNamesTextWithTheProfitWhenThereIsOne)
{
    vrk::TextTable()["wood"] = "Logs";
    vrk::TextTable()["junk"] = "Junk";
    vrk::TextTable()["Profit"] = "Gain";
    ResourceVector wood;
    wood.amounts[0] = 20;
    std::string profit;
    wood.FormatResourceAmounts(profit, true);
    EXPECT_EQ(Make("wood")->GetHintText(), "Logs\nGain: " + profit);
    EXPECT_EQ(Make("junk")->GetHintText(), "Junk");
}

TEST_F(ItemTest, UpdateTimer_TakesTheItemAtOnceWithOneTake)
{
    cItem* item = Make("mana");
    item->SetState(kStateWorking);
    EXPECT_EQ(item->UpdateTimer(cObject::kTickSeconds), kTimerIdle);
    EXPECT_EQ(item->GetState(), kStateNone);
    EXPECT_EQ(item->GetAnimation(), nullptr);
    EXPECT_EQ(CountLogged("sound buffer not found 'take'"), 1);
    // The yield stays for the worker to carry home.
    EXPECT_EQ(item->GetYield().amounts[3], 20);
}

TEST_F(ItemTest, TakenItem_StaysVisibleOnALevelOpenedForEditing)
{
    cItem* item = Make("food");
    level.SetEditorOnLoad(true);
    item->SetState(kStateWorking);
    item->UpdateTimer(cObject::kTickSeconds);
    EXPECT_EQ(item->GetState(), kStateNone);
    EXPECT_EQ(item->GetAnimationKey(), "life");
    EXPECT_NE(item->GetAnimation(), nullptr);
}


TEST(ItemSetUp, EachTypeNameSetsUpUnderALevelFileWithoutAnApplication)
{
    for (const char* name : {"food", "wood", "money", "mana", "junk"}) {
        SCOPED_TRACE(name);
        cLevelFile file;
        const std::unique_ptr<cObject> object = NewLevelObject(kTypeItem, &file);
        auto* item = dynamic_cast<cItem*>(object.get());
        ASSERT_NE(item, nullptr);
        item->SetSprite(name);
        EXPECT_EQ(item->GetState(), kStateWorkDone);
        item->GetHintText();
        EXPECT_EQ(item->UpdateTimer(cObject::kTickSeconds), kTimerIdle);
        EXPECT_EQ(item->GetState(), kStateNone);
    }
}

}  // namespace
