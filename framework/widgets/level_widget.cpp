// cLevelWidget: construction and destruction, the level's life (loading with the
// grid tail, linking, clearing, ticks, mode entry), the stock and the order queue.
#include "framework/widgets/level_widget.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/log/log.h"
#include "framework/app/middle.h"
#include "framework/objects/animal.h"
#include "framework/objects/app_services.h"
#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
#include "framework/objects/render_highlight.h"

namespace {

constexpr const char* kLoadSender = "cLevelWidget::LoadLevel";
constexpr const char* kProgressSprite = "progress";
constexpr const char* kTargetSprite = "target";
constexpr const char* kFireworkSprite = "effect_firework";
// The layer whose objects are drawn back to front by their height on the screen.
constexpr size_t kSortedLayer = 6;
// Bytes of one cell in the grid tail (cost and extra word), and of its header.
constexpr uint64_t kTailCellBytes = 8;
constexpr uint64_t kTailHeaderBytes = 8;

SpriteInfo AppSprite(const std::string& name)
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetSpriteInfoEx(name) : SpriteInfo{};
}

int32_t SaturatedSum(int64_t a, int64_t b)
{
    const int64_t sum = a + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

cLevelWidget::cLevelWidget() : cBaseWidget(kScreenName), tasks_(this)
{
    tasks_.Reserve(kReservedTasks);
    levelWidth_ = kInitialLevelWidth;
    levelHeight_ = kInitialLevelHeight;
    ClampView();
    ResizeGrid();
    costTable_ = {{kTerrainImpassable, -1.0f}, {kTerrainFree, 0.0f}, {kTerrainSlow, 0.7f}, {kTerrainVerySlow, 10.0f}};
    animEffects_ = std::make_unique<AnimEffectList>();
}

cLevelWidget::~cLevelWidget()
{
    // The objects go first, while the grid, the talks and the orders they may reach
    // back into still exist; the base would only delete them after those are gone.
    cLevelWidget::ClearLevel();
}

// --- The level's life ---

void cLevelWidget::InitLevel(const std::string& name)
{
    cBaseWidget::InitLevel(name);
    progressSprite_ = AppSprite(kProgressSprite);
    targetSprite_ = AppSprite(kTargetSprite);
    MarkSpriteTextureUsed(targetSprite_, false);
    targetAnim_.LoadRecord(targetSprite_);
    targetAnim_.play.mode = kPlayStopped;
    targetAnim_.SetPlayMode(true, kPlayStopped);
    GetSpriteTexture(kFireworkSprite);
}

bool cLevelWidget::LoadLevel(vrk::cByteStream& stream, int32_t hint)
{
    const bool loaded = cBaseWidget::LoadLevel(stream, hint);
    // After a broken object section the cursor stands inside an object record, so
    // what follows cannot be read as a grid.
    if (loaded) ReadGridTail(stream);
    if (renderArea_ == nullptr) CreateObject(kTypeRenderArea, 0);
    if (highlight_ == nullptr) CreateObject(kTypeRenderHighlight, 0);
    return loaded;
}

void cLevelWidget::ReadGridTail(vrk::cByteStream& stream)
{
    const uint64_t size = stream.Bytes().size();
    const uint64_t cursor = stream.Cursor();
    const uint64_t left = size > cursor ? size - cursor : 0;
    if (left < kTailHeaderBytes) {
        vrk::LogWrite(kLoadSender, "^5", "Level %s has no path grid", vrk::FormatArg::FromString(levelName_));
        return;
    }
    const uint32_t width = stream.ReadInt32();
    const uint32_t height = stream.ReadInt32();
    const uint64_t wanted = uint64_t{width} * height;
    const uint64_t present = (left - kTailHeaderBytes) / kTailCellBytes;
    const uint64_t count = std::min(wanted, present);
    if (count < wanted) {
        vrk::LogWrite(kLoadSender, "^5", "Path grid of level %s is cut short after %i cells",
                      vrk::FormatArg::FromString(levelName_),
                      vrk::FormatArg::FromInt(static_cast<int32_t>(std::min<uint64_t>(count, INT32_MAX))));
    }
    const auto gridWidth = static_cast<uint64_t>(pathFinder_.GetWidth());
    const auto gridHeight = static_cast<uint64_t>(pathFinder_.GetHeight());
    for (uint64_t i = 0; i < count; ++i) {
        // Column by column: x outer, y inner.
        const uint64_t x = i / height;
        const uint64_t y = i % height;
        float cost = 0.0f;
        stream.ReadFloat(cost);
        const uint32_t extra = stream.ReadInt32();
        if (x >= gridWidth || y >= gridHeight) continue;
        pathFinder_.SetSecondCost(static_cast<int32_t>(x), static_cast<int32_t>(y), cost);
        SetCellExtra(static_cast<int32_t>(x), static_cast<int32_t>(y), extra);
    }
}

void cLevelWidget::SaveLevel(vrk::cByteStream& stream, uint32_t version)
{
    cBaseWidget::SaveLevel(stream, version);
    WriteGridTail(stream);
}

void cLevelWidget::WriteGridTail(vrk::cByteStream& stream) const
{
    const int32_t width = pathFinder_.GetWidth();
    const int32_t height = pathFinder_.GetHeight();
    stream.WriteInt32(static_cast<uint32_t>(width));
    stream.WriteInt32(static_cast<uint32_t>(height));
    for (int32_t x = 0; x < width; ++x) {
        for (int32_t y = 0; y < height; ++y) {
            stream.WriteFloat(pathFinder_.GetCost(x, y, false));
            stream.WriteInt32(GetCellExtra(x, y));
        }
    }
}

void cLevelWidget::LinkObjects()
{
    cBaseWidget::LinkObjects();
    // Linking again must not list the cells twice.
    destinations_.clear();
    for (int32_t x = 0; x < pathFinder_.GetWidth(); ++x) {
        for (int32_t y = 0; y < pathFinder_.GetHeight(); ++y) {
            if (GetCellCost(x, y) >= 0) destinations_.push_back(GridCell{x, y});
        }
    }
}

cObject* cLevelWidget::CreateObject(int32_t typeId, uint32_t id)
{
    cObject* object = cBaseWidget::CreateObject(typeId, id);
    if (object == nullptr) {
        switch (typeId) {
        case kTypeRenderArea: object = new cRenderArea(this); break;
        case kTypeRenderHighlight: object = new cRenderHighlight(this); break;
        case kTypeAnimal: object = new cAnimal(this); break;
        default: break;
        }
        AddObject(object, id);
    }
    if (object != nullptr && object->GetTypeId() == kTypeRenderArea) renderArea_ = object;
    if (object != nullptr && object->GetTypeId() == kTypeRenderHighlight) highlight_ = object;
    return object;
}

void cLevelWidget::ClearLevel()
{
    // The queued targets are about to be deleted: the queue must not outlive them.
    orders_.clear();
    cBaseWidget::ClearLevel();
    pathFinder_.Reset();
    destinations_.clear();
    renderArea_ = nullptr;
    highlight_ = nullptr;
    hovered_ = nullptr;
    ResetTalks();
    tasks_.Clear();
    animEffects_->Clear();
}

void cLevelWidget::SetLevelSize(float width, float height)
{
    cBaseWidget::SetLevelSize(width, height);
    ResizeGrid();
}

void cLevelWidget::TickLoading()
{
    if (editorOnLoad_ != 0 && nextTexture_.empty()) {
        editorOnLoad_ = 0;
        SetMode(kModeEditor);
        SendEditorCommand(0, kScreenName, 0);
        return;
    }
    cBaseWidget::TickLoading();
}

void cLevelWidget::TickPlay()
{
    ObjectList& sorted = layers_[kSortedLayer];
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const cObject* a, const cObject* b) { return a->GetPosition().y > b->GetPosition().y; });
    animEffects_->Update(cObject::kTickSeconds);
    cBaseWidget::TickPlay();
}

uint32_t cLevelWidget::OnPlayEvent(uint32_t kind, uintptr_t param)
{
    if ((kind == kMessageArrived || kind == kMessageTargetChanged) && param != 0) {
        const auto* walk = reinterpret_cast<const WalkEvent*>(param);
        const auto order = std::find_if(orders_.begin(), orders_.end(), [walk](const OrderRecord& record) {
            return record.target == walk->target && record.worker == walk->man;
        });
        if (order != orders_.end()) {
            // Only the parts that took a reservation give one back.
            if (order->target != nullptr && order->part >= 0 && order->part < kReservingParts) {
                order->target->RemoveReservation();
            }
            orders_.erase(order);
        }
    }
    return cBaseWidget::OnPlayEvent(kind, param);
}

uint32_t cLevelWidget::ShowGui()
{
    cBaseWidget::ShowGui();
    // Without its portraits the dialogue cannot open, and nothing else would show
    // the level's own window.
    if (IsTalkFinished() || !HasTalkFaces()) {
        OpenAppWindow(kScreenName);
    } else {
        StartTalk();
    }
    return 0;
}

bool cLevelWidget::IsEditorMode() const { return mode_ == kModeEditor || editorOnLoad_ != 0; }

void cLevelWidget::OpenAppWindow(const std::string& name)
{
    if (cMiddle* middle = GetMiddle()) middle->ShowWindow(name, kWindowContext);
}

// --- Stock ---

bool cLevelWidget::HasResources(const ResourceVector& amounts) const
{
    for (size_t i = 0; i < stock_.Size(); ++i) {
        if (stock_.amounts[i] < amounts.At(i)) return false;
    }
    return true;
}

bool cLevelWidget::SpendResources(const ResourceVector& amounts)
{
    if (!HasResources(amounts)) return false;
    for (size_t i = 0; i < stock_.Size(); ++i) stock_.amounts[i] = SaturatedSum(stock_.amounts[i], -int64_t{amounts.At(i)});
    return true;
}

void cLevelWidget::AddResources(const ResourceVector& amounts)
{
    for (size_t i = 0; i < stock_.Size(); ++i) stock_.amounts[i] = SaturatedSum(stock_.amounts[i], amounts.At(i));
}

// --- Orders ---

bool cLevelWidget::QueueOrder(cGameObject* target, int32_t part)
{
    if (target == nullptr) return false;
    if (part >= 0 && part < kReservingParts) target->AddReservation();
    orders_.push_back(OrderRecord{target, part, nullptr});
    return true;
}

void cLevelWidget::ClearOrders()
{
    for (const OrderRecord& order : orders_) {
        if (order.target != nullptr) order.target->ClearReservations();
    }
    orders_.clear();
}
