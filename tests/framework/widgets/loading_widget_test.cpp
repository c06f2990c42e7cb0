// The loading screen: the queue worked off in a slice of each update on the game's
// frame-time counter (here a test counter that only the items' loads advance), the
// progress bar and label it feeds, the finish call, and the items' fates without a
// loading screen.
#include "framework/widgets/loading_widget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/gui/label_ctrl.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/platform/shell_state.h"
#include "engine/render/texture.h"
#include "engine/sound/sound_manager.h"
#include "framework/widgets/game_bindings.h"
#include "framework/widgets/load_items.h"
#include "tests/framework/app/middle_test_support.h"
#include "port/window/clock.h"

namespace {

// An item that records its load and its end; its load costs `cost` counter ticks
// (milliseconds) when given a counter.
class RecordingItem : public cLoadData {
public:
    RecordingItem(const std::string& path, std::vector<std::string>* events, std::uint64_t* counter = nullptr,
                  std::uint64_t cost = 0)
        : cLoadData(path), events_(events), counter_(counter), cost_(cost)
    {
    }
    ~RecordingItem() override { events_->push_back("free " + GetName()); }
    void Load() override
    {
        events_->push_back("load " + GetName());
        if (counter_) *counter_ += cost_;
    }

private:
    std::vector<std::string>* events_;
    std::uint64_t* counter_;
    std::uint64_t cost_;
};

// A slice in whole milliseconds of the test counter, and less than a slice.
constexpr std::uint64_t kSliceTicks = 13;
static_assert(cLoadingWidget::kWorkSliceSeconds * 1000.0 < kSliceTicks);
constexpr std::uint64_t kQuarterSliceTicks = 3;

class LoadingTest : public test::StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        RegisterGameScriptFunctions();
        WriteStatic("gui/game_loading.lua",
                    "function FillWindow(w) createProgressBarSysCtrl(w, 'progress') createLabelCtrl(w, 'label') end");
        vrk::ShellState& shell = vrk::Shell();
        savedFrequency_ = shell.counterFrequency;
        shell.counterFrequency = 1000;
        shell.readCounter = [this] { return counter; };
    }
    void TearDown() override
    {
        vrk::ShellState& shell = vrk::Shell();
        shell.readCounter = &port::PerformanceCounter;
        shell.counterFrequency = savedFrequency_;
        StartupTest::TearDown();
    }
    // The core owns the widget.
    cLoadingWidget* MakeLoading(const std::string& queueScript)
    {
        WriteStatic("conf/loading.lua", queueScript);
        return new cLoadingWidget(&app);
    }
    void Queue(const std::string& name, std::uint64_t cost = 0)
    {
        cLoadData::Queue(std::make_unique<RecordingItem>(name + ".dat", &events, &counter, cost));
    }
    // A focused loading screen with free items of these names queued.
    cLoadingWidget* FocusedWith(const std::vector<std::string>& names)
    {
        cLoadingWidget* loading = MakeLoading("");
        loading->OnFocus();
        for (const std::string& name : names) Queue(name);
        return loading;
    }
    std::string LabelText()
    {
        const auto* label = dynamic_cast<vrk::cLabelCtrl*>(Control("label"));
        return label ? label->GetText() : std::string();
    }
    vrk::cCtrl* Control(const std::string& name)
    {
        vrk::cWindow* window = game->gui->FindWindow("loading");
        return window ? window->GetCtrl(window->FindCtrl(name)) : nullptr;
    }

    test::CountingMiddle app;
    std::vector<std::string> events;
    // The game's frame-time counter, in milliseconds.
    std::uint64_t counter = 0;

private:
    std::uint64_t savedFrequency_ = 1;
};

TEST_F(LoadingTest, EmptyQueueScript_FinishesOnceAtTheFirstUpdate)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    EXPECT_TRUE(game->gui->IsWindowOpen("loading"));
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
    loading->Update(0.01f);
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, ThreeSlowItems_EachShownAnUpdateBeforeItsLoadThenFinish)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    Queue("a", kSliceTicks);
    Queue("b", kSliceTicks);
    Queue("c", kSliceTicks);
    auto* progress = dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("progress"));
    ASSERT_NE(progress, nullptr);
    ASSERT_NE(Control("label"), nullptr);

    // Each load spends the slice: the update that loads one item takes the next.
    const std::vector<std::string> shownAfter = {"a.dat", "b.dat", "c.dat"};
    std::vector<float> shown;
    for (size_t update = 0; update < shownAfter.size(); ++update) {
        loading->Update(0.01f);
        shown.push_back(progress->GetProgress());
        EXPECT_EQ(LabelText(), shownAfter[update]);
        ASSERT_NE(loading->GetCurrentItem(), nullptr);
        EXPECT_EQ(loading->GetCurrentItem()->GetName(), shownAfter[update].substr(0, 1));
        EXPECT_EQ(events.size(), 2 * update);
    }
    loading->Update(0.01f);
    EXPECT_EQ(loading->GetCurrentItem(), nullptr);
    EXPECT_EQ(app.finishes, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"load a", "free a", "load b", "free b", "load c", "free c"}));
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_FLOAT_EQ(shown[0], 0.0f);
    EXPECT_FLOAT_EQ(shown[1], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(shown[2], 2.0f / 3.0f);
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, CheapItems_LoadTogetherUntilTheSliceIsSpentThenTheNextIsShown)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    for (int item = 0; item < 10; ++item) Queue("i" + std::to_string(item), kQuarterSliceTicks);
    auto* progress = dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("progress"));
    ASSERT_NE(progress, nullptr);

    // The first update only shows the first item.
    loading->Update(0.01f);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(LabelText(), "i0.dat");
    // Five loads of a quarter slice each spend it; the sixth item is shown, unloaded.
    loading->Update(0.01f);
    EXPECT_EQ(counter, 5 * kQuarterSliceTicks);
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("load", 0) == 0; }),
              5);
    EXPECT_EQ(LabelText(), "i5.dat");
    ASSERT_NE(loading->GetCurrentItem(), nullptr);
    EXPECT_EQ(loading->GetCurrentItem()->GetName(), "i5");
    EXPECT_FLOAT_EQ(progress->GetProgress(), 5.0f / 10.0f);
    // The rest fits one more slice; the update after finishes.
    loading->Update(0.01f);
    EXPECT_EQ(loading->GetQueueCount(), 0u);
    EXPECT_EQ(loading->GetCurrentItem(), nullptr);
    EXPECT_EQ(app.finishes, 0);
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, StoppedCounter_StillWorksEveryItemOff)
{
    cLoadingWidget* loading = FocusedWith({"a", "b"});
    loading->Update(0.01f);
    loading->Update(0.01f);
    EXPECT_EQ(events, (std::vector<std::string>{"load a", "free a", "load b", "free b"}));
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, CounterRateNotYetMeasured_WorksOneItemPerUpdate)
{
    vrk::Shell().counterFrequency = 1;
    cLoadingWidget* loading = FocusedWith({"a", "b", "c"});
    loading->Update(0.01f);
    loading->Update(0.01f);
    EXPECT_EQ(events, (std::vector<std::string>{"load a", "free a"}));
    EXPECT_EQ(LabelText(), "b.dat");
    loading->Update(0.01f);
    loading->Update(0.01f);
    EXPECT_EQ(events.size(), 6u);
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, Label_ShowsThePathOfTheItemTaken)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    Queue("first");
    loading->Update(0.01f);
    auto* label = dynamic_cast<vrk::cLabelCtrl*>(Control("label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "first.dat");
}

TEST_F(LoadingTest, Label_ShowsThePathAsTheDataTreeNamesItNeverTheMachinesFolders)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    cLoadData::Queue(std::make_unique<RecordingItem>("{StaticPath}/texture/gui/task_wood.png", &events));
    cLoadData::Queue(std::make_unique<RecordingItem>("{AppPath}/conf/own.png", &events));
    auto* label = dynamic_cast<vrk::cLabelCtrl*>(Control("label"));
    ASSERT_NE(label, nullptr);
    const std::string dataFolder = vrk::GetPathMacro("{StaticPath}");
    ASSERT_FALSE(dataFolder.empty());
    loading->Update(0.01f);
    EXPECT_EQ(label->GetText(), "texture/gui/task_wood.png");
    // Loaded, then the next item: one from outside the data tree shows its name only.
    loading->Update(0.01f);
    loading->Update(0.01f);
    EXPECT_EQ(label->GetText(), "own.png");
    EXPECT_EQ(label->GetText().find(vrk::GetPathMacro("{AppPath}")), std::string::npos);
}

TEST_F(LoadingTest, ItemsAddedWhileWorking_NeverPushTheBarPastFull)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    auto* progress = dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("progress"));
    ASSERT_NE(progress, nullptr);
    Queue("a");
    Queue("b");
    float highest = 0.0f;
    for (int update = 0; update < 12; ++update) {
        if (update == 3 || update == 5) Queue("late" + std::to_string(update));
        loading->Update(0.01f);
        highest = std::max(highest, progress->GetProgress());
        EXPECT_LE(loading->GetLoaded(), loading->GetTotal());
    }
    EXPECT_LT(highest, 1.0f);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, WindowWithoutControls_IsWorkedOffAllTheSame)
{
    WriteStatic("gui/game_loading.lua", "function FillWindow(w) end");
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    Queue("a");
    for (int update = 0; update < 3; ++update) loading->Update(0.01f);
    EXPECT_EQ(events, (std::vector<std::string>{"load a", "free a"}));
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, RefocusRunsTheScriptAgainAndFinishesAgain)
{
    cLoadingWidget* loading = MakeLoading("");
    loading->OnFocus();
    loading->Update(0.01f);
    loading->OnUnfocus();
    EXPECT_EQ(app.finishes, 1);
    loading->OnFocus();
    EXPECT_TRUE(loading->IsFinishPending());
    loading->Update(0.01f);
    EXPECT_EQ(app.finishes, 2);
}

TEST_F(LoadingTest, WithoutLoadingScreen_AnItemIsDroppedWithAWarning)
{
    ASSERT_EQ(cLoadingWidget::GetInstance(), nullptr);
    Queue("orphan");
    EXPECT_EQ(events, (std::vector<std::string>{"free orphan"}));
    EXPECT_TRUE(Logged("cLoadingWidget is unavailable. Memory leak!"));
}

TEST_F(LoadingTest, Destruction_FreesQueuedAndCurrentItemsAndWarns)
{
    auto* loading = new cLoadingWidget(nullptr);
    Queue("taken");
    Queue("waiting");
    loading->Update(0.01f);
    ASSERT_NE(loading->GetCurrentItem(), nullptr);
    game.reset();  // the core deletes its screens
    EXPECT_EQ(events, (std::vector<std::string>{"free waiting", "free taken"}));
    EXPECT_TRUE(Logged("~cLoadingWidget: not all data was loaded."));
    EXPECT_EQ(cLoadingWidget::GetInstance(), nullptr);
}

TEST_F(LoadingTest, QueueScript_QueuesThroughTheGameFunctions)
{
    WritePicture("texture/ui/a.png");
    WritePicture("texture/ui/b.png");
    cLoadingWidget* loading = MakeLoading("loadTextures('{StaticPath}/texture/ui', false)");
    loading->OnFocus();
    EXPECT_EQ(loading->GetQueueCount(), 2u);
    EXPECT_FLOAT_EQ(loading->GetTotal(), 2.0f);
    for (int update = 0; update < 5; ++update) loading->Update(0.01f);
    EXPECT_NE(vrk::FindTexture("a"), nullptr);
    EXPECT_NE(vrk::FindTexture("b"), nullptr);
    EXPECT_EQ(app.finishes, 1);
}

TEST_F(LoadingTest, TextureItem_AlreadyRegisteredLoadsNothing)
{
    const std::string file = WritePicture("texture/a.png");
    const vrk::TexturePtr before = vrk::CreateTextureFromImage("a", nullptr);
    cLoadTexture item(file);
    item.Load();
    EXPECT_EQ(vrk::FindTexture("a"), before);
}

TEST_F(LoadingTest, TextureItem_ParameterPicksDecodingNowOrOnFirstUse)
{
    const std::string now = WritePicture("texture/now.png");
    const std::string later = WritePicture("texture/later.png");
    cLoadTexture nowItem(now);
    nowItem.SetParam(0);
    nowItem.Load();
    cLoadTexture laterItem(later);
    laterItem.SetParam(1);
    laterItem.Load();
    ASSERT_NE(vrk::FindTexture("now"), nullptr);
    ASSERT_NE(vrk::FindTexture("later"), nullptr);
    EXPECT_NE(vrk::FindTexture("now")->image, nullptr);
    EXPECT_EQ(vrk::FindTexture("later")->image, nullptr);
    EXPECT_EQ(vrk::FindTexture("later")->path.name, "later");
}

TEST_F(LoadingTest, SoundItems_MissingFilesRegisterNothing)
{
    cLoadSound sound(Static() + "/sound/none.ogg");
    sound.SetParam(50);
    sound.Load();
    cLoadMusic music(Static() + "/music/none.ogg");
    music.Load();
    cLoadStream stream(Static() + "/music/gone.ogg");
    stream.Load();
    vrk::cSoundManager* manager = vrk::GetSoundManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->FindSoundBuffer("none"), 0);
    EXPECT_EQ(manager->FindMusic("none"), 0);
    EXPECT_EQ(manager->FindMusic("gone"), 0);
}

}  // namespace

namespace {

class SoundItemTest : public test::StartupTest {};

TEST_F(SoundItemTest, Parameter_IsHeldToOneToTwentyPlaybacks)
{
    const std::string source = std::string(KELVARA_SOURCE_DIR) + "/data/sound/click.ogg";
    if (!std::filesystem::exists(source)) GTEST_SKIP() << "no sound data";
    const struct {
        const char* name;
        int32_t parameter;
        int32_t playbacks;
    } cases[] = {{"none", 0, 1}, {"some", 5, 5}, {"many", 50, 20}};
    for (const auto& entry : cases) {
        const std::string file = Static() + "/sound/" + entry.name + ".ogg";
        std::filesystem::create_directories(Static() + "/sound");
        std::filesystem::copy_file(source, file);
        cLoadSound item(file);
        item.SetParam(entry.parameter);
        item.Load();
        vrk::cSoundManager* manager = vrk::GetSoundManager();
        const int32_t index = manager->FindSoundBuffer(entry.name);
        ASSERT_NE(index, 0) << entry.name;
        port::SampleInfo info;
        ASSERT_TRUE(manager->Audio().GetSampleInfo(manager->GetSoundBuffer(index)->handle, info));
        EXPECT_EQ(info.maxPlaybacks, entry.playbacks) << entry.name;
    }
}

}  // namespace
