#include "platform/web/web_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend web{
        "web", "vantor",
        "  --home=DIR/             VANTOR_HOME      where HIGH30 and the game in play\n"
        "                                           (GAME30) live (default\n"
        "                                           $XDG_DATA_HOME/vantor/, which the page\n"
        "                                           keeps in the browser's storage; empty: here)\n",
        "", false, [] { return std::unique_ptr<Backend>(std::make_unique<web::WebBackend>()); }};
    return web;
}

}  // namespace vantor::platform
