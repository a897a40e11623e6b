#pragma once
#include <deque>

#include "platform/sdl/sdl_context.h"
#include "platform/system.h"

namespace vantor::platform::sdl {

// SDL events turned into the game's window messages.
class SdlSystem final : public System {
public:
    explicit SdlSystem(Context& context);
    ~SdlSystem() override;

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
    void translate(const SDL_Event& event);
    void drainEvents();

    Context& context_;
    std::deque<Msg> queue_;
    bool windowAlive_ = false;
};

}  // namespace vantor::platform::sdl
