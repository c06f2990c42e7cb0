// The engine's Lua functions: registration and the align table, a window script that
// builds every control kind, the shared frame / button function, and handles that are
// of the wrong kind, stale or no handles at all.
#include "engine/gui/engine_bindings.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <string>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/edit_sys_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/image_ctrl.h"
#include "engine/gui/list_sys_ctrl.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/slider_sys_ctrl.h"
#include "engine/script/script.h"
#include "engine/text/text_table.h"
#include "tests/engine/render/render_test_support.h"

namespace {

// Every native name, in registration order.
const char* const kFunctionNames[] = {
    "setWindowTitle", "setLocale", "changeLocale", "createFont", "initFont", "setFontTexture",
    "setFontTransform", "fillFont", "setWndActive", "setWndModal", "dump", "dump_ios", "createCtrl",
    "setCtrlRect", "setCtrlUVRect", "setCtrlFrame", "setCtrlUVFrame", "showCtrl", "enableCtrl",
    "ignoreCtrl", "setCtrlTexture", "setCtrlColor", "setCtrlText", "setCtrlFont", "setCtrlAlign",
    "createImageCtrl", "createLabelCtrl", "createFrameCtrl", "drawFrameCtrlInnerRect",
    "createProgressBarSysCtrl", "setProgressBarSysCtrlVertical", "createTextBoxSysCtrl",
    "createSliderSysCtrl", "setSliderCtrlMinMax", "setSliderCtrlVertical", "createButtonSysCtrl",
    "setButtonSingleFrame", "createLinkSysCtrl", "createEditSysCtrl", "setEditCtrlMaxLength",
    "createCheckBoxSysCtrl", "createListSysCtrl", "setListSysCtrlMultiselect", "createToolbarSysCtrl",
};

// A window with one control of every kind, as a GUI script builds it.
constexpr const char* kBuildScript = R"(
    setWndActive(wnd, true)
    setWndModal(wnd, true)
    local base = createCtrl(wnd, "base")
    local image = createImageCtrl(wnd, "image")
    setCtrlTexture(image, "skin", 0)
    setCtrlRect(image, {x = 10, y = 20, w = 30, h = 40}, 0)
    setCtrlUVRect(image, {x = 0, y = 0.5, w = 0.5, h = 0.5}, 0)
    local label = createLabelCtrl(wnd, "label")
    setCtrlFont(label, "test", 0)
    setCtrlAlign(label, align.Center + align.Middle, 0)
    setCtrlText(label, "[Title]", 0)
    setCtrlColor(label, 1, 0.5, 0, 0)
    local frame = createFrameCtrl(wnd, "frame")
    setCtrlFrame(frame, {x = 0, y = 0, w = 300, h = 200}, {x = 12, y = 10}, 0)
    setCtrlUVFrame(frame, {x = 0, y = 0, w = 1, h = 1}, {x = 0.1, y = 0.2}, 0)
    drawFrameCtrlInnerRect(frame, false)
    local bar = createProgressBarSysCtrl(wnd, "progress")
    setProgressBarSysCtrlVertical(bar, true)
    local text = createTextBoxSysCtrl(wnd, "textbox")
    local slider = createSliderSysCtrl(wnd, "slider")
    setSliderCtrlMinMax(slider, 5, 15)
    setSliderCtrlVertical(slider, true)
    local button = createButtonSysCtrl(wnd, "button")
    setButtonSingleFrame(button, true)
    enableCtrl(button, false)
    local link = createLinkSysCtrl(wnd, "link")
    ignoreCtrl(link, true)
    local edit = createEditSysCtrl(wnd, "edit")
    setEditCtrlMaxLength(edit, 12)
    local check = createCheckBoxSysCtrl(wnd, "check")
    showCtrl(check, false)
    local list = createListSysCtrl(wnd, "list")
    setListSysCtrlMultiselect(list, true)
    local toolbar = createToolbarSysCtrl(wnd, "toolbar")
    built = 1
)";

class EngineBindingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(vrk::CreateScript(), 1);
        state = vrk::GetLuaState();
        window = gui.AddWindow("dialog");
        SetHandle("wnd", window);
        vrk::RegisterEngineBindings();
        auto font = std::make_shared<vrk::cFont>();
        test::FillTestFont(*font);
        vrk::GetFontMap()["test"] = font;
    }
    void TearDown() override
    {
        EXPECT_EQ(lua_gettop(state), 0);
        vrk::DestroyScript();
        vrk::GetFontMap().clear();
        vrk::GetTextureMap().clear();
    }

    void SetHandle(const char* name, void* handle)
    {
        lua_pushlightuserdata(state, handle);
        lua_setglobal(state, name);
    }
    // Runs the text; it must not fail.
    void Run(const std::string& text) { ASSERT_EQ(vrk::cScript::RunBuffer(text), 0) << text; }
    double Number(const char* name)
    {
        lua_getglobal(state, name);
        const double value = lua_isnumber(state, -1) ? lua_tonumber(state, -1) : -999.0;
        lua_pop(state, 1);
        return value;
    }
    template <typename T>
    T& Ctrl(const std::string& name)
    {
        vrk::cCtrl* control = window->GetCtrl(window->FindCtrl(name));
        EXPECT_NE(control, nullptr) << name;
        return dynamic_cast<T&>(*control);
    }

    test::LogCapture log;
    lua_State* state = nullptr;
    vrk::cGUI gui{1024.0f, 768.0f};
    vrk::cWindow* window = nullptr;
};

TEST_F(EngineBindingsTest, Registration_DefinesEveryNameAndTheAlignTable)
{
    for (const char* name : kFunctionNames) {
        lua_getglobal(state, name);
        EXPECT_EQ(lua_type(state, -1), LUA_TFUNCTION) << name;
        lua_pop(state, 1);
    }
    lua_getglobal(state, "drawFrameCtrlInnerRect");
    lua_getglobal(state, "setButtonSingleFrame");
    EXPECT_EQ(lua_tocfunction(state, -1), lua_tocfunction(state, -2));
    lua_pop(state, 2);
    Run("centre = align.Center + align.Middle\n"
        "all = align.None + align.Left + align.Right + align.Top + align.Bottom");
    EXPECT_EQ(Number("centre"), 18.0);
    EXPECT_EQ(Number("all"), 0x2D);
}

struct BuiltCase {
    const char* name;
    const char* className;
};

class EngineBindingsBuildTest : public EngineBindingsTest, public ::testing::WithParamInterface<BuiltCase> {};

TEST_P(EngineBindingsBuildTest, WindowScript_BuildsEveryControlKindFoundByName)
{
    Run(kBuildScript);
    ASSERT_EQ(Number("built"), 1.0);
    ASSERT_EQ(window->GetCtrlCount(), 13);
    const int32_t index = window->FindCtrl(GetParam().name);
    ASSERT_LT(index, window->GetCtrlCount());
    EXPECT_STREQ(window->GetCtrl(index)->GetClassName(), GetParam().className);
    EXPECT_EQ(window->GetCtrl(index)->GetId(), index);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EngineBindingsBuildTest,
    ::testing::Values(BuiltCase{"base", "cCtrl"}, BuiltCase{"image", "cImageCtrl"}, BuiltCase{"label", "cLabelCtrl"},
                      BuiltCase{"frame", "cFrameCtrl"}, BuiltCase{"progress", "cProgressBarSysCtrl"},
                      BuiltCase{"textbox", "cTextBoxSysCtrl"}, BuiltCase{"slider", "cSliderSysCtrl"},
                      BuiltCase{"button", "cButtonSysCtrl"}, BuiltCase{"link", "cLinkSysCtrl"},
                      BuiltCase{"edit", "cEditSysCtrl"}, BuiltCase{"check", "cCheckBoxSysCtrl"},
                      BuiltCase{"list", "cListSysCtrl"}, BuiltCase{"toolbar", "cToolbarSysCtrl"}),
    [](const ::testing::TestParamInfo<BuiltCase>& info) { return std::string(info.param.name); });

TEST_F(EngineBindingsTest, WindowScript_SettingsReachTheControls)
{
    Run(kBuildScript);
    EXPECT_TRUE(window->active);
    EXPECT_TRUE(window->modal);
    auto& image = Ctrl<vrk::cImageCtrl>("image");
    EXPECT_EQ(image.GetRect(), (vrk::GuiRect{10.0f, 20.0f, 30.0f, 40.0f}));
    EXPECT_EQ(image.GetUVRect(), (vrk::GuiRect{0.0f, 0.5f, 0.5f, 0.5f}));
    auto& label = Ctrl<vrk::cLabelCtrl>("label");
    EXPECT_EQ(label.GetText(), "[Title]");
    EXPECT_EQ(label.GetTextKey(), "[Title]");
    EXPECT_EQ(label.GetAlign(), 18u);
    EXPECT_EQ(label.GetColor(), 0xFFFF7F00u);
    EXPECT_EQ(label.GetFont(), vrk::GetFontMap()["test"].get());
    auto& frame = Ctrl<vrk::cFrameCtrl>("frame");
    EXPECT_EQ(frame.GetRect(), (vrk::GuiRect{0.0f, 0.0f, 300.0f, 200.0f}));
    EXPECT_EQ(frame.GetBorderX(), 12.0f);
    EXPECT_EQ(frame.GetBorderY(), 10.0f);
    EXPECT_FLOAT_EQ(frame.GetBorderV(), 0.2f);
    EXPECT_FALSE(frame.GetDrawCenter());
    EXPECT_TRUE(Ctrl<vrk::cProgressBarSysCtrl>("progress").IsVertical());
    auto& slider = Ctrl<vrk::cSliderSysCtrl>("slider");
    EXPECT_EQ(slider.GetMin(), 5.0f);
    EXPECT_EQ(slider.GetMax(), 15.0f);
    EXPECT_TRUE(slider.IsVertical());
    auto& button = Ctrl<vrk::cButtonSysCtrl>("button");
    EXPECT_TRUE(button.IsSingleFrame());
    EXPECT_TRUE(button.HasFlag(vrk::kCtrlDisabled));
    EXPECT_TRUE(Ctrl<vrk::cCtrl>("link").HasFlag(vrk::kCtrlIgnored));
    EXPECT_EQ(Ctrl<vrk::cEditSysCtrl>("edit").GetMaxLength(), 12);
    EXPECT_FALSE(Ctrl<vrk::cCheckBoxSysCtrl>("check").HasFlag(vrk::kCtrlShown));
    EXPECT_TRUE(Ctrl<vrk::cListSysCtrl>("list").IsMultiselect());
}

TEST_F(EngineBindingsTest, SharedFunction_SetsAFramesCentreAndAButtonsSingleCell)
{
    Run("frame = createFrameCtrl(wnd, 'frame')\n"
        "button = createButtonSysCtrl(wnd, 'button')\n"
        "setButtonSingleFrame(frame, false)\n"
        "drawFrameCtrlInnerRect(button, true)");
    EXPECT_FALSE(Ctrl<vrk::cFrameCtrl>("frame").GetDrawCenter());
    EXPECT_TRUE(Ctrl<vrk::cButtonSysCtrl>("button").IsSingleFrame());
}

TEST_F(EngineBindingsTest, WrongKindHandles_DoNothingAndReturnNothing)
{
    Run("label = createLabelCtrl(wnd, 'label')\n"
        "slider = createSliderSysCtrl(wnd, 'slider')\n"
        "button = createButtonSysCtrl(wnd, 'button')\n"
        "image = createImageCtrl(wnd, 'image')\n"
        "results = select('#', drawFrameCtrlInnerRect(label, false))"
        " + select('#', setProgressBarSysCtrlVertical(slider, true))"
        " + select('#', setSliderCtrlMinMax(label, 50, 60))"
        " + select('#', setEditCtrlMaxLength(button, 1))"
        " + select('#', setListSysCtrlMultiselect(image, true))"
        " + select('#', setWndActive(label, true))"
        " + select('#', setCtrlRect(wnd, {x = 1, y = 2, w = 3, h = 4}, 0))"
        " + select('#', createLabelCtrl(label, 'inner'))");
    EXPECT_EQ(Number("results"), 0.0);
    EXPECT_FALSE(Ctrl<vrk::cSliderSysCtrl>("slider").IsVertical());
    EXPECT_EQ(Ctrl<vrk::cSliderSysCtrl>("slider").GetMin(), 0.0f);
    EXPECT_EQ(window->GetCtrlCount(), 4);
    EXPECT_FALSE(window->active);
}

TEST_F(EngineBindingsTest, StaleHandles_AfterTheWindowIsReplacedDoNothing)
{
    Run("old = createButtonSysCtrl(wnd, 'button')\noldWindow = wnd");
    window = gui.AddWindow("dialog");  // the old window and its controls are gone
    Run("results = select('#', setCtrlRect(old, {x = 1, y = 2, w = 3, h = 4}, 0))"
        " + select('#', setButtonSingleFrame(old, true))"
        " + select('#', setCtrlText(old, 'x', 0))"
        " + select('#', setWndModal(oldWindow, true))\n"
        "created = createLabelCtrl(oldWindow, 'late') == nil and 1 or 0");
    EXPECT_EQ(Number("results"), 0.0);
    EXPECT_EQ(Number("created"), 1.0);
    EXPECT_EQ(window->GetCtrlCount(), 0);
}

TEST_F(EngineBindingsTest, NonHandles_AreNoOps)
{
    // A full userdata, which scripts cannot make themselves.
    lua_newuserdata(vrk::GetLuaState(), 1);
    lua_setglobal(vrk::GetLuaState(), "someUserdata");
    Run("results = select('#', setCtrlRect(5, {}, 0)) + select('#', showCtrl(nil, false))"
        " + select('#', setCtrlText('label', 'x', 0)) + select('#', enableCtrl(someUserdata, false))"
        " + select('#', createCtrl('wnd', 'x')) + select('#', createCtrl())");
    EXPECT_EQ(Number("results"), 0.0);
    EXPECT_EQ(window->GetCtrlCount(), 0);
}

TEST_F(EngineBindingsTest, Arguments_MissingFieldsAreZeroAndNonBooleanFlagsChangeNothing)
{
    Run("image = createImageCtrl(wnd, 'image')\n"
        "setCtrlRect(image, {x = 7, y = 8}, 0)\n"
        "showCtrl(image, 0)\n"
        "ignoreCtrl(image, 'yes')\n"
        "setCtrlColor(image, 0/0, 1e300, -1e300, 1e300)\n"
        "nameless = createLabelCtrl(wnd)\n"
        "setCtrlRect(nameless, 'not a table')\n"
        "setCtrlFrame(createFrameCtrl(wnd, 'frame'), {w = 5, h = 6}, 17)");
    auto& image = Ctrl<vrk::cImageCtrl>("image");
    EXPECT_EQ(image.GetRect(), (vrk::GuiRect{7.0f, 8.0f, 0.0f, 0.0f}));
    EXPECT_TRUE(image.HasFlag(vrk::kCtrlShown));
    EXPECT_FALSE(image.HasFlag(vrk::kCtrlIgnored));
    EXPECT_EQ(window->FindCtrl(""), 1);
    EXPECT_EQ(Ctrl<vrk::cFrameCtrl>("frame").GetRect(), (vrk::GuiRect{0.0f, 0.0f, 5.0f, 6.0f}));
    EXPECT_EQ(Ctrl<vrk::cFrameCtrl>("frame").GetBorderX(), 0.0f);
}

TEST_F(EngineBindingsTest, EngineFunctions_LocaleTitleAndDumpsAnswerWithoutAnEngineCore)
{
    vrk::TextTable()["Greeting"] = "old";
    Run("a = setLocale('Greeting', 'Hello') and 1 or 0\n"
        "b = setLocale('Greeting', 'Hi') and 1 or 0\n"
        "c = setWindowTitle('Title') and 1 or 0\n"
        "d = changeLocale('de') and 1 or 0\n"
        "e = type(dump()) == 'number' and type(dump_ios()) == 'number' and 1 or 0");
    EXPECT_EQ(vrk::FindText("Greeting"), "Hi");
    EXPECT_EQ(Number("a") + Number("b") + Number("c") + Number("d") + Number("e"), 5.0);
    vrk::TextTable().erase("Greeting");
}

TEST_F(EngineBindingsTest, Fonts_MadeByScriptAreUsableByControls)
{
    Run("f = createFont('menu')\n"
        "initFont(f, 'menu', 'x', 1, 24)\n"
        "label = createLabelCtrl(wnd, 'label')\n"
        "setCtrlFont(label, 'menu', 0)\n"
        "setCtrlText(label, 'A', 0)");
    EXPECT_EQ(Ctrl<vrk::cLabelCtrl>("label").GetTextRect().height, 24.0f);
}

}  // namespace
