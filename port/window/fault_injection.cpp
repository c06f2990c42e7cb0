// Reads the start-up failure hook from the environment.
#include "port/window/fault_injection.h"

#include <cstdlib>
#include <cstring>

namespace port {

bool FailureInjected(const char* step)
{
    const char* value = std::getenv("KELVARA_PORT_FAIL");
    return value != nullptr && step != nullptr && std::strcmp(value, step) == 0;
}

}  // namespace port
