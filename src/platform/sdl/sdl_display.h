#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// Turns 480 rows of 640 palette indices (pitch bytes apart) into 32-bit
// pixels through a 256-entry colour table, rows outPitch bytes apart.
void convertFrame(const uint8_t* indices, int pitch, const uint32_t colours[256], void* out,
                  int outPitch);

// The 8-bit primary surface shown through one streaming texture, full screen
// at the desktop's resolution or in a window (Alt+Enter switches).
class SdlDisplay final : public Display {
public:
    explicit SdlDisplay(Context& context);
    ~SdlDisplay() override;

    bool open(bool fullScreen) override;
    int pitch() override { return 640; }
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override;
    SurfaceResult attachPalette() override { return SurfaceResult::Ok; }
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

private:
    int desktopScale();
    bool makeRenderer();
    void showAgain();
    void dropRenderer();
    void onEvent(const SDL_Event& event);
    void toggleFullScreen();
    void enterFullScreen();
    void leaveFullScreen();
    void updateViewport();

    Context& context_;
    SDL_Texture* texture_ = nullptr;
    std::vector<uint8_t> surface_;
    uint8_t rgb_[768] = {};
    uint32_t colours_[256] = {};
    bool lost_ = false;
    bool shown_ = false;  // the texture holds a frame
    int scale_ = 1;
};

}  // namespace vantor::platform::sdl
