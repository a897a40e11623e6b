#include "platform/win32/win32_backend.h"

#include <mmsystem.h>

namespace vantor::platform::win32 {

// Waits wake within a millisecond of their time only with the finer timer.
Win32Backend::Win32Backend() {
    context_.instance = GetModuleHandleW(nullptr);
    timeBeginPeriod(1);
}

Win32Backend::~Win32Backend() {
    audio_.close();
    display_.close();
    // The window's last messages still find display and input alive.
    system_.destroyWindow();
    context_.hooks.clear();
    timeEndPeriod(1);
}

}  // namespace vantor::platform::win32
