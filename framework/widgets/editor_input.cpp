// cBaseWidget: the key and button state the level editor asks for outside the
// event stream, through the engine's host services.
#include "engine/platform/host_services.h"
#include "framework/widgets/base_widget.h"

bool cBaseWidget::IsLeftControlDown() const { return vrk::IsControlKeyDown(); }

bool cBaseWidget::IsPrimaryButtonDown() const { return vrk::IsMouseButtonDown(vrk::kMouseButtonLeft); }

bool cBaseWidget::IsSecondaryButtonDown() const { return vrk::IsMouseButtonDown(vrk::kMouseButtonRight); }
