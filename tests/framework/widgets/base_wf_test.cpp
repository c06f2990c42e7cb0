// The window-function base: the fades and when they close the window, failure and
// Esc, the close notice, and the lookup and messaging routines.
#include "framework/widgets/base_wf.h"

#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/render/render.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

// Counts the close notices the application hears.
class NoticeMiddle : public test::DialogMiddle {
public:
    void OnDialogCommand(const std::string& windowName) override { closed.push_back(windowName); }
    std::vector<std::string> closed;
};

class BaseWfTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        app.reset();
        notices = new NoticeMiddle();
        app.reset(notices);
        auto function = std::make_unique<cBaseWF>();
        base = function.get();
        window = AddWindow("hint", std::move(function));
    }
    void Update(uint32_t ms) { base->OnEvent(window, vrk::kWndUpdate, ms, 0); }
    bool Open() const { return game->gui->IsWindowOpen("hint"); }

    NoticeMiddle* notices = nullptr;
    cBaseWF* base = nullptr;
    vrk::cWindow* window = nullptr;
};

TEST_F(BaseWfTest, Opening_FadesInOverHalfASecond)
{
    game->gui->ShowWindow("hint");
    EXPECT_FLOAT_EQ(base->GetFadeDuration(), 0.5f);
    EXPECT_TRUE(base->IsActive());
    int updates = 0;
    while (base->GetOpacity() < 1.0f && updates < 100) {
        Update(33);
        ++updates;
    }
    EXPECT_EQ(updates, 16);  // 15 x 33 ms fall short of 500 ms
    EXPECT_TRUE(Open());
}

TEST_F(BaseWfTest, OpeningAgainWhenShown_IsInstant)
{
    game->gui->ShowWindow("hint");
    Update(1000);
    game->gui->ShowWindow("hint");
    EXPECT_EQ(base->GetFadeDuration(), 0.0f);
    EXPECT_EQ(base->GetOpacity(), 1.0f);
}

TEST_F(BaseWfTest, ZeroMillisecondUpdateWhileOpening_DoesNotClose)
{
    game->gui->ShowWindow("hint");
    Update(0);
    EXPECT_EQ(base->GetOpacity(), 0.0f);
    EXPECT_TRUE(Open());
    EXPECT_TRUE(notices->closed.empty());
}

TEST_F(BaseWfTest, CloseRequestWhileOpening_ReversesFromTheOpacityReached)
{
    game->gui->ShowWindow("hint");
    Update(200);  // opacity 0.4
    game->gui->AskCloseWindow("hint");
    EXPECT_FLOAT_EQ(base->GetFadeDuration(), 0.2f);
    EXPECT_FALSE(base->IsActive());
    EXPECT_TRUE(Open());
    Update(100);
    EXPECT_NEAR(base->GetOpacity(), 0.2f, 1e-6f);
    Update(100);
    EXPECT_FALSE(Open());
    EXPECT_EQ(notices->closed, std::vector<std::string>{"hint"});
}

TEST_F(BaseWfTest, Esc_ClosesOnlyAFailedOrClosingWindow)
{
    game->gui->ShowWindow("hint");
    Update(1000);
    EXPECT_EQ(base->OnEvent(window, vrk::kWndKeyDown, 27, 0), 0);
    EXPECT_EQ(base->GetFadeTarget(), 1.0f);

    EXPECT_EQ(base->Fail(window, "Some controls not found"), 0);
    EXPECT_TRUE(Logged("[hint] Some controls not found"));
    EXPECT_FALSE(base->IsActive());
    EXPECT_EQ(base->OnEvent(window, vrk::kWndKeyDown, 27, 0), 1);
    EXPECT_EQ(base->GetFadeTarget(), 0.0f);
    Update(1000);
    EXPECT_FALSE(Open());
}

TEST_F(BaseWfTest, FailWithoutMessage_LogsNothing)
{
    const size_t before = lines.size();
    base->Fail(window, "");
    EXPECT_TRUE(base->IsFailed());
    EXPECT_EQ(lines.size(), before);
}

// Records the world transform in force while the window's controls draw.
class WorldProbe : public vrk::cCtrl {
public:
    using vrk::cCtrl::cCtrl;
    void Draw() override { seen = vrk::GetRender()->world; }
    vrk::Matrix4 seen;
};

TEST_F(BaseWfTest, DrawWhileFading_ZoomsAboutTheCentreThenRestores)
{
    vrk::cRender* render = vrk::GetRender();
    ASSERT_NE(render, nullptr);
    auto* probe = new WorldProbe(window, "probe");
    game->gui->ShowWindow("hint");
    Update(250);  // opacity 0.5: zoom 1.05
    EXPECT_EQ(base->OnEvent(window, vrk::kWndDraw, 0, 0), 0);
    EXPECT_FLOAT_EQ(probe->seen.At(0, 0), 1.05f);
    EXPECT_FLOAT_EQ(probe->seen.At(1, 1), 1.05f);
    EXPECT_FLOAT_EQ(probe->seen.At(2, 2), 1.0f);
    EXPECT_NEAR(probe->seen.At(3, 0), -25.6f, 1e-3f);
    EXPECT_NEAR(probe->seen.At(3, 1), -19.2f, 1e-3f);
    EXPECT_FLOAT_EQ(render->world.At(0, 0), 1.0f);  // identity again
    EXPECT_FLOAT_EQ(render->world.At(3, 0), 0.0f);

    Update(1000);
    probe->seen = vrk::Matrix4{};
    base->OnEvent(window, vrk::kWndDraw, 0, 0);
    EXPECT_FLOAT_EQ(probe->seen.At(0, 0), 1.0f);  // shown: no zoom is set
}

TEST_F(BaseWfTest, ControlByNameSendMessageAndPostClick)
{
    auto* ok = new vrk::cCtrl(window, "ok");
    EXPECT_EQ(ControlByName(window, "ok"), ok);
    EXPECT_EQ(ControlByName(window, "none"), nullptr);
    EXPECT_EQ(ControlByName(nullptr, "ok"), nullptr);

    EXPECT_EQ(SendMessage("nowhere"), 0);
    EXPECT_TRUE(Logged("window 'nowhere' not found"));
    EXPECT_EQ(SendMessage("hint"), 0);

    EXPECT_FALSE(PostClick(nullptr, "ok"));
    EXPECT_TRUE(PostClick(window, "ok"));
    EXPECT_EQ(game->gui->QueuedEvents(), 1u);
}

}  // namespace
