#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/picture_fit.h"

namespace vantor::platform::win32 {

// A hook sees a window message before the game's translation of it; true
// when it handled the message, with the result to give the system.
using MessageHook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

// What the Windows services share: the window, where the picture lies in it,
// and the hooks through which
// display and input see window messages first.
struct Context {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    PictureRect viewport;
    std::vector<MessageHook> hooks;
    // Dispatches every waiting window message now, so the window procedure
    // turns them into the game's messages and device state.
    std::function<void()> drainMessages;
    // Carries out Alt+Enter.
    std::function<void()> switchFullScreen;
};

}  // namespace vantor::platform::win32
