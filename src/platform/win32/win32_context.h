#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/system.h"

namespace vantor::platform::win32 {

// A hook sees a window message before the game's translation of it; true
// when it handled the message, with the result to give the system.
using MessageHook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

// What the Windows services share: the window, where the picture lies in it,
// whether the game is the active program, the hooks through which display
// and input see window messages first, and the game's message queue.
struct Context {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    PictureRect viewport;
    bool active = false;
    std::vector<MessageHook> hooks;
    std::deque<Msg> queue;
};

// Dispatches every window message waiting for this thread, so the window
// procedure turns them into the game's messages and device state.
void drainMessages(Context& context);

}  // namespace vantor::platform::win32
