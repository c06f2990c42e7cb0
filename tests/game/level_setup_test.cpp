// The per-level set-up of the level screen against the level table: each level's
// stock, tasks, music, limit, weather, day and night, tuning, base stage and talk;
// names outside the table; the advisor draw of "023"; the tuning reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "framework/objects/random_gen.h"
#include "objects/enemy_tuning.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

// Records the look the set-up asks for, then lets the screen apply it.
class SetUpScreen : public test::TestMagicWidget {
public:
    void SetWeather(const std::string& name) override
    {
        weatherCalls.push_back(name);
        cMagicWidget::SetWeather(name);
    }
    void SetDayNightLengths(float day, float night) override
    {
        dayNightCalls.push_back({day, night});
        cMagicWidget::SetDayNightLengths(day, night);
    }
    // What a load does: clear, then set up by the name.
    void Load(const std::string& name)
    {
        ClearLevel();
        weatherCalls.clear();
        dayNightCalls.clear();
        InitLevel(name);
    }

    std::vector<std::string> weatherCalls;
    std::vector<std::array<float, 2>> dayNightCalls;
};

struct TaskExpectation {
    uint32_t kind;
    const char* name;
    uint32_t target;
    const char* icon;
};

// The catalogue by key: population counts workers (104), the resources count the
// stock (kind 0), the buildings their own kinds.
TaskExpectation ExpectedTask(const std::string& key)
{
    const auto number = [&key]() { return static_cast<uint32_t>(std::stoul(key.substr(key.rfind('_') + 1))); };
    const auto starts = [&key](const char* prefix) { return key.rfind(prefix, 0) == 0; };
    if (starts("Population_")) return {104, "", number(), "task_worker"};
    if (starts("Food_")) return {0, "food", number(), "task_food"};
    if (starts("Wood_")) return {0, "wood", number(), "task_wood"};
    if (starts("Money_")) return {0, "money", number(), "task_money"};
    if (starts("Mana_")) return {0, "mana", number(), "task_mana"};
    if (key == "Tower00_2") return {115, "tower00", 2, "task_tower"};
    if (key == "House00_6") return {101, "house00", 6, "task_house"};
    if (key == "Lighthouse00_1") return {126, "lighthouse00", 1, "task_lighthouse"};
    if (key == "KeyAltar00_1") return {126, "ruins00", 1, "task_key_altar"};
    if (key == "CastleIce_1") return {126, "castle_ice", 1, "task_gravik"};
    if (key == "TowerAdvisor_1") return {0, "tower_advisor", 1, "task_advisor"};
    if (key == "SourceLifeWater00_1") return {126, "source_life_water", 1, "task_life_water"};
    ADD_FAILURE() << "no such task " << key;
    return {};
}

std::string SpeakerOf(char letter)
{
    switch (letter) {
    case 'h':
        return "speech_hero_face";
    case 'w':
        return "speech_wife_face";
    case 't':
        return "speech_trader_face";
    case 'g':
        return "speech_gravik_face";
    }
    return "?";
}

struct LevelExpectation {
    const char* id;
    std::array<int32_t, 4> stock;  // wood, food, money, mana
    float ratingTime;
    const char* music;
    const char* weather;  // "" none
    float day;
    float night;  // both 0: no cycle
    float goblin;
    float bandit;
    float tank;
    int32_t baseStage;
    std::vector<std::string> tasks;
    const char* talks;  // h hero, w wife, t trader, g gravik
};

const std::vector<LevelExpectation>& Levels()
{
    static const std::vector<LevelExpectation> table = {
        {"000", {60, 40, 40, 70}, 240, "music1", "shine", 0, 0, .2f, 1, 1, -1, {"Population_6"}, "hwh"},
        {"001", {50, 60, 20, 30}, 190, "music2", "rain", 0, 0, .2f, 1, 1, -1, {"Tower00_2", "Population_5"}, "hwhwh"},
        {"002", {40, 60, 10, 40}, 260, "music6", "shine", 0, 0, .2f, 1, 1, -1, {"Population_5", "Money_250"}, "wh"},
        {"003", {30, 40, 20, 40}, 320, "music3", "shine", 0, 0, .08f, 1, 1, -1,
         {"Population_6", "Food_200", "Money_200"}, "whw"},
        {"004", {0, 20, 20, 30}, 280, "music1", "shine", 0, 0, .04f, 1, 1, -1, {"Population_8"}, "whw"},
        {"005", {40, 20, 0, 60}, 270, "music2", "rain", 0, 0, .2f, 1, 1, 0, {"Population_7", "Food_200", "Money_200"},
         "wh"},
        {"006", {20, 20, 20, 200}, 250, "music2", "", 60, 35, .2f, 1, 1, 0, {"Population_7", "Money_200"}, "hthth"},
        {"007", {20, 20, 20, 60}, 350, "music1", "shine", 0, 0, .2f, 1, 1, -1, {"Population_7", "Wood_1000"}, "whw"},
        {"008", {20, 20, 0, 40}, 280, "music1", "rain", 0, 0, .2f, 1.1f, 1, 0, {"Lighthouse00_1"}, "wh"},
        {"009", {20, 40, 0, 60}, 340, "music5", "rain", 0, 0, .2f, 1, 1, -1, {"Population_6"}, "whwh"},
        {"010", {0, 9999, 0, 20}, 320, "music4", "snow", 0, 0, .2f, 1, 1, -1, {"Population_7"}, "wh"},
        {"011", {0, 40, 20, 0}, 380, "music1", "shine", 0, 0, .04f, 1, 1, -1, {"KeyAltar00_1", "Money_250"}, "whwh"},
        {"012", {0, 20, 0, 40}, 260, "music3", "rain", 0, 0, .2f, 1, 1, 0, {"Population_6", "Wood_400"}, "thth"},
        {"013", {20, 20, 0, 60}, 220, "music1", "", 0, 0, .2f, 1, 1, -1, {"House00_6", "Wood_250"}, "wh"},
        {"014", {0, 9999, 0, 40}, 210, "music4", "shine", 0, 0, .2f, 1, 1, -1, {"Population_7", "Mana_200"}, "whw"},
        {"015", {20, 50, 20, 50}, 250, "music5", "snow", 65, 40, .2f, 1, 1, -1, {"Mana_300", "Population_7"}, "hw"},
        {"016", {20, 60, 40, 40}, 300, "music5", "", 75, 40, .2f, 1, 1, -1, {"Population_7", "Money_300"}, "hgh"},
        {"017", {20, 9999, 20, 20}, 250, "music5", "shine", 0, 0, .2f, 1, 1, -1, {"Money_500"}, "hw"},
        {"018", {20, 40, 20, 0}, 330, "music6", "shine", 0, 0, .2f, 1, 1, -1, {"Money_400", "Population_8"}, "whw"},
        {"019", {20, 40, 20, 40}, 310, "music3", "snow", 0, 0, .2f, 1, 1, -1, {"Wood_300", "Population_8"}, "tht"},
        {"020", {20, 20, 0, 0}, 220, "music4", "", 0, 0, .2f, 1, .25f, -1, {"Population_7"}, "whwh"},
        {"021", {20, 40, 40, 40}, 300, "music2", "", 75, 40, .2f, 1, 1, -1, {"Lighthouse00_1", "Population_8"}, "wh"},
        {"022", {20, 9999, 0, 40}, 260, "music4", "snow", 70, 40, .2f, 1, 1, -1, {"CastleIce_1"}, "hwhwh"},
        {"023", {0, 40, 40, 0}, 350, "music2", "shine", 0, 0, .2f, 1, .15f, -1, {"TowerAdvisor_1"}, "whwh"},
        {"024", {20, 60, 20, 60}, 360, "music3", "", 0, 0, .2f, .8f, 1, -1, {"Lighthouse00_1", "Money_300"}, "wh"},
        {"025", {20, 40, 20, 40}, 340, "music1", "rain", 0, 0, .2f, 1.1f, 1, -1, {"Food_250", "Wood_250", "Money_250"},
         "tht"},
        {"026", {20, 20, 20, 0}, 280, "music6", "shine", 0, 0, .2f, 1, 1, -1, {"Population_9"}, "whw"},
        {"027", {20, 20, 20, 20}, 210, "music6", "night", 0, 0, .2f, 1, 1, 0, {"Food_300", "Mana_200", "Population_7"},
         "h"},
        {"028", {0, 9999, 0, 60}, 230, "music5", "snow", 75, 30, .2f, 1, 1, -1, {"Wood_300", "Money_300"}, "htht"},
        {"029", {20, 40, 40, 0}, 250, "music6", "", 0, 0, .08f, 1, 1, -1, {"Wood_300", "Population_6"}, "whwh"},
        {"030", {0, 40, 40, 100}, 310, "music3", "", 0, 0, .2f, 1.2f, 1, -1, {"KeyAltar00_1"}, "whwh"},
        {"031", {0, 80, 0, 40}, 210, "music4", "rain", 0, 0, .2f, 1, 1, -1, {"Lighthouse00_1"}, "whw"},
        {"032", {0, 40, 40, 40}, 300, "music5", "", 80, 30, .2f, 1, 1, -1, {"Population_6", "Mana_400", "Wood_200"}, "wh"},
        {"033", {0, 60, 20, 40}, 260, "music4", "shine", 0, 0, .2f, 1, 1, -1, {"Population_8"}, "hwh"},
        {"034", {100, 40, 0, 40}, 210, "music2", "", 0, 0, .2f, 1, 1, -1, {"SourceLifeWater00_1", "Mana_400"}, "hgh"},
        {"035", {60, 20, 20, 0}, 190, "music3", "", 80, 25, .2f, 1, 1, -1, {"Mana_200", "Population_7"}, "whw"},
        {"036", {20, 20, 20, 60}, 220, "music6", "rain", 0, 0, .2f, 1, 1, -1, {"Population_6", "Money_200"}, "whwhw"},
        {"037", {20, 20, 0, 40}, 190, "music2", "snow", 0, 0, .2f, 1, 1, -1, {"Money_200", "Population_6"}, "wh"},
        {"038", {0, 9999, 0, 40}, 240, "music2", "", 0, 0, .2f, 1, 1, -1, {"Lighthouse00_1", "Population_9"}, "wtw"},
        {"039", {40, 160, 40, 150}, 220, "music2", "", 0, 0, .2f, 1, 1, -1, {"Population_7", "Money_300"}, "gh"},
    };
    return table;
}

class LevelSetupTest : public ::testing::Test {
protected:
    void SetUp() override { EnemyTuningValues() = {}; }
    void TearDown() override { EnemyTuningValues() = {}; }

    test::FakeAppServices services;
};

TEST_F(LevelSetupTest, EveryLevelStartsAsItsTableRowSays)
{
    ASSERT_EQ(Levels().size(), 40u);
    SetUpScreen screen;
    for (const LevelExpectation& level : Levels()) {
        SCOPED_TRACE(level.id);
        // A level set up after another that had everything shows nothing of it.
        screen.Load("039");
        screen.Load(level.id);
        EXPECT_EQ(screen.Stock().amounts, (std::vector<int32_t>(level.stock.begin(), level.stock.end())));
        EXPECT_EQ(screen.music, level.music);
        EXPECT_EQ(screen.timeLimit, level.ratingTime * 1.5f);
        const std::vector<std::string> weather =
            std::string(level.weather).empty() ? std::vector<std::string>{} : std::vector<std::string>{level.weather};
        EXPECT_EQ(screen.weatherCalls, weather);
        if (level.day > 0.0f) {
            ASSERT_EQ(screen.dayNightCalls.size(), 1u);
            EXPECT_EQ(screen.dayNightCalls[0], (std::array<float, 2>{level.day, level.night}));
        } else {
            EXPECT_TRUE(screen.dayNightCalls.empty());
        }
        EXPECT_FLOAT_EQ(screen.dayLength, level.day);
        EXPECT_FLOAT_EQ(screen.nightLength, level.night);
        EXPECT_EQ(EnemyTuningValues().goblinWorkRate, level.goblin);
        EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, level.bandit);
        EXPECT_EQ(EnemyTuningValues().tankGunSpeedFactor, level.tank);
        EXPECT_EQ(screen.baseStage, level.baseStage);

        const std::vector<TaskRecord>& tasks = screen.Tasks().records;
        ASSERT_EQ(tasks.size(), level.tasks.size());
        for (size_t i = 0; i < tasks.size(); ++i) {
            const TaskExpectation expected = ExpectedTask(level.tasks[i]);
            EXPECT_EQ(tasks[i].id, level.tasks[i]);
            EXPECT_EQ(tasks[i].kind, expected.kind) << tasks[i].id;
            EXPECT_EQ(tasks[i].name, expected.name) << tasks[i].id;
            EXPECT_EQ(tasks[i].target, expected.target) << tasks[i].id;
            EXPECT_EQ(tasks[i].icon, expected.icon) << tasks[i].id;
            EXPECT_EQ(tasks[i].current, 0u);
            EXPECT_FALSE(tasks[i].done);
        }

        const std::string speakers = level.talks;
        const std::vector<TalkRecord>& talks = screen.GetTalks();
        ASSERT_EQ(talks.size(), speakers.size());
        for (size_t i = 0; i < talks.size(); ++i) {
            EXPECT_EQ(talks[i].side, i % 2);
            EXPECT_EQ(talks[i].face, SpeakerOf(speakers[i]));
            EXPECT_EQ(talks[i].textKey, "Talk" + std::string(level.id) + "_" + std::to_string(i));
        }
    }
}

TEST_F(LevelSetupTest, NamesOutsideTheTableGetOnlyTheCommonStart)
{
    SetUpScreen screen;
    for (const char* name : {"0000", " 000", "000 ", "00", "", "my_meadow", "040", "03"}) {
        SCOPED_TRACE(std::string("'") + name + "'");
        screen.Load("022");
        screen.ambienceTimer.Step(4.0f);
        screen.Load(name);
        EXPECT_EQ(screen.Stock().amounts, (std::vector<int32_t>{0, 0, 0, 0}));
        EXPECT_TRUE(screen.Tasks().records.empty());
        EXPECT_TRUE(screen.GetTalks().empty());
        EXPECT_EQ(screen.music, "");
        EXPECT_EQ(screen.timeLimit, 0.0f);
        EXPECT_EQ(screen.GetMedal(), cMagicWidget::kMedalNoLimit);
        EXPECT_TRUE(screen.weatherCalls.empty());
        EXPECT_TRUE(screen.dayNightCalls.empty());
        EXPECT_EQ(screen.dayLength, 0.0f);
        EXPECT_EQ(screen.nightLength, 0.0f);
        EXPECT_EQ(screen.baseStage, -1);
        EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 0.2f);
        EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, 1.0f);
        EXPECT_EQ(EnemyTuningValues().tankGunSpeedFactor, 1.0f);
        // The ambience timer starts over toward ten seconds on every set-up.
        EXPECT_EQ(screen.ambienceTimer.current, 0.0f);
        EXPECT_EQ(screen.ambienceTimer.start, 0.0f);
        EXPECT_EQ(screen.ambienceTimer.elapsed, 0.0f);
        EXPECT_EQ(screen.ambienceTimer.target, 10.0f);
        EXPECT_FLOAT_EQ(screen.ambienceTimer.duration, 10.0f);
    }
}

TEST_F(LevelSetupTest, OnlyTheSixFeastLevelsStartWith9999Food)
{
    SetUpScreen screen;
    std::vector<std::string> feasts;
    for (const LevelExpectation& level : Levels()) {
        screen.Load(level.id);
        if (screen.Stock().At(1) == 9999) feasts.push_back(level.id);
    }
    EXPECT_EQ(feasts, (std::vector<std::string>{"010", "014", "017", "022", "028", "038"}));
}

TEST_F(LevelSetupTest, Level023DrawsTheAdvisorOnEverySetUpAndOthersLeaveIt)
{
    SetUpScreen screen;
    services.random.seed = 12345u;
    RandomGen mirror{12345u};
    std::vector<int32_t> drawn;
    for (int restart = 0; restart < 8; ++restart) {
        screen.Load("023");
        const int32_t expected = mirror.Next(2);
        EXPECT_EQ(screen.chosenAdvisorId, expected);
        EXPECT_EQ(services.random.seed, mirror.seed);
        drawn.push_back(screen.chosenAdvisorId);
    }
    for (int32_t id : drawn) {
        EXPECT_GE(id, 0);
        EXPECT_LE(id, 2);
    }
    // Eight restarts with this seed choose more than one tower.
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), drawn.front()), 8);

    // Other levels draw nothing and clearing keeps the last choice.
    const uint32_t seed = services.random.seed;
    for (const char* name : {"022", "024", "000", "editor"}) screen.Load(name);
    EXPECT_EQ(services.random.seed, seed);
    EXPECT_EQ(screen.chosenAdvisorId, drawn.back());
}

TEST_F(LevelSetupTest, EveryLevelStartsFromTheResetTuning)
{
    SetUpScreen screen;
    EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 1.0f);  // program start
    screen.Load("003");
    EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 0.08f);
    screen.Load("001");
    EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 0.2f);
    screen.Load("020");
    EXPECT_EQ(EnemyTuningValues().tankGunSpeedFactor, 0.25f);
    screen.Load("030");
    EXPECT_EQ(EnemyTuningValues().tankGunSpeedFactor, 1.0f);
    EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, 1.2f);
    screen.Load("024");
    EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, 0.8f);
    screen.Load("0240");
    EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, 1.0f);
    EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 0.2f);
}

}  // namespace
