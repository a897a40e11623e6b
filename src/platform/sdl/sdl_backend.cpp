#include "platform/sdl/sdl_backend.h"

namespace vantor::platform::sdl {

SdlBackend::SdlBackend() { SDL_SetMainReady(); }

SdlBackend::~SdlBackend() {
    audio_.close();
    display_.close();
    SDL_Quit();
}

}  // namespace vantor::platform::sdl
