// The default window function: consumes nothing until the real handler arrives.
#include "engine/gui/window_function.h"

namespace vrk {

int32_t cWindowFunction::OnEvent(cWindow* /*window*/, int32_t /*code*/, intptr_t /*first*/,
                                 intptr_t /*second*/)
{
    return 0;
}

}  // namespace vrk
