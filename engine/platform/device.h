// The drawing device layer: loads the backend and creates its interface, creates the
// one device for the main window (with a fallback over three vertex-processing modes),
// recovers a lost device at the start of each frame, presents, and keeps the renderer's
// copies of device, parameters and depth-stencil surface current. The state lives in
// device_layer.h.
#pragma once

namespace vrk {

class GpuLibrary;

// Installs the backend library (null removes it). The caller keeps it alive.
void SetGpuLibrary(GpuLibrary* library);

bool DX8Create();
void DX8Destroy();
int DX8FillPresentParameters();
int DX8CreateDevice();
int d3dRecreateDepthStencil();
void DX8ReleaseDevice();
// 1 when a scene was begun and the frame may be drawn.
int Begin();
void End();
void SwapBuffers();

}  // namespace vrk
