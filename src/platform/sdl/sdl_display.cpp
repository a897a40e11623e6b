#include "platform/sdl/sdl_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "platform/picture_fit.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_window_icon.h"

namespace vantor::platform::sdl {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

bool displayServerNamed() { return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"); }

// SDL falls back to these when there is no screen; a game nobody sees is
// better run headless.
bool videoDriverIsReal() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

void explainNoDisplay(const char* why) {
    std::fprintf(stderr,
                 "No display (%s). To run without one, use the headless backend:\n"
                 "  VANTOR_BACKEND=headless vantor   (or vantor --headless)\n",
                 why);
}

}  // namespace

void convertFrame(const uint8_t* indices, int pitch, const uint32_t colours[256], void* out,
                  int outPitch) {
    auto* dstRow = static_cast<uint8_t*>(out);
    for (int y = 0; y < kHeight; ++y, indices += pitch, dstRow += outPitch) {
        auto* dst = reinterpret_cast<uint32_t*>(dstRow);
        for (int x = 0; x < kWidth; x += 4) {
            dst[x] = colours[indices[x]];
            dst[x + 1] = colours[indices[x + 1]];
            dst[x + 2] = colours[indices[x + 2]];
            dst[x + 3] = colours[indices[x + 3]];
        }
    }
}

SdlDisplay::SdlDisplay(Context& context) : context_(context) {
    // All-zero components are opaque black, so the table matches rgb_ from the start.
    std::fill(std::begin(colours_), std::end(colours_), 0xFF000000u);
    context_.eventHooks.push_back([this](const SDL_Event& event) { onEvent(event); });
}

SdlDisplay::~SdlDisplay() { close(); }

bool SdlDisplay::open(bool fullScreen) {
    if (!displayServerNamed()) {
        explainNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        explainNoDisplay(SDL_GetError());
        return false;
    }
    if (!videoDriverIsReal()) {
        explainNoDisplay("SDL found only a virtual video driver");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    if (option("VANTOR_WINDOW") == "1") fullScreen = false;
    scale_ = desktopScale();
    // A full-screen window starts out as large as the screen (see enterFullScreen).
    SDL_Rect place{int(SDL_WINDOWPOS_CENTERED), int(SDL_WINDOWPOS_CENTERED), kWidth * scale_,
                   kHeight * scale_};
    if (fullScreen && SDL_GetDisplayBounds(0, &place) != 0) return false;
    // Full screen keeps the pointer on the game's monitor.
    context_.window = SDL_CreateWindow(
        "TIDEWELL", place.x, place.y, place.w, place.h,
        SDL_WINDOW_RESIZABLE | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MOUSE_GRABBED : 0));
    if (!context_.window) {
        explainNoDisplay(SDL_GetError());
        return false;
    }
    setWindowIcon(context_.window);
    surface_.assign(kWidth * kHeight, 0);
    lost_ = false;
    return makeRenderer();
}

// The window's scale: as asked, but never larger than the desktop holds.
int SdlDisplay::desktopScale() {
    SDL_Rect usable{0, 0, kWidth, kHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    return windowScale(usable.w, usable.h);
}

// The renderer and its one streaming texture, remade whole after a reset.
bool SdlDisplay::makeRenderer() {
    Uint32 flags = option("VANTOR_VSYNC") == "1" ? SDL_RENDERER_PRESENTVSYNC : 0;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    context_.renderer = SDL_CreateRenderer(context_.window, -1, flags);
    if (!context_.renderer) return false;
    texture_ = SDL_CreateTexture(context_.renderer, SDL_PIXELFORMAT_ARGB8888,
                                 SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
    if (!texture_) return false;
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    updateViewport();
    return true;
}

void SdlDisplay::dropRenderer() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (context_.renderer) SDL_DestroyRenderer(context_.renderer);
    texture_ = nullptr;
    context_.renderer = nullptr;
}

// Window managers differ in whether and when a size change is announced, so
// every present asks for the output size and draws relative to all of it.
void SdlDisplay::updateViewport() {
    int w = 0, h = 0;
    if (!context_.renderer || SDL_GetRendererOutputSize(context_.renderer, &w, &h) != 0) return;
    context_.viewport = fitPicture(w, h);
    SDL_RenderSetViewport(context_.renderer, nullptr);
}

void SdlDisplay::onEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) &&
            !event.key.repeat)
            toggleFullScreen();
        break;
    case SDL_WINDOWEVENT:
        // A still screen (a score table) must not sit in a corner until the next frame.
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            event.window.event == SDL_WINDOWEVENT_EXPOSED)
            showAgain();
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET: lost_ = true; break;
    default: break;
    }
}

void SdlDisplay::toggleFullScreen() {
    if (!context_.window) return;
    if (SDL_GetWindowFlags(context_.window) & SDL_WINDOW_FULLSCREEN_DESKTOP)
        leaveFullScreen();
    else
        enterFullScreen();
}

// Without a window manager the full-screen request alone changes nothing on
// the screen, so the window is also made as large as the screen itself.
void SdlDisplay::enterFullScreen() {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(context_.window)), &bounds) == 0) {
        SDL_SetWindowSize(context_.window, bounds.w, bounds.h);
        SDL_SetWindowPosition(context_.window, bounds.x, bounds.y);
    }
    SDL_SetWindowFullscreen(context_.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_SetWindowMouseGrab(context_.window, SDL_TRUE);
}

void SdlDisplay::leaveFullScreen() {
    SDL_SetWindowMouseGrab(context_.window, SDL_FALSE);
    SDL_SetWindowFullscreen(context_.window, 0);
    SDL_SetWindowSize(context_.window, kWidth * scale_, kHeight * scale_);
    SDL_SetWindowPosition(context_.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

SurfaceResult SdlDisplay::lock(uint8_t*& pixels) {
    if (lost_ || !texture_) return SurfaceResult::Lost;
    pixels = surface_.data();
    return SurfaceResult::Ok;
}

void SdlDisplay::unlock() {
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &out, &outPitch) != 0) return;
    convertFrame(surface_.data(), kWidth, colours_, out, outPitch);
    SDL_UnlockTexture(texture_);
    shown_ = true;
    showAgain();
}

// The last frame, again, fitted to the window as it is now.
void SdlDisplay::showAgain() {
    if (!shown_ || lost_ || !texture_) return;
    updateViewport();
    SDL_SetRenderDrawColor(context_.renderer, 0, 0, 0, 255);
    SDL_RenderClear(context_.renderer);
    const PictureRect& view = context_.viewport;
    SDL_Rect place{view.x, view.y, view.w, view.h};
    SDL_RenderCopy(context_.renderer, texture_, nullptr, &place);
    SDL_RenderPresent(context_.renderer);
}

bool SdlDisplay::restore() {
    if (!context_.window) return false;
    shown_ = false;  // the new texture holds nothing yet
    dropRenderer();
    if (!makeRenderer()) return false;
    lost_ = false;
    return true;
}

void SdlDisplay::setEntries(const uint8_t rgb[768]) {
    if (std::memcmp(rgb_, rgb, sizeof rgb_) == 0) return;
    std::memcpy(rgb_, rgb, sizeof rgb_);
    for (int i = 0; i < 256; ++i)
        colours_[i] = 0xFF000000u | uint32_t(rgb[i * 3]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 |
                      rgb[i * 3 + 2];
}

void SdlDisplay::waitVerticalBlank() { SDL_Delay(1000 / 60); }

void SdlDisplay::close() {
    dropRenderer();
    if (context_.window) SDL_DestroyWindow(context_.window);
    context_.window = nullptr;
}

}  // namespace vantor::platform::sdl
