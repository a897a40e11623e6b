#include "platform/win32/win32_gamepad.h"

#include <initializer_list>

namespace vantor::platform::win32 {
namespace {

constexpr uint32_t kEmptySlotPauseMs = 2000;

}  // namespace

Win32Gamepad::~Win32Gamepad() {
    if (dll_) FreeLibrary(dll_);
}

// Windows 8 and later carry 1.4, older systems with the DirectX runtime 1.3;
// 9.1.0 comes with every Windows since Vista.
bool Win32Gamepad::load() {
    if (tried_) return getState_ != nullptr;
    tried_ = true;
    for (const wchar_t* name : {L"xinput1_4.dll", L"xinput1_3.dll", L"xinput9_1_0.dll"}) {
        dll_ = LoadLibraryW(name);
        if (!dll_) continue;
        getState_ = reinterpret_cast<GetState>(reinterpret_cast<void*>(GetProcAddress(dll_, "XInputGetState")));
        if (getState_) return true;
        FreeLibrary(dll_);
        dll_ = nullptr;
    }
    return false;
}

GamepadState Win32Gamepad::read(uint32_t now) {
    GamepadState all;
    if (!load()) return all;
    for (DWORD slot = 0; slot < kSlots; ++slot) {
        if (!connected_[slot] && static_cast<int32_t>(now - nextLook_[slot]) < 0) continue;
        XInputState state;
        connected_[slot] = getState_(slot, &state) == ERROR_SUCCESS;
        if (connected_[slot])
            all.add(gamepadStateOf(state.gamepad));
        else
            nextLook_[slot] = now + kEmptySlotPauseMs;
    }
    return all;
}

}  // namespace vantor::platform::win32
