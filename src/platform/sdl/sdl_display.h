#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/sdl_context.h"
#include "platform/window_picture.h"

namespace vantor::platform::sdl {

// The 8-bit primary surface enlarged sharp straight into the window's own
// pixels, full screen at the desktop's resolution or in a window that can be
// resized and maximised (Alt+Enter switches).
class SdlDisplay final : public Display {
public:
    explicit SdlDisplay(Context& context);
    ~SdlDisplay() override;

    bool open(bool fullScreen) override;
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override;
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

private:
    int desktopScale();
    void show(bool always);
    void drawInto(SDL_Surface* window);
    void onEvent(const SDL_Event& event);
    void toggleFullScreen();
    void enterFullScreen();
    void leaveFullScreen();

    Context& context_;
    WindowPicture picture_;
    // The picture enlarged, when the window's pixels are not 32-bit.
    SDL_Surface* converted_ = nullptr;
    bool lost_ = false;
    bool hasFrame_ = false;  // the surface holds a frame
    bool wholeWindow_ = true;  // the bars too need drawing and showing
    int scale_ = 1;
};

}  // namespace vantor::platform::sdl
