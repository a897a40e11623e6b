#include "platform/win32/win32_input.h"

#include <windowsx.h>

namespace vantor::platform::win32 {

uint8_t keyCodeOf(WPARAM virtualKey, LPARAM lParam) {
    if (virtualKey == VK_PAUSE) return DIK_PAUSE;
    if (virtualKey == VK_NUMLOCK) return DIK_NUMLOCK;
    auto scan = static_cast<uint32_t>((lParam >> 16) & 0xFF);
    if (scan == 0) scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC) & 0xFF;
    bool extended = (lParam >> 24) & 1;
    return static_cast<uint8_t>(scan | (extended ? 0x80 : 0));
}

Win32Input::Win32Input(Context& context) : context_(context) {
    context_.hooks.push_back([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return onMessage(message, wParam, lParam, result);
    });
}

// Notes what the devices do and lets the message go on to the game's
// translation, except for the pointer's shape over the picture.
bool Win32Input::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!state_.key(keyCodeOf(wParam, lParam), true, lParam & (1 << 29), lParam & (1 << 30))) return false;
        context_.switchFullScreen();
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP: state_.key(keyCodeOf(wParam, lParam), false); return false;
    case WM_MOUSEMOVE:
        x_ = GET_X_LPARAM(lParam);
        y_ = GET_Y_LPARAM(lParam);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: button(0, message == WM_LBUTTONDOWN, lParam); return false;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: button(1, message == WM_RBUTTONDOWN, lParam); return false;
    case WM_SETCURSOR:
        // The game draws its own pointer over the picture; the bars and the frame keep the system's.
        if (LOWORD(lParam) != HTCLIENT || !overPicture()) return false;
        SetCursor(nullptr);
        result = TRUE;
        return true;
    case WM_ACTIVATEAPP: state_.setFocused(wParam != 0); return false;
    default: return false;
    }
}

// The window holds the mouse while a button is down, so a release outside reaches it.
void Win32Input::button(int which, bool down, LPARAM at) {
    x_ = GET_X_LPARAM(at);
    y_ = GET_Y_LPARAM(at);
    state_.button(which, down);
    bool anyHeld = state_.buttonHeld(0) || state_.buttonHeld(1);
    bool captured = GetCapture() == context_.window;
    if (anyHeld && !captured)
        SetCapture(context_.window);
    else if (!anyHeld && captured)
        ReleaseCapture();
}

bool Win32Input::overPicture() const {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(context_.window, &at);
    return context_.viewport.contains(at.x, at.y);
}

// The game may spin on the keyboard between frames; the messages that move
// the keys are handled here too (the game's own wait in the pump).
DeviceResult Win32Input::keyboardState(uint8_t keys[256]) {
    context_.drainMessages();
    return state_.keyboardState(keys);
}

// The pointer is mapped as the picture lies now: a resized window moves it.
DeviceResult Win32Input::mouseState(MouseReading& reading) {
    context_.drainMessages();
    state_.pointer(context_.viewport.pictureX(x_), context_.viewport.pictureY(y_));
    return state_.mouseState(reading);
}

}  // namespace vantor::platform::win32
