#pragma once
#include "platform/queued_system.h"
#include "platform/win32/win32_context.h"

namespace vantor::platform::win32 {

// The game window ("VESK_MORANT") and its procedure, which turns window
// messages into the game's own; the millisecond clock; files, registry and
// programs through the system's services.
class Win32System final : public QueuedSystem {
public:
    explicit Win32System(Context& context);
    ~Win32System() override;

    bool createWindow(const char* title) override;
    void showWindow() override;
    void destroyWindow() override;
    uint32_t ticks() override;
    void idle(uint32_t ms) override;
    void messageBox(const char* caption, const char* text) override;

private:
    void pump() override;
    void waitForEvents() override;
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Context& context_;
    LARGE_INTEGER frequency_{};
    bool classRegistered_ = false;
};

}  // namespace vantor::platform::win32
