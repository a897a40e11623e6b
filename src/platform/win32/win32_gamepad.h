#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/gamepad.h"
#include "platform/win32/xinput_gamepad.h"

namespace vantor::platform::win32 {

// The XInput controllers, with XInput loaded when first asked for from
// whichever of its DLLs the system has, so the game starts where there is
// none. A slot found empty is asked again only every two seconds: asking
// an empty slot takes long, and that is how a controller plugged in shows.
class Win32Gamepad {
public:
    ~Win32Gamepad();
    // All controllers together; now: the clock in milliseconds.
    GamepadState read(uint32_t now);

private:
    using GetState = DWORD(WINAPI*)(DWORD, XInputState*);
    static constexpr int kSlots = 4;

    bool load();

    bool tried_ = false;
    HMODULE dll_ = nullptr;
    GetState getState_ = nullptr;
    bool connected_[kSlots] = {};
    uint32_t nextLook_[kSlots] = {};
};

}  // namespace vantor::platform::win32
