#include "platform/win32/win32_context.h"

namespace vantor::platform::win32 {

void drainMessages(Context& context) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            context.queue.push_back({Message::Quit, static_cast<uint32_t>(message.wParam)});
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vantor::platform::win32
