#pragma once
#include "platform/queued_system.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// SDL events turned into the game's window messages.
class SdlSystem final : public QueuedSystem {
public:
    explicit SdlSystem(Context& context);
    ~SdlSystem() override;

    bool createWindow(const char* title) override;
    void showWindow() override { post({Message::ActivateApp, 1}); }
    void destroyWindow() override;
    uint32_t ticks() override { return SDL_GetTicks(); }
    void idle(uint32_t ms) override;
    void messageBox(const char* caption, const char* text) override;

private:
    void pump() override;
    void waitForEvents() override;
    void translate(const SDL_Event& event);
    void translateKey(const SDL_KeyboardEvent& key);

    Context& context_;
};

}  // namespace vantor::platform::sdl
