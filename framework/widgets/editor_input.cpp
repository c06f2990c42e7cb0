// cBaseWidget: the key and button state the level editor asks for outside the
// event stream.
#include "engine/platform/host_services.h"
#include "framework/widgets/base_widget.h"
#include "port/window/input_state.h"
#include "port/window/virtual_keys.h"

bool cBaseWidget::IsLeftControlDown() const { return vrk::IsControlKeyDown(); }

// The window layer reports buttons as the user sees them, after any swap.
bool cBaseWidget::IsPrimaryButtonDown() const { return port::IsKeyDown(port::vk::kLeftButton); }

bool cBaseWidget::IsSecondaryButtonDown() const { return port::IsKeyDown(port::vk::kRightButton); }
