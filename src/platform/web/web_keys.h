#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/system.h"

namespace vantor::platform::web {

// The DirectInput code of a key by its KeyboardEvent.code (the key's place
// on the keyboard, whatever the layout); 0 for keys the game never sees.
uint8_t keyCodeOf(std::string_view code);

// The window messages a key press sends, from its KeyboardEvent.key: Enter's
// KeyDown and character, the control characters of Backspace, Tab and
// Escape, and the character of a printable key in Windows-1251. None while
// Ctrl or Meta is down: those presses are the browser's shortcuts.
std::vector<Msg> keyPressMessages(std::string_view key, bool shortcut);

// Whether the browser's own action for the key is kept from happening while
// the game has the keyboard: F10 (menu bar), Backspace (back), Tab (focus),
// Escape, Space and the arrows (scrolling) and the keypad.
bool keptFromBrowser(std::string_view code);

}  // namespace vantor::platform::web
