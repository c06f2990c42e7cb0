// TaskList: adding, finding and checking the level's tasks, and the panel texts.
#include "framework/objects/task_list.h"

#include <algorithm>

#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr const char* kDoneCountFormat = "^00FF00FFx%i^^";
constexpr const char* kDoneTextFormat = "^00FF00FF%s^^";
constexpr const char* kOpenCountFormat = "x%i";
constexpr const char* kDoneKey = "TaskDone";
constexpr const char* kRemainKey = "TaskRemain";

vrk::FormatArg CountArg(uint32_t count)
{
    return vrk::FormatArg::FromInt(static_cast<int32_t>(std::min<uint32_t>(count, INT32_MAX)));
}

}  // namespace

int32_t TaskList::Add(uint32_t kind, const std::string& name, uint32_t target, const std::string& icon,
                      const std::string& id)
{
    TaskRecord record;
    record.kind = kind;
    record.name = name;
    record.target = target;
    record.icon = icon;
    record.id = id;
    records.push_back(std::move(record));
    return static_cast<int32_t>(records.size()) - 1;
}

TaskRecord* TaskList::Find(uint32_t kind, const std::string& name)
{
    for (TaskRecord& record : records) {
        if (record.kind == kind && record.name == name) return &record;
    }
    return nullptr;
}

bool TaskList::Update()
{
    if (records.empty()) return false;
    bool allDone = true;
    for (size_t index = 0; index < records.size(); ++index) {
        TaskRecord& record = records[index];
        const bool done = record.current >= record.target;
        if (done != record.done) {
            // Stored first: the handler may look at the list.
            record.done = done;
            if (owner_ != nullptr) owner_->OnPlayEvent(done ? kEventTaskDone : kEventTaskUndone, index);
        }
        allDone = allDone && done;
    }
    return allDone;
}

std::pair<std::string, std::string> FillTaskPanel(const TaskList& list, size_t index)
{
    if (index >= list.records.size()) return {};
    const TaskRecord& record = list.records[index];
    if (record.current >= record.target) {
        const std::string doneText = vrk::FindText(kDoneKey);
        return {vrk::FormatToString(kDoneCountFormat, CountArg(record.target)),
                vrk::FormatToString(kDoneTextFormat, vrk::FormatArg::FromString(doneText))};
    }
    // The remaining-count text comes from the locale files: only the engine's own
    // formatter may read it as a format.
    return {vrk::FormatToString(kOpenCountFormat, CountArg(record.target)),
            vrk::FormatStdString(vrk::FindText(kRemainKey), CountArg(record.target - record.current))};
}
