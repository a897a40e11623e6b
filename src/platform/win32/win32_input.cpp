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
    case WM_SYSKEYDOWN: {
        uint8_t code = keyCodeOf(wParam, lParam);
        held_.set(code);
        keyTaps_.press(code);
        return false;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: held_.reset(keyCodeOf(wParam, lParam)); return false;
    case WM_MOUSEMOVE:
        x_ = GET_X_LPARAM(lParam);
        y_ = GET_Y_LPARAM(lParam);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        x_ = GET_X_LPARAM(lParam);
        y_ = GET_Y_LPARAM(lParam);
        button(message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? 0 : 1,
               message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN);
        return false;
    case WM_SETCURSOR:
        // The game draws its own pointer over the picture; the bars and the frame keep the system's.
        if (LOWORD(lParam) != HTCLIENT || !overPicture()) return false;
        SetCursor(nullptr);
        result = TRUE;
        return true;
    case WM_ACTIVATEAPP:
        if (!wParam) letGoOfEverything();
        return false;
    default: return false;
    }
}

void Win32Input::button(int which, bool down) {
    buttons_[which] = down;
    if (down) buttonTaps_.press(static_cast<size_t>(which));
    bool captured = GetCapture() == context_.window;
    if ((buttons_[0] || buttons_[1]) && !captured)
        SetCapture(context_.window);
    else if (!buttons_[0] && !buttons_[1] && captured)
        ReleaseCapture();
}

bool Win32Input::overPicture() const {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(context_.window, &at);
    return context_.viewport.contains(at.x, at.y);
}

void Win32Input::letGoOfEverything() {
    held_.reset();
    keyTaps_.clear();
    buttons_[0] = buttons_[1] = false;
    buttonTaps_.clear();
}

DeviceResult Win32Input::keyboardState(uint8_t keys[256]) {
    // The game may spin on the keyboard between frames; the messages that
    // move the keys are handled here too (the game's own wait in the pump).
    drainMessages(context_);
    if (!context_.active) return DeviceResult::NotAcquired;
    for (size_t i = 0; i < 256; ++i) keys[i] = keyTaps_.read(i, held_.test(i)) ? 0x80 : 0;
    foldMainRowSpeedKeys(keys);
    return DeviceResult::Ok;
}

DeviceResult Win32Input::mouseState(MouseReading& reading) {
    drainMessages(context_);
    reading = MouseReading{};
    if (!context_.active) return DeviceResult::NotAcquired;
    reading.absolute = true;
    reading.x = context_.viewport.pictureX(x_);
    reading.y = context_.viewport.pictureY(y_);
    for (size_t i = 0; i < 2; ++i) reading.buttons[i] = buttonTaps_.read(i, buttons_[i]) ? 0x80 : 0;
    return DeviceResult::Ok;
}

DeviceResult Win32Input::acquireKeyboard() {
    return context_.active ? DeviceResult::Ok : DeviceResult::NotAcquired;
}

DeviceResult Win32Input::acquireMouse() {
    return context_.active ? DeviceResult::Ok : DeviceResult::NotAcquired;
}

}  // namespace vantor::platform::win32
