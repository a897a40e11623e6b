// The node program runs headless only: this stands for its window backend,
// so the library's web backend, and with it the page's interfaces, is never
// linked in.
#include "platform/headless/headless_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend none{
        "headless", "vantor-node.js",
        "", false, [] { return std::unique_ptr<Backend>(std::make_unique<headless::HeadlessBackend>()); }};
    return none;
}

}  // namespace vantor::platform
