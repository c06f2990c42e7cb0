// The device layer on the recording backend: creation with fallback, presentation
// parameters, depth-stencil handling, the resize / reset sequence and lost devices.
#include "engine/platform/device.h"

#include <gtest/gtest.h>

#include "engine/platform/shell_state.h"
#include "engine/render/render.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

using test::DeviceTest;

// Messages the device layer posted for the main loop.
int PostedRebuilds()
{
    int count = 0;
    port::WindowMessage message;
    while (vrk::Shell().pump.TakeNext(message))
        if (message.kind == port::MessageKind::kRebuildDevice) ++count;
    return count;
}

TEST_F(DeviceTest, Create_WithoutLibraryLogsAndFails)
{
    library.loadable = false;
    EXPECT_FALSE(vrk::DX8Create());
    EXPECT_TRUE(Logged("d3d8.dll not found"));
}

TEST_F(DeviceTest, Create_WithoutInterfaceLogsAndFails)
{
    library.systemAvailable = false;
    EXPECT_FALSE(vrk::DX8Create());
    EXPECT_TRUE(Logged("Direct3DCreate8 return NULL. IDirect3D8 driver not found"));
}

TEST_F(DeviceTest, CreateDevice_32BitDesktopGivesA8R8G8B8WithoutDepthStencil)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    const port::PresentParameters& params = vrk::Devices().presentParameters;
    EXPECT_EQ(params.backBufferFormat, port::kFormatA8R8G8B8);
    EXPECT_EQ(params.enableAutoDepthStencil, 0u);
    EXPECT_EQ(params.backBufferCount, 1u);
    EXPECT_EQ(params.swapEffect, port::kSwapEffectCopy);
    EXPECT_EQ(params.windowed, 1u);  // the shell's mode is windowed here
    EXPECT_EQ(params.backBufferWidth, 0u);
    EXPECT_TRUE(Logged("Depth&stencil surface not used"));
    EXPECT_EQ(vrk::Devices().depthStencil, nullptr);
    EXPECT_EQ(Recorder().Count("CreateDevice"), 1u);
}

TEST_F(DeviceTest, CreateDevice_16BitDesktopGivesR5G6B5WithD16Surface)
{
    Recorder().config.displayMode.format = port::kFormatR5G6B5;
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    const port::PresentParameters& params = vrk::Devices().presentParameters;
    EXPECT_EQ(params.backBufferFormat, port::kFormatR5G6B5);
    EXPECT_EQ(params.enableAutoDepthStencil, 1u);
    EXPECT_EQ(params.autoDepthStencilFormat, port::kFormatD16);
    EXPECT_NE(vrk::Devices().depthStencil, nullptr);
    EXPECT_FALSE(Logged("Depth&stencil surface not used"));
    EXPECT_EQ(vrk::GetRender()->depthStencil, vrk::Devices().depthStencil.get());
}

TEST_F(DeviceTest, FillPresentParameters_DepthChecksWarnButKeepD16)
{
    struct Case {
        bool formatSupported;
        bool matchSupported;
        const char* warning;
    };
    const Case cases[] = {
        {false, true, "Device does not support stencilbuffer, disabling stencil buffer."},
        {true, false, "Depth-stencil format is not compatible with display format, disabling stencil buffer."},
    };
    ASSERT_TRUE(vrk::DX8Create());
    for (const Case& c : cases) {
        lines.clear();
        Recorder().config.displayMode.format = port::kFormatR5G6B5;
        Recorder().config.depthFormatSupported = c.formatSupported;
        Recorder().config.depthMatchSupported = c.matchSupported;
        ASSERT_EQ(vrk::DX8FillPresentParameters(), 1);
        EXPECT_TRUE(Logged(c.warning)) << c.warning;
        EXPECT_EQ(vrk::Devices().presentParameters.autoDepthStencilFormat, port::kFormatD16);
    }
}

TEST_F(DeviceTest, FillPresentParameters_FullScreenTakesTheDesktopSize)
{
    vrk::Shell().fullScreen = 1;
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8FillPresentParameters(), 1);
    vrk::Shell().fullScreen = 0;
    const port::PresentParameters& params = vrk::Devices().presentParameters;
    EXPECT_EQ(params.windowed, 0u);
    EXPECT_EQ(params.backBufferWidth, 1024u);
    EXPECT_EQ(params.backBufferHeight, 768u);
}

TEST_F(DeviceTest, FillPresentParameters_FailsWithoutDisplayMode)
{
    Recorder().config.displayModeFails = true;
    ASSERT_TRUE(vrk::DX8Create());
    EXPECT_EQ(vrk::DX8CreateDevice(), 0);
    EXPECT_FALSE(Logged("Attempt #0"));
}

TEST_F(DeviceTest, CreateDevice_FallsBackToSoftwareVertexProcessing)
{
    Recorder().config.failingBehaviours =
        port::kCreateHardwareVertexProcessing | port::kCreateMixedVertexProcessing;
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    const int first = IndexOf("Attempt #0 to create Direct3D device");
    const int second = IndexOf("Attempt #1 to create Direct3D device", first);
    const int third = IndexOf("Attempt #2 to create Direct3D device", second);
    EXPECT_GE(first, 0);
    EXPECT_GT(second, first);
    EXPECT_GT(third, second);
    EXPECT_EQ(vrk::GetRender()->device, vrk::Devices().device.get());
}

TEST_F(DeviceTest, CreateDevice_AllModesFailingLogsAndFails)
{
    Recorder().config.failingBehaviours = port::kCreateHardwareVertexProcessing |
                                          port::kCreateMixedVertexProcessing |
                                          port::kCreateSoftwareVertexProcessing;
    ASSERT_TRUE(vrk::DX8Create());
    EXPECT_EQ(vrk::DX8CreateDevice(), 0);
    EXPECT_EQ(CountLogged("to create Direct3D device"), 3);
    EXPECT_TRUE(Logged("Was not able to create Direct3D8 device"));
    EXPECT_EQ(vrk::Devices().device, nullptr);
}

TEST_F(DeviceTest, CreateDevice_MissingCapsOnlyWarns)
{
    Recorder().config.capsFail = true;
    ASSERT_TRUE(vrk::DX8Create());
    EXPECT_EQ(vrk::DX8CreateDevice(), 1);
    EXPECT_TRUE(Logged("Can't get Direct3D caps"));
}

TEST_F(DeviceTest, Resize_NextFrameResetsWithoutDrawingThenTheOneAfterDraws)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    Recorder().Clear();
    vrk::Devices().deviceLost = 1;  // what the window procedure does on a resize
    vrk::Devices().resetWanted = 1;
    Recorder().config.surfaceWidth = 640;
    Recorder().config.surfaceHeight = 480;

    EXPECT_EQ(vrk::Begin(), 0);
    EXPECT_TRUE(Logged("Begin. TestCooperativeLevel return 'device not reset'"));
    EXPECT_EQ(Recorder().Count("Reset"), 1u);
    EXPECT_EQ(Recorder().Count("BeginScene"), 0u);
    EXPECT_EQ(vrk::Devices().resetWanted, 0);
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
    EXPECT_TRUE(Logged("Set hardware defaults - ok"));

    EXPECT_EQ(vrk::Begin(), 1);
    EXPECT_EQ(Recorder().Count("BeginScene"), 1u);
    EXPECT_EQ(vrk::Devices().deviceLost, 0);
    EXPECT_EQ(sleeps, (std::vector<uint32_t>{100, 100}));
    EXPECT_EQ(vrk::Devices().device->GetPresentParameters().backBufferWidth, 640u);
    vrk::End();
}

TEST_F(DeviceTest, RetraceRefused_IsLoggedOnceOverCreateAndReset)
{
    constexpr const char* kRefusal =
        "The driver does not wait for the vertical retrace: presents are paced to the display's refresh";
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    EXPECT_TRUE(vrk::Devices().device->PresentWaitsForRetrace());
    EXPECT_FALSE(Logged(kRefusal));
    vrk::DX8ReleaseDevice();

    Recorder().config.retraceRefused = true;
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    EXPECT_FALSE(vrk::Devices().device->PresentWaitsForRetrace());
    vrk::Devices().resetWanted = 1;
    vrk::Devices().deviceLost = 1;
    EXPECT_EQ(vrk::Begin(), 0);
    EXPECT_EQ(Recorder().Count("Reset"), 1u);
    EXPECT_EQ(CountLogged(kRefusal), 1);
}

TEST_F(DeviceTest, Begin_WhileLostDrawsNothing)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    vrk::Devices().device->ForceLost(true);
    vrk::Devices().deviceLost = 1;
    EXPECT_EQ(vrk::Begin(), 0);
    EXPECT_TRUE(Logged("Begin. TestCooperativeLevel return 'device lost'"));
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
}

TEST_F(DeviceTest, Begin_FailedResetAsksForARebuild)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    PostedRebuilds();
    Recorder().config.resetResult = port::kGpuInvalidCall;
    vrk::Devices().deviceLost = 1;
    vrk::Devices().resetWanted = 1;
    EXPECT_EQ(vrk::Begin(), 0);
    EXPECT_EQ(PostedRebuilds(), 1);
}

TEST_F(DeviceTest, SwapBuffers_LostPresentSetsTheLostFlag)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    ASSERT_EQ(vrk::Begin(), 1);
    vrk::End();
    vrk::Devices().device->ForceLost(true);
    vrk::SwapBuffers();
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
    EXPECT_TRUE(Logged("SwapBuffers. Device lost"));
}

TEST_F(DeviceTest, End_WithoutSceneLogsTheCode)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    vrk::End();
    EXPECT_TRUE(Logged("End. EndScene failed. Return code: 0x8876086C"));
}

TEST_F(DeviceTest, ReleaseDevice_ClearsTheRenderersCopy)
{
    Recorder().config.displayMode.format = port::kFormatR5G6B5;
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    vrk::DX8ReleaseDevice();
    EXPECT_EQ(vrk::GetRender()->device, nullptr);
    EXPECT_EQ(vrk::GetRender()->depthStencil, nullptr);
    EXPECT_EQ(vrk::Begin(), 0);
}

TEST_F(DeviceTest, Destroy_WithDeviceWarnsReleasesAndUnloads)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    vrk::DX8Destroy();
    EXPECT_TRUE(Logged("DX8Destroy(). Device not freed!"));
    EXPECT_EQ(vrk::Devices().device, nullptr);
    EXPECT_EQ(vrk::GetRender()->device, nullptr);
    EXPECT_EQ(library.unloads, 1);
}

}  // namespace
