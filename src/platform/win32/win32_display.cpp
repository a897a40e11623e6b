#include "platform/win32/win32_display.h"

#include <dwmapi.h>

#include <algorithm>
#include <cstring>

#include "platform/platform.h"

namespace vantor::platform::win32 {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

bool altEnterPressed(WPARAM wParam, LPARAM lParam) {
    bool altHeld = (lParam & (1 << 29)) != 0;
    bool repeated = (lParam & (1 << 30)) != 0;
    return wParam == VK_RETURN && altHeld && !repeated;
}

void fillBlack(HDC target, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    RECT bar{left, top, right, bottom};
    FillRect(target, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace

Win32Display::Win32Display(Context& context) : context_(context) {
    info_.header.biSize = sizeof info_.header;
    info_.header.biWidth = kWidth;
    info_.header.biHeight = -kHeight;  // top row first, as the game's rows run
    info_.header.biPlanes = 1;
    info_.header.biBitCount = 8;
    info_.header.biCompression = BI_RGB;
    info_.header.biClrUsed = 256;
    context_.hooks.push_back([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return onMessage(message, wParam, lParam, result);
    });
}

Win32Display::~Win32Display() { close(); }

bool Win32Display::open(bool fullScreen) {
    if (!context_.window) return false;
    if (option("VANTOR_WINDOW") == "1") fullScreen = false;
    RECT work{0, 0, kWidth, kHeight};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    scale_ = windowScale(work.right - work.left, work.bottom - work.top);
    vsync_ = option("VANTOR_VSYNC") == "1";
    void* bits = nullptr;
    section_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &bits,
                                nullptr, 0);
    if (!section_) return false;
    bits_ = static_cast<uint8_t*>(bits);
    std::memset(bits_, 0, kWidth * kHeight);
    sectionDc_ = CreateCompatibleDC(nullptr);
    SelectObject(sectionDc_, section_);
    if (fullScreen)
        enterFullScreen();
    else
        leaveFullScreen();
    return true;
}

bool Win32Display::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_SIZE: updateViewport(); return false;
    case WM_PAINT: repaint(); return true;
    case WM_DISPLAYCHANGE:
        if (fullScreen_) enterFullScreen();
        return false;
    case WM_SYSKEYDOWN:
        if (!altEnterPressed(wParam, lParam) || !bits_) return false;
        if (fullScreen_)
            leaveFullScreen();
        else
            enterFullScreen();
        return true;
    default: return false;
    }
}

void Win32Display::updateViewport() {
    RECT client{};
    if (context_.window && GetClientRect(context_.window, &client))
        context_.viewport = fitPicture(client.right, client.bottom);
}

// A borderless window over the whole monitor the window is on.
void Win32Display::enterFullScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(context_.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcMonitor;
    SetWindowLongPtrW(context_.window, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(context_.window, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    fullScreen_ = true;
    updateViewport();
}

// A framed window whose inside is the picture at the chosen scale, centred
// on the monitor's work area.
void Win32Display::leaveFullScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(context_.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{0, 0, kWidth * scale_, kHeight * scale_};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    const RECT& work = monitor.rcWork;
    int x = std::max<int>(work.left, work.left + (work.right - work.left - w) / 2);
    int y = std::max<int>(work.top, work.top + (work.bottom - work.top - h) / 2);
    SetWindowLongPtrW(context_.window, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowPos(context_.window, HWND_NOTOPMOST, x, y, w, h, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    fullScreen_ = false;
    updateViewport();
}

SurfaceResult Win32Display::lock(uint8_t*& pixels) {
    if (!bits_) return SurfaceResult::Failed;
    pixels = bits_;
    return SurfaceResult::Ok;
}

void Win32Display::unlock() {
    if (!context_.window || !bits_) return;
    HDC target = GetDC(context_.window);
    show(target);
    ReleaseDC(context_.window, target);
    // The compositor shows the frame at its next refresh.
    if (vsync_) DwmFlush();
}

void Win32Display::repaint() {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(context_.window, &paint);
    if (bits_) show(target);
    EndPaint(context_.window, &paint);
}

void Win32Display::show(HDC target) {
    RECT client{};
    GetClientRect(context_.window, &client);
    const PictureRect& view = context_.viewport;
    SetStretchBltMode(target, COLORONCOLOR);
    StretchDIBits(target, view.x, view.y, view.w, view.h, 0, 0, kWidth, kHeight, bits_,
                  reinterpret_cast<const BITMAPINFO*>(&info_), DIB_RGB_COLORS, SRCCOPY);
    fillBlack(target, 0, 0, client.right, view.y);
    fillBlack(target, 0, view.y + view.h, client.right, client.bottom);
    fillBlack(target, 0, view.y, view.x, view.y + view.h);
    fillBlack(target, view.x + view.w, view.y, client.right, view.y + view.h);
}

void Win32Display::setEntries(const uint8_t rgb[768]) {
    for (int i = 0; i < 256; ++i)
        info_.colours[i] = RGBQUAD{rgb[i * 3 + 2], rgb[i * 3 + 1], rgb[i * 3], 0};
    if (sectionDc_) SetDIBColorTable(sectionDc_, 0, 256, info_.colours);
}

void Win32Display::waitVerticalBlank() { Sleep(1000 / 60); }

void Win32Display::close() {
    if (sectionDc_) DeleteDC(sectionDc_);
    if (section_) DeleteObject(section_);
    sectionDc_ = nullptr;
    section_ = nullptr;
    bits_ = nullptr;
}

}  // namespace vantor::platform::win32
