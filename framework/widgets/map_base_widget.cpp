// cMapBaseWidget: loading the map scene, linking the points to the player, choosing
// the current level, and the editor's numbering tool and save command.
#include "framework/widgets/map_base_widget.h"

#include <set>

#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/objects/map_path.h"
#include "framework/objects/map_point.h"

namespace {

constexpr const char* kSaveCommand = "_save";
constexpr intptr_t kWindowContext = 1;
constexpr const char* kSender = "cMapBaseWidget";
constexpr const char* kFileName = "map.lvl";
constexpr cSceneSave::Notices kSaveNotices{
    "The map loaded only in part (it holds objects this version does not know). It is not saved.",
    "The map file could not be written. The old file is kept."};

vrk::cByteStream* MapStream(cMiddle* middle)
{
    return middle != nullptr ? middle->GetLevelFiles().GetMapStream() : nullptr;
}

}  // namespace

cMapBaseWidget::cMapBaseWidget(const std::string& name) : cBaseWidget(name), scene_(kSender, kSaveNotices) {}

void cMapBaseWidget::OnFocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = MapStream(middle)) scene_.Load(*this, *stream, middle->GetLimit43());
    LinkObjects();
    SetMode(kModeLoading);
}

void cMapBaseWidget::OnUnfocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = MapStream(middle))
        scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName);
    cBaseWidget::OnUnfocus();
}

void cMapBaseWidget::LinkObjects()
{
    cBaseWidget::LinkObjects();
    cMiddle* middle = GetMiddle();
    const cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    const size_t recordCount = player != nullptr ? player->levelRecords.size() : 0;
    ObjectList points;
    FindObjectsOfKind(points, kTypeMapPoint, -1);
    for (cObject* object : points) {
        auto* point = dynamic_cast<cMapPoint*>(object);
        if (point == nullptr) continue;
        point->SetState(static_cast<int32_t>(kLevelClosed));
        point->SetSelected(0);
        if (point->GetName().empty()) continue;
        const int32_t index = point->GetIndex();
        if (index < 0 || static_cast<size_t>(index) >= recordCount) continue;
        point->SetState(static_cast<int32_t>(player->levelRecords[static_cast<size_t>(index)].state));
        point->SetSelected(static_cast<uint32_t>(index) == player->currentLevel ? 1 : 0);
    }
    ObjectList paths;
    FindObjectsOfKind(paths, kTypeMapPath, -1);
    if (!paths.empty()) {
        if (auto* path = dynamic_cast<cMapPath*>(paths.front())) path->BuildPath();
    }
}

uint32_t cMapBaseWidget::ShowGui()
{
    if (cMiddle* middle = GetMiddle()) middle->ShowWindow(kWindowName, kWindowContext);
    inputFlags_ = 0;
    hovered_ = nullptr;
    return 0;
}

uint32_t cMapBaseWidget::OnObjectClick(cObject* object)
{
    ObjectList points;
    FindObjectsOfKind(points, kTypeMapPoint, -1);
    for (cObject* entry : points) {
        if (auto* point = dynamic_cast<cMapPoint*>(entry)) point->SetSelected(entry == object ? 1 : 0);
    }
    auto* clicked = dynamic_cast<cMapPoint*>(object);
    cMiddle* middle = GetMiddle();
    cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    if (clicked != nullptr && player != nullptr) player->SetCurrentLevel(clicked->GetIndex());
    return 0;
}

uint32_t cMapBaseWidget::OnEditorEvent(uint32_t kind, uintptr_t param)
{
    if (kind == kEventLeaveMode) {
        LinkObjects();
    } else if (kind == kEventModeEntered) {
        // In the editor every point shows its picture, so that all can be picked.
        ObjectList points;
        FindObjectsOfKind(points, kTypeMapPoint, -1);
        for (cObject* point : points) point->SetState(static_cast<int32_t>(kLevelOpen));
    }
    return cBaseWidget::OnEditorEvent(kind, param);
}

uint32_t cMapBaseWidget::OnMouseDown(uint32_t button)
{
    const uint32_t answer = cBaseWidget::OnMouseDown(button);
    if (GetPendingType() == kIndexTool && !selection_.empty()) NumberSelectedPoint();
    return answer;
}

void cMapBaseWidget::NumberSelectedPoint()
{
    auto* target = dynamic_cast<cMapPoint*>(selection_.front());
    if (target == nullptr) return;
    std::set<int32_t> taken;
    ObjectList points;
    FindObjectsOfKind(points, kTypeMapPoint, -1);
    for (cObject* entry : points) {
        auto* point = dynamic_cast<cMapPoint*>(entry);
        if (point != nullptr && point != target && !point->GetName().empty()) taken.insert(point->GetIndex());
    }
    cMiddle* middle = GetMiddle();
    const auto levelCount = static_cast<int32_t>(middle != nullptr ? middle->GetLevelCount() : 0);
    for (int32_t index = 0; index < levelCount; ++index) {
        if (taken.count(index) == 0) {
            target->SetIndex(index);
            return;
        }
    }
}

uint32_t cMapBaseWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a == 0 && name == kSaveCommand) {
        // Not passed on: the base's click would sound for a save that failed.
        cMiddle* middle = GetMiddle();
        if (vrk::cByteStream* stream = MapStream(middle)) {
            scene_.Save(scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName),
                        [middle] { return middle->SaveMapFile(); });
        }
        return 0;
    }
    return cBaseWidget::OnGuiEvent(a, name, b);
}
