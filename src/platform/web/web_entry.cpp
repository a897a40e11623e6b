#include "platform/web/web_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend web{
        "web", "vantor",
        "", false, [] { return std::unique_ptr<Backend>(std::make_unique<web::WebBackend>()); }};
    return web;
}

}  // namespace vantor::platform
