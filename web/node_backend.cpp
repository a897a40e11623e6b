// The node program runs headless only: this stands for its window backend,
// so the library's web backend, and with it the page's interfaces, is never
// linked in.
#include "platform/headless/headless_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend none{
        "headless", "vantor-node.js",
        "  --home=DIR/             VANTOR_HOME      where HIGH30 and the game in play\n"
        "                                           (GAME30) live (default\n"
        "                                           $XDG_DATA_HOME/vantor/; empty: here)\n",
        "", false, [] { return std::unique_ptr<Backend>(std::make_unique<headless::HeadlessBackend>()); }};
    return none;
}

}  // namespace vantor::platform
