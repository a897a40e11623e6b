#include "platform/sdl/sdl_window_icon.h"

#include <cmath>
#include <cstddef>

namespace vantor::platform::sdl {

// Square RGBA rows, from the build (cmake/embed_bytes.cmake).
extern const unsigned char kWindowIconRgba[];
extern const size_t kWindowIconRgbaSize;

void setWindowIcon(SDL_Window* window) {
    int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(kWindowIconRgbaSize / 4))));
    // SDL copies the pixels; the surface only lends them.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(kWindowIconRgba),
                                                           side, side, 32, side * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

}  // namespace vantor::platform::sdl
