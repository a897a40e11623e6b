#pragma once
#include <cstdint>

#include "platform/display.h"
#include "platform/win32/win32_context.h"

namespace vantor::platform::win32 {

// The primary surface is an 8-bit DIB section whose colour table follows the
// game palette, shown with StretchDIBits at the largest whole factor that
// fits the window. Full screen is a borderless window over the monitor;
// Alt+Enter switches to a framed window (VANTOR_SCALE times the picture) and
// back. VANTOR_VSYNC=1 waits for the compositor's refresh after each frame.
class Win32Display final : public Display {
public:
    explicit Win32Display(Context& context);
    ~Win32Display() override;

    bool open(bool fullScreen) override;
    int pitch() override { return 640; }
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override { return bits_ != nullptr; }
    SurfaceResult attachPalette() override { return SurfaceResult::Ok; }
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

    bool fullScreen() const { return fullScreen_; }

private:
    struct Header {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    };

    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void show(HDC target);
    void repaint();
    void updateViewport();
    void enterFullScreen();
    void leaveFullScreen();

    Context& context_;
    Header info_{};
    HBITMAP section_ = nullptr;
    HDC sectionDc_ = nullptr;
    uint8_t* bits_ = nullptr;
    bool fullScreen_ = false;
    bool vsync_ = false;
    int scale_ = 1;
};

}  // namespace vantor::platform::win32
