// cMagicWidget's level editor: the palette's menus and the level commands (store,
// save, step to another level, move a level in the order), the overlay over the
// editor's drawing, Tab and R, and dropping an item into a plant.
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/log/log.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/sound/sound_play.h"
#include "engine/text/text_format.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "framework/objects/small_math.h"
#include "framework/widgets/editor_keys.h"
#include "framework/widgets/level_file.h"
#include "game/editor/editor_palette.h"
#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "objects/plant.h"

namespace {

constexpr const char* kClickSound = "click";
constexpr const char* kLevelWindow = "level";
constexpr const char* kSaveCommand = "_save";
constexpr const char* kPrevCommand = "level_prev";
constexpr const char* kNextCommand = "level_next";
constexpr const char* kDownCommand = "level_down";
constexpr const char* kUpCommand = "level_up";
constexpr const char* kClearCommand = "level_clear";
// R: store the level and load it again, staying in the editor.
constexpr uint32_t kReloadKey = 0x52;
constexpr uint32_t kLeftButton = 0;

constexpr const char* kOverlayFont = "a_fontsystem9";
constexpr uint32_t kOverlayColor = 0xFF00C0FFu;
constexpr float kLevelInfoX = 940.0f;
constexpr float kLevelNumberY = 640.0f;
constexpr float kLevelNameY = 630.0f;
constexpr float kAreaNoteX = 3.0f;
constexpr float kAreaNoteY = 735.0f;
constexpr const char* kAreaNote = "Area editing mode on. Some keys are disabled.";

constexpr cSceneSave::Notices kSaveNotices{
    "This level loaded only in part (it holds objects this version does not know). It is not saved.",
    "The level files could not be written. The old files are kept."};

cPlayerBase* ActivePlayer()
{
    cMiddle* middle = GetMiddle();
    return middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
}

void Click() { vrk::PlaySound(kClickSound); }

// Strictly inside: a point on the frame's edge is outside.
bool IsStrictlyInside(const Rect& frame, const vec2& point)
{
    return frame.x < point.x && point.x < frame.x + frame.width && frame.y < point.y && point.y < frame.y + frame.height;
}

}  // namespace

// --- Palette and level commands ---

uint32_t cMagicWidget::OnGuiEvent(int32_t value, const std::string& name, int32_t index)
{
    if (value != 0) return cLevelWidget::OnGuiEvent(value, name, index);

    const auto fillPalette = [this](const std::string& menu) {
        ClearSecondList();
        for (const PaletteItem& item : FindPaletteMenu(menu)) AddSecondItem(item.icon, item.value, item.name, item.frame);
    };
    cMiddle* middle = GetMiddle();
    cPlayerBase* player = ActivePlayer();

    if (name == palette_menu::kTop || name == palette_menu::kLevel) {
        fillPalette(name);
    } else if (name == kSaveCommand) {
        // The save clicks by itself, and only when the files reached the disk.
        levelScene_.Save(SaveCurrentLevel(), [middle] { return middle != nullptr && middle->SaveLevelFiles(); });
        return 0;
    } else if (name == kPrevCommand || name == kNextCommand) {
        SaveCurrentLevel();
        if (player != nullptr) {
            // The loading step sees the flag and comes back in the editor with the
            // level tools open.
            SetEditorOnLoad(true);
            const int32_t step = name == kPrevCommand ? -1 : 1;
            player->SetCurrentLevel(static_cast<int32_t>(player->currentLevel) + step);
            StartGame();
            SetMode(kModeLoading);
        }
    } else if (name == kDownCommand || name == kUpCommand) {
        // The scene is not stored first: the level keeps its place in memory until
        // "_save" writes the new order.
        if (middle != nullptr && player != nullptr) {
            const uint32_t moved = name == kDownCommand ? middle->MoveEntryDown(player->currentLevel)
                                                        : middle->MoveEntryUp(player->currentLevel);
            player->SetCurrentLevel(static_cast<int32_t>(moved));
        }
    } else if (name == kClearCommand) {
        // Only the click: clearing a whole level is not worth a button's risk.
    } else if (IsPaletteCategory(name)) {
        fillPalette(name);
        return cLevelWidget::OnGuiEvent(value, name, index);
    } else {
        return cLevelWidget::OnGuiEvent(value, name, index);
    }
    Click();
    return 0;
}

bool cMagicWidget::SaveCurrentLevel()
{
    cMiddle* middle = GetMiddle();
    const cPlayerBase* player = ActivePlayer();
    if (middle == nullptr || player == nullptr) return false;
    vrk::cByteStream* stream = middle->GetLevelFiles().GetLevelStream(player->currentLevel);
    if (stream == nullptr) return false;
    // A level from a newer version stops at the first object this one does not
    // know: storing the scene would drop every object and cell after it.
    const std::string what =
        vrk::FormatToString("Level %i", vrk::FormatArg::FromInt(static_cast<int32_t>(player->currentLevel)));
    return levelScene_.Store(*this, *stream, kLevelFileVersion, what);
}

cSceneSave::Notices cMagicWidget::SaveNotices() { return kSaveNotices; }

// --- Keys, events and the item drop ---

uint32_t cMagicWidget::OnEditorEvent(uint32_t kind, uintptr_t param)
{
    if (kind == kEventModeEntered) OpenAppWindow(kLevelWindow);
    return cLevelWidget::OnEditorEvent(kind, param);
}

uint32_t cMagicWidget::OnKeyDown(uint32_t key)
{
    // Tab leaves the editor with the edited level, even with the area tool on; the
    // flag goes too, or a later restart would open the editor again. The mode goes
    // before the level is loaded: the objects set themselves up for play only
    // outside the editor.
    if (key == editor_key::kTab) {
        SetEditorOnLoad(false);
        SaveCurrentLevel();
        SetMode(kModeLoading);
        StartGame();
        return 0;
    }
    const uint32_t answer = cLevelWidget::OnKeyDown(key);
    if (key == kReloadKey) {
        SaveCurrentLevel();
        StartGame();
    }
    return answer;
}

uint32_t cMagicWidget::OnMouseDown(uint32_t button)
{
    const bool placingItem = button == kLeftButton && GetPendingType() == kTypeItem;
    const uint32_t answer = cLevelWidget::OnMouseDown(button);
    if (!placingItem || selection_.empty() || !selection_.front()->IsKindOf(kTypeItem)) return answer;
    auto* item = dynamic_cast<cGameObject*>(selection_.front());
    if (item == nullptr) return answer;
    ObjectList plants;
    FindObjectsOfKind(plants, kTypePlant, -1);
    for (cObject* object : plants) {
        auto* plant = dynamic_cast<cPlant*>(object);
        if (plant == nullptr) continue;
        Rect frame;
        plant->GetFrameRect(frame, -1);
        if (!IsStrictlyInside(frame, item->GetPosition())) continue;
        item->SetLinkId(plant->GetId());
        plant->SetLinkedItem(item);
        break;
    }
    return answer;
}

// --- Overlay ---

std::vector<cMagicWidget::OverlayLine> cMagicWidget::ComposeEditorOverlay() const
{
    const cPlayerBase* player = ActivePlayer();
    const int32_t levelIndex = player != nullptr ? static_cast<int32_t>(player->currentLevel) : 0;
    std::vector<OverlayLine> lines;
    lines.push_back({vrk::FormatToString("Level: %i", vrk::FormatArg::FromInt(levelIndex)), kLevelInfoX, kLevelNumberY});
    lines.push_back(
        {vrk::FormatToString("Name: '%s'", vrk::FormatArg::FromString(GetLevelName())), kLevelInfoX, kLevelNameY});
    if (pendingType_ == kAreaTool) lines.push_back({kAreaNote, kAreaNoteX, kAreaNoteY});
    return lines;
}

void cMagicWidget::DrawEditor(vrk::VertexBatch& batch)
{
    cLevelWidget::DrawEditor(batch);
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;
    const vrk::FontPtr font = vrk::FindFont(kOverlayFont);
    if (!font) return;
    batch.Clear();
    for (const OverlayLine& line : ComposeEditorOverlay()) {
        vrk::cRender::DrawText(batch, font.get(), line.text, line.x, line.y, kOverlayColor);
    }
    render->DrawVertexBatch(batch);
}
