// The shell's one state object.
#include "engine/platform/shell_state.h"

#include "engine/platform/application_base.h"
#include "engine/platform/game_core.h"
#include "port/window/clock.h"

namespace vrk {

ShellState::ShellState() : readCounter(&port::PerformanceCounter) {}

ShellState::~ShellState() = default;

ShellState& Shell()
{
    static ShellState state;
    return state;
}

void PostRebuildMessage()
{
    Shell().pump.Post(port::WindowMessage{port::MessageKind::kRebuildDevice, 0, 0});
}

}  // namespace vrk
