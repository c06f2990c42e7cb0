// Fuzz target: a level file played in the real game. The game (its screens
// registered as main.cpp does) starts once, headless, on the data tree and logs on
// a fresh player; each input becomes the stream of a level slot. The level starts
// as the escape menu's restart starts it while the last play left the level screen
// with nothing but its HUD open, and otherwise as the map's level button starts it;
// the talk is ended and the level runs for kPlayTicks ticks with a click on every
// object, spread over the ticks. A play that ends in a window leaves for the map.
// The game reads a copy of the data tree made of links, without the screens'
// backgrounds: they are the same for every input, and decoding them at every level
// entry would cost many times the play itself.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/log/html_log.h"
#include "engine/log/logger.h"
#include "engine/platform/fixed_step.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/platform/widget.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "framework/app/player_level_record.h"
#include "framework/objects/object.h"
#include "game/game_entries.h"
#include "game/level/magic_widget.h"
#include "port/audio/audio_system.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The level slot the inputs go to (any of the forty; its own file is not used).
constexpr uint32_t kLevelIndex = 9;
constexpr int32_t kWindowWidth = 1024;
constexpr int32_t kWindowHeight = 768;
// Enough ticks for the splash pictures and the loading queue, once.
constexpr int kStartTicks = 5000;
// Enough ticks for the loading screen of a level; a level that does not start in
// them is left.
constexpr int kLoadTicks = 600;
constexpr int kPlayTicks = 300;
constexpr uint32_t kSeed = 1;
constexpr const char* kHudWindow = "level";

// Links every entry of `from` into `to` but those `keep` refuses.
template <class Keep>
void LinkEntries(const std::filesystem::path& from, const std::filesystem::path& to, Keep keep)
{
    std::error_code error;
    std::filesystem::create_directories(to, error);
    for (const auto& entry : std::filesystem::directory_iterator(from, error)) {
        if (keep(entry.path())) std::filesystem::create_symlink(entry.path(), to / entry.path().filename(), error);
    }
}

// A screen's background picture, named after its level and slot ("009_2.png",
// "map_0.png", "comics_3.png"); a seed may name any screen's level.
bool IsBackground(const std::filesystem::path& file)
{
    const std::string stem = file.stem().string();
    return stem.size() >= 3 && stem[stem.size() - 2] == '_' &&
           std::isdigit(static_cast<unsigned char>(stem.back())) != 0;
}

std::string DataTreeWithoutBackgrounds()
{
    const std::filesystem::path source = std::filesystem::path(KELVARA_SOURCE_DIR) / "data";
    const std::filesystem::path copy = std::filesystem::path(fuzz::ScratchFolder()) / "static";
    LinkEntries(source, copy, [](const std::filesystem::path& entry) { return entry.filename() != "texture"; });
    LinkEntries(source / "texture", copy / "texture",
                [](const std::filesystem::path& entry) { return entry.filename() != "back"; });
    LinkEntries(source / "texture/back", copy / "texture/back",
                [](const std::filesystem::path& entry) { return !IsBackground(entry); });
    return copy.string();
}

class PlayGame {
public:
    PlayGame()
    {
        vrk::SetPathMacro("{StaticPath}", DataTreeWithoutBackgrounds());
        game_ = std::make_unique<vrk::cGame>(port::AudioOutputKind::kNull);
        // The log costs the runs more than anything they do; nobody reads it.
        vrk::GetLogger()->SetConsole(nullptr);
        if (vrk::HtmlLog* html = vrk::GetLogger()->GetHtmlLog()) html->Close();
        app_ = std::make_unique<cGarden>();
        RegisterGameEntries(app_->GetRegistry());
        if (app_->Init() != 0) Fail("the game did not start");
        app_->randomGen.seed = kSeed;
        for (int i = 0; i < kStartTicks && Focused() != "menu"; ++i) Step();
        if (Focused() != "menu") Fail("the game did not reach the main menu");
        game_->Resize(kWindowWidth, kWindowHeight);
        if (app_->LogonPlayer("") != 0 || app_->GetActivePlayer() == nullptr) Fail("no player");
        player_ = app_->GetActivePlayer();
        player_->hintsEnabled = false;
        level_ = Screen<cMagicWidget>("level");
        if (level_ == nullptr) Fail("no level screen");
    }

    void Play(const std::string& levelPath)
    {
        vrk::cByteStream* stream = app_->GetLevelFiles().GetLevelStream(kLevelIndex);
        if (stream == nullptr || stream->LoadFromFile(levelPath) != 0) return;
        player_->SetCurrentLevel(static_cast<int32_t>(kLevelIndex));
        if (player_->currentLevel != kLevelIndex || kLevelIndex >= player_->levelRecords.size()) return;
        PlayerLevelRecord& record = player_->levelRecords[kLevelIndex];
        if (record.state == kLevelClosed) record.state = kLevelOpen;
        app_->randomGen.seed = kSeed;
        if (CanRestart()) {
            // As the escape menu's restart does: the pictures the last level used stay
            // on the device, so only what this level adds is decoded.
            if (level_->StartGame()) level_->SetMode(kModeLoading);
        } else {
            app_->ShowComics("level", "map");
        }
        for (int i = 0; i < kLoadTicks && !InPlay(); ++i) Frame();
        if (InPlay()) {
            if (level_->IsPaused()) level_->EndTalk();
            PlayWithClicks();
        }
        vrk::ClearCursorOverride();
        if (!CanRestart()) Leave();
    }

private:
    [[noreturn]] static void Fail(const char* what)
    {
        std::fprintf(stderr, "level_play fuzz: %s\n", what);
        std::abort();
    }

    std::string Focused() const { return game_->focused != nullptr ? game_->focused->GetName() : std::string(); }
    bool InPlay() const { return Focused() == "level" && level_->GetMode() == kModePlay; }
    // Whether the next level may start as a restart: the level screen is shown with
    // nothing over it but its HUD. A window the last play opened (its end, a talk)
    // is left through the map instead, as a player would.
    bool CanRestart() const
    {
        if (Focused() != "level") return false;
        for (const auto& window : game_->gui->OpenWindows()) {
            if (window && window->GetName() != kHudWindow) return false;
        }
        return true;
    }

    template <class T>
    T* Screen(const std::string& name) const
    {
        for (const auto& widget : game_->Widgets()) {
            if (widget->GetName() == name) return dynamic_cast<T*>(widget.get());
        }
        return nullptr;
    }

    // The focused screen alone, as the start-up runs it.
    void Step()
    {
        if (game_->focused == nullptr) return;
        game_->focused->Tick();
        game_->focused->Update(vrk::kFixedTick);
    }
    // One frame of the game loop.
    void Frame() { game_->UpdateFrame(vrk::kFixedTick); }

    void Click(int32_t x, int32_t y)
    {
        vrk::SetCursorOverride(x, y);
        game_->OnMouseMove(x, y);
        game_->OnMouseDown(0, x, y);
        game_->OnMouseUp(0, x, y);
    }

    // Objects are looked up anew before every click: a click or a tick may remove
    // some, and a pointer kept from before could be gone.
    std::vector<cObject*> LevelObjects() const
    {
        std::vector<cObject*> objects;
        for (const ObjectList& list : level_->GetLayers()) objects.insert(objects.end(), list.begin(), list.end());
        return objects;
    }

    void PlayWithClicks()
    {
        const size_t total = LevelObjects().size();
        size_t clicked = 0;
        for (int tick = 0; tick < kPlayTicks; ++tick) {
            // Object clicked..due-1 this tick, so that all are clicked in the run.
            const size_t due = total * static_cast<size_t>(tick + 1) / kPlayTicks;
            for (; clicked < due && Focused() == "level"; ++clicked) {
                const std::vector<cObject*> objects = LevelObjects();
                if (clicked >= objects.size()) break;
                const vec2 screen = level_->WorldToScreen(objects[clicked]->GetPosition());
                // A level file may place an object at no number at all.
                if (!std::isfinite(screen.x) || !std::isfinite(screen.y)) continue;
                const auto x = static_cast<int32_t>(std::clamp(screen.x, 0.0f, static_cast<float>(kWindowWidth - 1)));
                const auto y = static_cast<int32_t>(
                    std::clamp(static_cast<float>(kWindowHeight) - screen.y, 0.0f, static_cast<float>(kWindowHeight - 1)));
                Click(x, y);
            }
            Frame();
        }
    }

    // Back to the map, as a player leaves a level (its windows close with its play).
    void Leave()
    {
        vrk::ClearCursorOverride();
        if (Focused() == "level") app_->ShowComics("map", "level");
        for (int i = 0; i < kLoadTicks && Focused() != "map"; ++i) Frame();
    }

    std::unique_ptr<vrk::cGame> game_;
    std::unique_ptr<cGarden> app_;
    cPlayerBase* player_ = nullptr;
    cMagicWidget* level_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Made once and never destroyed: the game outlives every input, and ending it at
    // exit would only slow the run down.
    static PlayGame* const game = new PlayGame();
    const std::string path = fuzz::WriteScratchFile("level_play.lvl", data, size);
    if (!path.empty()) game->Play(path);
    return 0;
}
