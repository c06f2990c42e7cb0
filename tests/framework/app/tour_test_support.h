// The shipped game started in-process on the real data tree (data/): an engine core
// with a recording log, the game application run from splash to the main menu, and
// the log's complaints about names the data lacks. Shared by the data-tree tests.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/render/font.h"
#include "engine/render/texture.h"
#include "framework/app/garden.h"
#include "framework/objects/texture_info_ex.h"
#include "tests/engine/platform/platform_test_support.h"

namespace test {

constexpr float kTick = 1.0f / 30.0f;
// Enough ticks for the splash pictures and the whole loading queue.
constexpr int kStartTicks = 5000;
// Enough ticks for a scene screen to load its pictures.
constexpr int kSceneTicks = 400;

class GameTourTest : public CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        savedStatic_ = vrk::GetPathMacro("{StaticPath}");
        vrk::SetPathMacro("{StaticPath}", std::string(KELVARA_SOURCE_DIR) + "/data");
    }
    void TearDown() override
    {
        app.reset();
        CoreTest::TearDown();
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        vrk::GetTextureNameList().clear();
        vrk::GetFontMap().clear();
        vrk::SetPathMacro("{StaticPath}", savedStatic_);
    }

    std::string Focused() const { return game->focused != nullptr ? game->focused->GetName() : std::string(); }

    // Runs the focused screen until it is the named one.
    bool RunUntilFocused(const std::string& name, int ticks)
    {
        for (int i = 0; i < ticks && Focused() != name; ++i) Step();
        return Focused() == name;
    }
    void Run(int ticks)
    {
        for (int i = 0; i < ticks; ++i) Step();
    }
    void Step()
    {
        if (game->focused == nullptr) return;
        game->focused->Tick();
        game->focused->Update(kTick);
    }

    // Fills the application's registry before it starts; the game's own tours put
    // the game's screens in.
    virtual void AddEntries(GameRegistry& /*registry*/) {}

    static constexpr uint32_t kTourSeed = 1;

    void Start()
    {
        app = std::make_unique<cGarden>();
        AddEntries(app->GetRegistry());
        ASSERT_EQ(app->Init(), 0);
        // The game seeds its draws from the time of day; a tour plays the same
        // draws on every run.
        app->randomGen.seed = kTourSeed;
        ASSERT_TRUE(RunUntilFocused("menu", kStartTicks)) << "stuck at " << Focused();
        Run(kSceneTicks);
    }

    // Every line that reports a name the data tree lacks, or an error of a script,
    // but for the misses a first start of today's game always has.
    std::vector<std::string> Complaints() const
    {
        std::vector<std::string> found;
        for (const std::string& line : lines) {
            const bool complaint = line.find("not found") != std::string::npos ||
                                   line.find("error") != std::string::npos ||
                                   line.find("Error") != std::string::npos ||
                                   line.find("invalid") != std::string::npos;
            if (complaint && !Expected(line)) found.push_back(line);
        }
        return found;
    }
    static bool Expected(const std::string& line)
    {
        // A first start has no profile files yet.
        for (const char* known : {"/profile/info.dat not found", "/middle.dat not found"})
            if (line.find(known) != std::string::npos) return true;
        return false;
    }
    static std::string Joined(const std::vector<std::string>& list)
    {
        std::string text;
        for (const std::string& line : list) text += line + "\n";
        return text;
    }

    std::unique_ptr<cGarden> app;

private:
    std::string savedStatic_;
};

}  // namespace test
