// The game application started for a test: a "{StaticPath}" with a locale, the
// message box's script and the start-up scripts, cGarden through Init and, on
// request, FinishInit. The window title is put back afterwards.
#pragma once
#include <memory>
#include <string>

#include "engine/platform/shell_state.h"
#include "framework/app/garden.h"
#include "tests/framework/app/middle_test_support.h"

namespace test {

class GardenStartTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        savedTitle_ = vrk::Shell().title;
        WriteStatic("conf/splash.lua", "");
        WriteStatic("conf/locale_en.lua", "setLocale('GameTitle', 'Title en')");
        WriteStatic("conf/autoexec.lua", "startOrder = (startOrder or '') .. 'autoexec;'");
        WriteStatic("gui/messagebox.lua", "function FillWindow(w) end");
    }
    void TearDown() override
    {
        app.reset();
        vrk::Shell().title = savedTitle_;
        StartupTest::TearDown();
    }

    // Makes the application and runs Init; a test may change its registry before
    // starting it.
    cGarden& Make()
    {
        app = std::make_unique<cGarden>();
        EXPECT_EQ(app->Init(), 0);
        return *app;
    }
    cGarden& Start()
    {
        if (!app) Make();
        app->FinishInit();
        return *app;
    }

    std::unique_ptr<cGarden> app;

private:
    std::string savedTitle_;
};

}  // namespace test
