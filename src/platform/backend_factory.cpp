#include "platform/headless/headless_backend.h"
#include "platform/platform.h"
#if VANTOR_WITH_SDL
#include "platform/sdl/sdl_backend.h"
#endif
#if VANTOR_WITH_WEB
#include "platform/web/web_backend.h"
#endif
#if VANTOR_WITH_WIN32
#include "platform/win32/win32_backend.h"
#endif

namespace vantor::platform {

std::unique_ptr<Backend> makeBackend() {
    if (option("VANTOR_BACKEND") == "headless") return std::make_unique<headless::HeadlessBackend>();
#if VANTOR_WITH_SDL
    return std::make_unique<sdl::SdlBackend>();
#elif VANTOR_WITH_WEB
    return std::make_unique<web::WebBackend>();
#elif VANTOR_WITH_WIN32
    return std::make_unique<win32::Win32Backend>();
#else
    return std::make_unique<headless::HeadlessBackend>();
#endif
}

}  // namespace vantor::platform
