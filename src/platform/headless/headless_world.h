#pragma once
#include <cstdint>

#include "platform/headless/headless_script.h"

namespace vantor::platform::headless {

// What every headless service shares: the virtual clock, the frame count
// and the input script.
struct World {
    uint32_t clock = 0;  // virtual milliseconds
    uint32_t frame = 0;  // completed frame waits
    Script script;
};

}  // namespace vantor::platform::headless
