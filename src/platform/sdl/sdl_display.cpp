#include "platform/sdl/sdl_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

SdlDisplay::SdlDisplay(Context& context) : context_(context) {
    context_.eventHooks.push_back([this](const SDL_Event& event) { onEvent(event); });
}

SdlDisplay::~SdlDisplay() { close(); }

bool SdlDisplay::open(bool fullScreen) {
    if (!displayServerNamed()) {
        explainNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
        return false;
    }
    // A software OpenGL (a virtual machine, a remote or virtual screen) makes
    // SDL's accelerated window pixels several times slower than the X
    // server's shared memory, and a hardware one gains little for a picture
    // the processor draws; only a wait for the refresh needs SDL's renderer.
    bool vsync = option("VANTOR_VSYNC") == "1";
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, vsync ? "1" : "0");
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, vsync ? "1" : "0");
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
    scaling_ = scalingOption();
    scale_ = desktopScale();
    // A full-screen window starts out as large as the screen (see enterFullScreen).
    SDL_Rect place{int(SDL_WINDOWPOS_CENTERED), int(SDL_WINDOWPOS_CENTERED), kWidth * scale_,
                   kHeight * scale_};
    if (fullScreen && SDL_GetDisplayBounds(0, &place) != 0) return false;
    // Full screen keeps the pointer on the game's monitor.
    context_.window = SDL_CreateWindow(
        "TIDEWELL", place.x, place.y, place.w, place.h,
        SDL_WINDOW_RESIZABLE | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MOUSE_GRABBED : 0));
    if (!context_.window || !SDL_GetWindowSurface(context_.window)) {
        explainNoDisplay(SDL_GetError());
        return false;
    }
    setWindowIcon(context_.window);
    surface_.assign(kWidth * kHeight, 0);
    lost_ = false;
    wholeWindow_ = true;
    return true;
}

// The window's scale: as asked, but never larger than the desktop holds.
int SdlDisplay::desktopScale() {
    SDL_Rect usable{0, 0, kWidth, kHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    return windowScale(usable.w, usable.h);
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
            event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            wholeWindow_ = true;
            showAgain();
        }
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
    if (lost_ || !context_.window) return SurfaceResult::Lost;
    pixels = surface_.data();
    return SurfaceResult::Ok;
}

void SdlDisplay::unlock() {
    hasFrame_ = true;
    if (!lastShown_.isNew(surface_.data(), rgb_, sizeof rgb_) && outputAsShown()) return;
    showAgain();
}

// The window as the shown frame was fitted to it, with nothing to draw again.
bool SdlDisplay::outputAsShown() {
    if (wholeWindow_ || lost_ || !context_.window) return false;
    SDL_Surface* window = SDL_GetWindowSurface(context_.window);
    return window && fitPicture(window->w, window->h, scaling_) == context_.viewport;
}

// The last frame, again, fitted to the window as it is now. Window managers
// differ in whether and when a size change is announced, so every present
// asks for the window's pixels afresh.
void SdlDisplay::showAgain() {
    if (!hasFrame_ || lost_ || !context_.window) return;
    SDL_Surface* window = SDL_GetWindowSurface(context_.window);
    if (!window) return;
    PictureRect view = fitPicture(window->w, window->h, scaling_);
    wholeWindow_ = wholeWindow_ || !(view == context_.viewport);
    context_.viewport = view;
    if (view.w < 1 || view.h < 1) return;
    if (wholeWindow_) SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    scaleInto(window);
    SDL_Rect place{view.x, view.y, view.w, view.h};
    if (wholeWindow_)
        SDL_UpdateWindowSurface(context_.window);
    else
        SDL_UpdateWindowSurfaceRects(context_.window, &place, 1);
    wholeWindow_ = false;
}

// The scaler writes 32-bit pixels: into the window's own when they are,
// else into a picture that SDL converts on the way.
void SdlDisplay::scaleInto(SDL_Surface* window) {
    const PictureRect& view = context_.viewport;
    SDL_Surface* target = window;
    if (window->format->BytesPerPixel != 4) {
        if (!converted_ || converted_->w != view.w || converted_->h != view.h) {
            SDL_FreeSurface(converted_);
            converted_ = SDL_CreateRGBSurfaceWithFormat(0, view.w, view.h, 32, SDL_PIXELFORMAT_ARGB8888);
            if (!converted_) return;
        }
        target = converted_;
    }
    mapColours(target->format);
    scaler_.resize(view.w, view.h);
    if (SDL_LockSurface(target) != 0) return;
    auto* origin = static_cast<uint8_t*>(target->pixels);
    if (target == window) origin += view.y * window->pitch + view.x * 4;
    scaler_.scale(surface_.data(), kWidth, colours_, origin, target->pitch);
    SDL_UnlockSurface(target);
    SDL_Rect place{view.x, view.y, view.w, view.h};
    if (target != window) SDL_BlitSurface(converted_, nullptr, window, &place);
}

void SdlDisplay::mapColours(const SDL_PixelFormat* format) {
    if (coloursFormat_ == format->format) return;
    coloursFormat_ = format->format;
    for (int i = 0; i < 256; ++i) colours_[i] = SDL_MapRGB(format, rgb_[i * 3], rgb_[i * 3 + 1], rgb_[i * 3 + 2]);
}

bool SdlDisplay::restore() {
    if (!context_.window) return false;
    lost_ = false;
    wholeWindow_ = true;
    return true;
}

void SdlDisplay::setEntries(const uint8_t rgb[768]) {
    if (std::memcmp(rgb_, rgb, sizeof rgb_) == 0) return;
    std::memcpy(rgb_, rgb, sizeof rgb_);
    coloursFormat_ = 0;  // mapped again at the next present
}

void SdlDisplay::waitVerticalBlank() { SDL_Delay(1000 / 60); }

void SdlDisplay::close() {
    SDL_FreeSurface(converted_);
    converted_ = nullptr;
    if (context_.window) SDL_DestroyWindow(context_.window);
    context_.window = nullptr;
}

}  // namespace vantor::platform::sdl
