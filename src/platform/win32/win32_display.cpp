#include "platform/win32/win32_display.h"

#include <dwmapi.h>

#include <algorithm>

#include "platform/platform.h"

namespace vantor::platform::win32 {
namespace {

void fillBlack(HDC target, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    RECT bar{left, top, right, bottom};
    FillRect(target, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace

Win32Display::Win32Display(Context& context) : context_(context) {
    context_.hooks.push_back([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return onMessage(message, wParam, lParam, result);
    });
    context_.switchFullScreen = [this] { switchFullScreen(); };
}

Win32Display::~Win32Display() { close(); }

bool Win32Display::open(bool fullScreen) {
    if (!context_.window) return false;
    if (option("VANTOR_WINDOW") == "1") fullScreen = false;
    RECT work{0, 0, kPictureWidth, kPictureHeight};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    scale_ = windowScale(work.right - work.left, work.bottom - work.top);
    vsync_ = option("VANTOR_VSYNC") == "1";
    picture_ = WindowPicture{};
    opened_ = true;
    if (fullScreen)
        enterFullScreen();
    else
        leaveFullScreen();
    return true;
}

bool Win32Display::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_SIZE: updateViewport(); return false;
    case WM_PAINT: repaint(); return true;
    case WM_DISPLAYCHANGE:
        if (fullScreen_) enterFullScreen();
        return false;
    default: return false;
    }
}

void Win32Display::switchFullScreen() {
    if (!opened_) return;
    if (fullScreen_)
        leaveFullScreen();
    else
        enterFullScreen();
}

void Win32Display::updateViewport() {
    RECT client{};
    if (!context_.window || !GetClientRect(context_.window, &client)) return;
    refitted_ = picture_.fit(client.right, client.bottom) || refitted_;
    context_.viewport = picture_.viewport();
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
    RECT frame{0, 0, kPictureWidth * scale_, kPictureHeight * scale_};
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
    if (!opened_) return SurfaceResult::Failed;
    pixels = picture_.surface();
    return SurfaceResult::Ok;
}

// Exposed parts are painted again by WM_PAINT; a still frame in a window
// that kept its size is not shown again.
void Win32Display::unlock() {
    if (!context_.window || !opened_) return;
    if (!picture_.changed() && !refitted_) return;
    HDC target = GetDC(context_.window);
    show(target);
    ReleaseDC(context_.window, target);
    // The compositor shows the frame at its next refresh.
    if (vsync_) DwmFlush();
}

void Win32Display::repaint() {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(context_.window, &paint);
    if (opened_) show(target);
    EndPaint(context_.window, &paint);
}

// A 32-bit DIB section, top row first, as large as the picture is shown.
bool Win32Display::fitSection() {
    const PictureRect& view = context_.viewport;
    if (section_ && sectionW_ == view.w && sectionH_ == view.h) return true;
    dropSection();
    if (view.w < 1 || view.h < 1) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = view.w;
    info.bmiHeader.biHeight = -view.h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section_) return false;
    bits_ = static_cast<uint32_t*>(bits);
    sectionDc_ = CreateCompatibleDC(nullptr);
    SelectObject(sectionDc_, section_);
    sectionW_ = view.w;
    sectionH_ = view.h;
    return true;
}

void Win32Display::dropSection() {
    if (sectionDc_) DeleteDC(sectionDc_);
    if (section_) DeleteObject(section_);
    sectionDc_ = nullptr;
    section_ = nullptr;
    bits_ = nullptr;
}

void Win32Display::show(HDC target) {
    RECT client{};
    GetClientRect(context_.window, &client);
    const PictureRect& view = context_.viewport;
    if (fitSection()) {
        GdiFlush();  // GDI may still be reading the last frame's pixels
        picture_.draw(bits_, view.w * 4, PixelLayout{});
        BitBlt(target, view.x, view.y, view.w, view.h, sectionDc_, 0, 0, SRCCOPY);
    }
    refitted_ = false;
    fillBlack(target, 0, 0, client.right, view.y);
    fillBlack(target, 0, view.y + view.h, client.right, client.bottom);
    fillBlack(target, 0, view.y, view.x, view.y + view.h);
    fillBlack(target, view.x + view.w, view.y, client.right, view.y + view.h);
}

void Win32Display::setEntries(const uint8_t rgb[768]) { picture_.setColours(rgb); }

void Win32Display::waitVerticalBlank() { Sleep(1000 / 60); }

void Win32Display::close() {
    dropSection();
    opened_ = false;
}

}  // namespace vantor::platform::win32
