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
    context_.switchFullScreen = [this] { toggleFullScreen(); };
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
    scale_ = desktopScale();
    // A full-screen window starts out as large as the screen (see enterFullScreen).
    SDL_Rect place{int(SDL_WINDOWPOS_CENTERED), int(SDL_WINDOWPOS_CENTERED), kPictureWidth * scale_,
                   kPictureHeight * scale_};
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
    picture_ = WindowPicture{};
    lost_ = false;
    wholeWindow_ = true;
    return true;
}

// The window's scale: as asked, but never larger than the desktop holds.
int SdlDisplay::desktopScale() {
    SDL_Rect usable{0, 0, kPictureWidth, kPictureHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    return windowScale(usable.w, usable.h);
}

void SdlDisplay::onEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_WINDOWEVENT:
        // A still screen (a score table) must not sit in a corner until the next frame.
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            wholeWindow_ = true;
            show(true);
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
    SDL_SetWindowSize(context_.window, kPictureWidth * scale_, kPictureHeight * scale_);
    SDL_SetWindowPosition(context_.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

SurfaceResult SdlDisplay::lock(uint8_t*& pixels) {
    if (lost_ || !context_.window) return SurfaceResult::Lost;
    pixels = picture_.surface();
    return SurfaceResult::Ok;
}

void SdlDisplay::unlock() {
    hasFrame_ = true;
    show(false);
}

// The frame, fitted to the window as it is now: window managers differ in
// whether and when a size change is announced, so every present asks for
// the window's pixels afresh. A still frame in an unchanged window is not
// drawn again unless asked.
void SdlDisplay::show(bool always) {
    if (!hasFrame_ || lost_ || !context_.window) return;
    SDL_Surface* window = SDL_GetWindowSurface(context_.window);
    if (!window) return;
    wholeWindow_ = picture_.fit(window->w, window->h) || wholeWindow_;
    context_.viewport = picture_.viewport();
    bool changed = picture_.changed();
    if (!changed && !wholeWindow_ && !always) return;
    const PictureRect& view = context_.viewport;
    if (view.w < 1 || view.h < 1) return;
    if (wholeWindow_) SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    drawInto(window);
    SDL_Rect place{view.x, view.y, view.w, view.h};
    if (wholeWindow_)
        SDL_UpdateWindowSurface(context_.window);
    else
        SDL_UpdateWindowSurfaceRects(context_.window, &place, 1);
    wholeWindow_ = false;
}

// Straight into the window's pixels when they hold 8 bits a colour in 32,
// else into a picture that SDL converts on the way.
void SdlDisplay::drawInto(SDL_Surface* window) {
    const PictureRect& view = context_.viewport;
    const SDL_PixelFormat* format = window->format;
    bool direct = format->BytesPerPixel == 4 && format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0;
    SDL_Surface* target = window;
    if (!direct) {
        if (!converted_ || converted_->w != view.w || converted_->h != view.h) {
            SDL_FreeSurface(converted_);
            converted_ = SDL_CreateRGBSurfaceWithFormat(0, view.w, view.h, 32, SDL_PIXELFORMAT_ARGB8888);
            if (!converted_) return;
        }
        target = converted_;
    }
    if (SDL_LockSurface(target) != 0) return;
    auto* origin = static_cast<uint8_t*>(target->pixels);
    if (direct) origin += view.y * window->pitch + view.x * 4;
    picture_.draw(origin, target->pitch, PixelLayout{target->format->Rshift, target->format->Gshift, target->format->Bshift});
    SDL_UnlockSurface(target);
    SDL_Rect place{view.x, view.y, view.w, view.h};
    if (!direct) SDL_BlitSurface(converted_, nullptr, window, &place);
}

bool SdlDisplay::restore() {
    if (!context_.window) return false;
    lost_ = false;
    wholeWindow_ = true;
    return true;
}

void SdlDisplay::setEntries(const uint8_t rgb[768]) { picture_.setColours(rgb); }

void SdlDisplay::waitVerticalBlank() { SDL_Delay(1000 / 60); }

void SdlDisplay::close() {
    SDL_FreeSurface(converted_);
    converted_ = nullptr;
    if (context_.window) SDL_DestroyWindow(context_.window);
    context_.window = nullptr;
}

}  // namespace vantor::platform::sdl
