#include "platform/win32/win32_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend win32{
        "win32", "vantor.exe",
        "", true, [] { return std::unique_ptr<Backend>(std::make_unique<win32::Win32Backend>()); }};
    return win32;
}

}  // namespace vantor::platform
