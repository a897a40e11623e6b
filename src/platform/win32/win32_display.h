#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/win32/win32_context.h"
#include "platform/window_picture.h"

namespace vantor::platform::win32 {

// The primary surface is 640 x 480 palette indices, enlarged sharp into a
// 32-bit DIB section as large as the picture is shown and copied to the
// window as it is. Full screen is a borderless window over the monitor;
// Alt+Enter switches to a framed window (VANTOR_SCALE times the picture),
// which can be resized and maximised, and back. VANTOR_VSYNC=1 waits for the
// compositor's refresh after each frame.
class Win32Display final : public Display {
public:
    explicit Win32Display(Context& context);
    ~Win32Display() override;

    bool open(bool fullScreen) override;
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override { return opened_; }
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

    bool fullScreen() const { return fullScreen_; }

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void show(HDC target);
    bool fitSection();
    void dropSection();
    void repaint();
    void updateViewport();
    void switchFullScreen();
    void enterFullScreen();
    void leaveFullScreen();

    Context& context_;
    WindowPicture picture_;
    bool opened_ = false;
    bool refitted_ = true;  // the picture moved since it was last shown
    HBITMAP section_ = nullptr;
    int sectionW_ = 0, sectionH_ = 0;
    HDC sectionDc_ = nullptr;
    uint32_t* bits_ = nullptr;
    bool fullScreen_ = false;
    bool vsync_ = false;
    int scale_ = 1;
};

}  // namespace vantor::platform::win32
