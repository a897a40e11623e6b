#pragma once
#include "platform/system.h"
#include "platform/win32/win32_context.h"

namespace vantor::platform::win32 {

// The game window ("VESK_MORANT") and its procedure, which turns window
// messages into the game's own; the millisecond clock; files, registry and
// programs through the system's services.
class Win32System final : public System {
public:
    explicit Win32System(Context& context);
    ~Win32System() override;

    bool createWindow(const char* title) override;
    void showWindow() override;
    void destroyWindow() override;
    uint32_t ticks() override;
    bool peekMessage() override;
    Msg getMessage() override;
    void postQuit(uint32_t exitCode) override;
    void idle(uint32_t ms) override;
    void frameDone() override {}
    void setSystemCursorPos(int x, int y) override;
    void messageBox(const char* caption, const char* text) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void post(Message message, uint32_t wParam = 0) { context_.queue.push_back({message, wParam}); }

    Context& context_;
    LARGE_INTEGER frequency_{};
    bool classRegistered_ = false;
};

}  // namespace vantor::platform::win32
