// The level table: what each of the game's forty levels "000".."039" starts with
// (stock, rating time, music, weather, day and night, enemy tuning, base script),
// the catalogue of every task a level can set, the tasks of each level and the
// speakers of each level's opening talk. The set-up (level_setup.cpp) applies them.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// One record of the task catalogue, as the task list takes it.
struct LevelTask {
    const char* key;  // the task's text key, also its id in the task list
    uint32_t kind;    // 104 workers, 101 / 115 / 126 buildings, 0 a resource (or the advisor)
    const char* name;
    uint32_t target;
    const char* icon;
};

enum class TalkSpeaker : uint8_t {
    kNone = 0,
    kHero,
    kWife,
    kTrader,
    kGravik,
};

constexpr size_t kLevelCount = 40;
constexpr size_t kMaxLevelTasks = 3;
constexpr size_t kMaxLevelTalks = 5;
constexpr size_t kTaskCatalogueSize = 28;

// A level's starting values. Unset tuning values keep the reset ones.
struct LevelRow {
    const char* id;
    std::array<int32_t, 4> stock{};  // wood, food, money, mana
    float ratingTime = 0.0f;         // seconds; the limit in play is 1.5 times it
    const char* music = "";
    const char* weather = nullptr;   // null: the level keeps the plain look
    float dayLength = 0.0f;          // both 0: no day and night cycle
    float nightLength = 0.0f;
    std::optional<float> goblinWorkRate = std::nullopt;
    std::optional<float> banditSpeedFactor = std::nullopt;
    std::optional<float> tankGunSpeedFactor = std::nullopt;
    bool startsBaseScript = false;   // base stage 0 instead of -1
    bool drawsAdvisor = false;       // chooses one of the three advisor towers
};

// The forty rows, in id order.
const std::array<LevelRow, kLevelCount>& LevelRows();
// The index of the row whose id equals the name exactly; -1 for any other name.
int32_t FindLevelIndex(const std::string& name);

// The task records every level draws from.
const std::array<LevelTask, kTaskCatalogueSize>& TaskCatalogue();
// The catalogue record of the key; null when the catalogue has none.
const LevelTask* FindLevelTask(const std::string& key);
// The text keys of the level's tasks in task-panel order, null after the last.
const std::array<const char*, kMaxLevelTasks>& LevelTaskKeys(size_t levelIndex);

// The speakers of the level's talk lines in queue order, kNone after the last.
const std::array<TalkSpeaker, kMaxLevelTalks>& LevelTalkSpeakers(size_t levelIndex);
// The speaker's sprite name ("speech_hero"...); empty for kNone.
std::string TalkSpeakerName(TalkSpeaker speaker);
// "Talk" + level id + "_" + line index.
std::string TalkTextKey(const std::string& levelId, size_t line);
