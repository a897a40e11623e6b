#include "platform/win32/win32_backend.h"
#include "platform/window_backend.h"

namespace vantor::platform {

const WindowBackend& windowBackend() {
    static const WindowBackend win32{
        "win32", "vantor.exe",
        "  --home=DIR\\             VANTOR_HOME      where HIGH30 and the game in play\n"
        "                                           (GAME30) live (default: the\n"
        "                                           registry's folder, else\n"
        "                                           %APPDATA%\\Vantor\\; empty: here)\n",
        "", true, [] { return std::unique_ptr<Backend>(std::make_unique<win32::Win32Backend>()); }};
    return win32;
}

}  // namespace vantor::platform
