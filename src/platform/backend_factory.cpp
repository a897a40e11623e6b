#include "platform/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"

namespace vantor::platform {

std::unique_ptr<Backend> makeBackend() {
    if (option("VANTOR_BACKEND") == "headless") return std::make_unique<headless::HeadlessBackend>();
    return std::make_unique<sdl::SdlBackend>();
}

}  // namespace vantor::platform
