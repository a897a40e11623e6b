#pragma once
#include <cstdint>
#include <vector>

#include "platform/system.h"

namespace vantor::platform {

// The messages a press of Enter, Backspace, Tab or Escape (by DirectInput
// code) sends besides the key itself, as Windows would: Enter's KeyDown and
// character, the others' control characters. None for other keys, whose
// characters come as text.
std::vector<Msg> controlKeyMessages(uint8_t code);

// Alt with either Enter switches between full screen and a window, in every
// window the game runs in; the game never sees that press.
bool isFullScreenSwitch(uint8_t code, bool altHeld);

}  // namespace vantor::platform
