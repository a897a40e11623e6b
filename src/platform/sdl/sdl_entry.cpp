#include "platform/sdl/sdl_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend sdl{
        "sdl", "vantor",
        "  --audio-buffer=N        VANTOR_AUDIO_BUFFER  sdl: sample frames per sound pull (512)\n",
        false, [] { return std::unique_ptr<Backend>(std::make_unique<sdl::SdlBackend>()); }};
    return sdl;
}

}  // namespace vantor::platform
