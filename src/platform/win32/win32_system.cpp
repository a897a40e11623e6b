#include "platform/win32/win32_system.h"

#include "common/cp1251.h"
#include "platform/os_services.h"
#include "platform/windows/wide_text.h"

namespace vantor::platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VESK_MORANT";
constexpr int kIconResource = 101;

std::wstring wideText(const char* cp1251) { return os::widen(cp1251ToUtf8(cp1251)); }

}  // namespace

Win32System::Win32System(Context& context) : context_(context) {
    QueryPerformanceFrequency(&frequency_);
    context_.drainMessages = [this] { pump(); };
}

Win32System::~Win32System() {
    if (context_.window) DestroyWindow(context_.window);
    if (classRegistered_) UnregisterClassW(kClassName, context_.instance);
}

bool Win32System::createWindow(const char* title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &Win32System::windowProc;
    windowClass.hInstance = context_.instance;
    windowClass.hIcon = LoadIconW(context_.instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    classRegistered_ = classRegistered_ || RegisterClassExW(&windowClass) != 0;
    if (!classRegistered_) return false;
    // The display gives the window its final place and frame when it takes the screen.
    context_.window = CreateWindowExW(0, kClassName, wideText(title).c_str(), WS_POPUP, 0, 0, 640, 480,
                                      nullptr, nullptr, context_.instance, this);
    return context_.window != nullptr;
}

void Win32System::showWindow() {
    ShowWindow(context_.window, SW_SHOWDEFAULT);
    SetForegroundWindow(context_.window);
}

void Win32System::destroyWindow() {
    if (context_.window) DestroyWindow(context_.window);
}

LRESULT CALLBACK Win32System::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32System*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    for (auto& hook : self->context_.hooks) {
        LRESULT result = 0;
        if (hook(message, wParam, lParam, result)) return result;
    }
    return self->handle(window, message, wParam, lParam);
}

// The game sees its own messages through the pump and decides there; the
// system gets the answer that leaves that decision to the game.
LRESULT Win32System::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: post(Message::Create); return 0;
    case WM_DESTROY:
        context_.window = nullptr;
        post(Message::Destroy);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ACTIVATEAPP:
        post(Message::ActivateApp, wParam != 0);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) post(Message::KeyDown, kVkReturn);
        return 0;
    case WM_CHAR: {
        uint8_t byte = 0;
        if (unicodeToCp1251(static_cast<char32_t>(wParam), byte)) post(Message::Char, byte);
        return 0;
    }
    case WM_SYSCHAR: return 0;  // no menu to look for, and no beep
    case WM_CLOSE: post(Message::Close); return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: post(Message::SysCommand, kScClose); return 0;
        case SC_KEYMENU: return 0;  // F10 and Alt belong to the game
        default: post(Message::SysCommand, static_cast<uint32_t>(wParam & 0xFFF0)); break;
        }
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

uint32_t Win32System::ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // In two steps, so that a fast counter cannot overflow.
    int64_t seconds = now.QuadPart / frequency_.QuadPart;
    int64_t rest = now.QuadPart % frequency_.QuadPart;
    return static_cast<uint32_t>(seconds * 1000 + rest * 1000 / frequency_.QuadPart);
}

void Win32System::pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            post(Message::Quit, static_cast<uint32_t>(message.wParam));
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32System::waitForEvents() {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        post(Message::Quit, got == 0 ? static_cast<uint32_t>(message.wParam) : 0);
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32System::idle(uint32_t ms) {
    // Sleep through all but the last millisecond, waking for any message; the
    // pump spins the rest, which keeps millisecond grain without a busy core.
    if (ms > 1) MsgWaitForMultipleObjectsEx(0, nullptr, ms - 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32System::messageBox(const char* caption, const char* text) {
    noteMessageBox(caption, text);
    MessageBoxW(context_.window, os::widen(text).c_str(), os::widen(caption).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace vantor::platform::win32
