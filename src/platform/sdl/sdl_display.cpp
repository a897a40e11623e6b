#include "platform/sdl/sdl_display.h"

#include <cstdio>

#include "platform/platform.h"

namespace vantor::platform::sdl {

SdlDisplay::SdlDisplay(Context& context) : context_(context) {}

SdlDisplay::~SdlDisplay() { close(); }

bool SdlDisplay::open(bool) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "No display (%s); set VANTOR_BACKEND=headless to run without one.\n",
                     SDL_GetError());
        return false;
    }
    int scale = optionInt("VANTOR_SCALE", 1);
    context_.window = SDL_CreateWindow("TIDEWELL", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                       640 * scale, 480 * scale, SDL_WINDOW_RESIZABLE);
    if (!context_.window) return false;
    context_.renderer = SDL_CreateRenderer(context_.window, -1, 0);
    if (!context_.renderer) return false;
    SDL_RenderSetLogicalSize(context_.renderer, 640, 480);
    texture_ = SDL_CreateTexture(context_.renderer, SDL_PIXELFORMAT_ARGB8888,
                                 SDL_TEXTUREACCESS_STREAMING, 640, 480);
    if (!texture_) return false;
    surface_.assign(640 * 480, 0);
    return true;
}

SurfaceResult SdlDisplay::lock(uint8_t*& pixels) {
    pixels = surface_.data();
    return SurfaceResult::Ok;
}

void SdlDisplay::unlock() {
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &out, &outPitch) != 0) return;
    for (int y = 0; y < 480; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out) + y * outPitch);
        const uint8_t* src = surface_.data() + y * 640;
        for (int x = 0; x < 640; ++x) row[x] = colours_[src[x]];
    }
    SDL_UnlockTexture(texture_);
    SDL_RenderClear(context_.renderer);
    SDL_RenderCopy(context_.renderer, texture_, nullptr, nullptr);
    SDL_RenderPresent(context_.renderer);
}

bool SdlDisplay::restore() { return true; }

void SdlDisplay::setEntries(const uint8_t rgb[768]) {
    for (int i = 0; i < 256; ++i)
        colours_[i] = 0xFF000000u | uint32_t(rgb[i * 3]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 |
                      rgb[i * 3 + 2];
}

void SdlDisplay::waitVerticalBlank() {}

void SdlDisplay::close() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (context_.renderer) SDL_DestroyRenderer(context_.renderer);
    if (context_.window) SDL_DestroyWindow(context_.window);
    texture_ = nullptr;
    context_.renderer = nullptr;
    context_.window = nullptr;
}

}  // namespace vantor::platform::sdl
