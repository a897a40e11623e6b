#pragma once
#include <deque>

#include "platform/system.h"

namespace vantor::platform {

// The game's message queue as a window backend keeps it: the backend turns
// its events into messages (pump) and the game takes them in order. The
// window's Create and Destroy are queued here unless the system sends its own.
class QueuedSystem : public System {
public:
    bool createWindow(const char* title) override;
    void destroyWindow() override;
    bool peekMessage() override;
    Msg getMessage() override;
    void postQuit(uint32_t exitCode) override { post({Message::Quit, exitCode}); }
    void frameDone() override {}
    // The pointer over the picture is the game's own; the system's stays put.
    void setSystemCursorPos(int, int) override {}

    void post(Msg message) { queue_.push_back(message); }
    void post(Message message, uint32_t wParam = 0) { post(Msg{message, wParam}); }

protected:
    // Turns every waiting event into messages, without waiting.
    virtual void pump() {}
    // Waits until at least one more event is there, then turns it into messages.
    virtual void waitForEvents() = 0;
    bool windowAlive() const { return windowAlive_; }

private:
    std::deque<Msg> queue_;
    bool windowAlive_ = false;
};

}  // namespace vantor::platform
