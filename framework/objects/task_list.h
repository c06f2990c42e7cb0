// TaskList: the level's tasks (build so many houses, reach so many workers, gather
// so much money). Its update tells the owner screen each time a task becomes done or
// undone and answers whether every task is done; FillTaskPanel gives the two texts
// of a task's line in the heads-up panel.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class cObjectOwner;

struct TaskRecord {
    uint32_t kind = 0;     // object type id counted (104 workers, 101 houses ...), 0 a resource
    std::string name;      // what is counted ("money", "house00"); empty for population
    uint32_t current = 0;  // kept by the level play code
    uint32_t target = 0;
    bool done = false;     // the state last reported
    std::string icon;      // sprite name of the task's icon
    std::string id;        // "Population_6", "Money_200"
};

class TaskList {
public:
    explicit TaskList(cObjectOwner* owner = nullptr) : owner_(owner) {}

    void SetOwner(cObjectOwner* owner) { owner_ = owner; }
    void Reserve(size_t count) { records.reserve(count); }

    // Appends a task (count 0, not done); returns its index.
    int32_t Add(uint32_t kind, const std::string& name, uint32_t target, const std::string& icon,
                const std::string& id);
    // The first task of that kind whose name is exactly the name; null when none.
    TaskRecord* Find(uint32_t kind, const std::string& name);
    // Marks each task done when its count reaches its target, telling the owner of
    // every change (5510 done, 5511 undone, with the task's index). True when every
    // task is done; false for an empty list.
    bool Update();
    void Clear() { records.clear(); }

    std::vector<TaskRecord> records;

private:
    cObjectOwner* owner_ = nullptr;  // not owned: the level screen
};

// The two texts of the task at the index: ("x<target>", what is left) while it is
// open, both in green once done. An index outside the list gives two empty texts.
std::pair<std::string, std::string> FillTaskPanel(const TaskList& list, size_t index);
