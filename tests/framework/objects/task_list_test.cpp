// Tasks: done and undone notices, the all-done answer and the panel texts.
#include "framework/objects/task_list.h"

#include <gtest/gtest.h>

#include "engine/text/text_table.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

TEST(TaskListTest, Update_EmptyListIsNeverDone)
{
    test::FakeOwner owner;
    TaskList list(&owner);
    EXPECT_FALSE(list.Update());
    EXPECT_TRUE(owner.playEvents.empty());
}

TEST(TaskListTest, Update_TargetZeroIsDoneAtOnce)
{
    test::FakeOwner owner;
    TaskList list(&owner);
    EXPECT_EQ(list.Add(104, "", 0, "task_worker", "Population_0"), 0);
    EXPECT_TRUE(list.Update());
    ASSERT_EQ(owner.playEvents.size(), 1u);
    EXPECT_EQ(owner.playEvents[0], std::make_pair(uint32_t{kEventTaskDone}, uintptr_t{0}));
}

TEST(TaskListTest, Update_ReportsEachFlipOnce)
{
    test::FakeOwner owner;
    TaskList list(&owner);
    list.Add(0, "money", 200, "task_money", "Money_200");
    EXPECT_EQ(list.Add(101, "house00", 3, "task_house", "House_3"), 1);
    TaskRecord* houses = list.Find(101, "house00");
    ASSERT_NE(houses, nullptr);
    houses->current = 3;
    EXPECT_FALSE(list.Update());
    EXPECT_FALSE(list.Update());
    ASSERT_EQ(owner.playEvents.size(), 1u);
    EXPECT_EQ(owner.playEvents[0], std::make_pair(uint32_t{kEventTaskDone}, uintptr_t{1}));
    houses->current = 2;
    list.Update();
    list.Update();
    ASSERT_EQ(owner.playEvents.size(), 2u);
    EXPECT_EQ(owner.playEvents[1], std::make_pair(uint32_t{kEventTaskUndone}, uintptr_t{1}));
    houses->current = 5;
    list.Find(0, "money")->current = 250;
    EXPECT_TRUE(list.Update());
}

TEST(TaskListTest, Find_MatchesKindAndExactName)
{
    TaskList list;
    list.Add(101, "house00", 3, "task_house", "House_3");
    EXPECT_EQ(list.Find(101, "house0"), nullptr);
    EXPECT_EQ(list.Find(115, "house00"), nullptr);
    EXPECT_NE(list.Find(101, "house00"), nullptr);
    EXPECT_FALSE(list.Update());  // no owner: no notice, no crash
}

TEST(TaskListTest, FillTaskPanel_OpenAndDoneTexts)
{
    vrk::TextTable()["TaskRemain"] = "%i left";
    vrk::TextTable()["TaskDone"] = "Done!";
    TaskList list;
    list.Add(0, "wood", 50, "task_wood", "Wood_50");
    list.records[0].current = 20;
    EXPECT_EQ(FillTaskPanel(list, 0), std::make_pair(std::string("x50"), std::string("30 left")));
    list.records[0].current = 60;
    EXPECT_EQ(FillTaskPanel(list, 0),
              std::make_pair(std::string("^00FF00FFx50^^"), std::string("^00FF00FFDone!^^")));
    EXPECT_EQ(FillTaskPanel(list, 7), std::make_pair(std::string(), std::string()));
    vrk::TextTable().erase("TaskRemain");
    vrk::TextTable().erase("TaskDone");
}

TEST(TaskListTest, FillTaskPanel_RemainTextIsReadByTheEnginesFormatter)
{
    // A locale text with directives the C library would read from the stack.
    vrk::TextTable()["TaskRemain"] = "%s%s%n %i";
    TaskList list;
    list.Add(0, "wood", 5, "task_wood", "Wood_5");
    const auto texts = FillTaskPanel(list, 0);
    EXPECT_NE(texts.second.find('5'), std::string::npos);
    vrk::TextTable().erase("TaskRemain");
}

}  // namespace
