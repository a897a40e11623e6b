#include "platform/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/window_backend.h"

namespace vantor::platform {

std::unique_ptr<Backend> makeBackend() {
    if (option("VANTOR_BACKEND") == "headless") return std::make_unique<headless::HeadlessBackend>();
    return windowBackend().make();
}

}  // namespace vantor::platform
