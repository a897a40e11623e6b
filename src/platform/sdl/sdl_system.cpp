#include "platform/sdl/sdl_system.h"

#include <chrono>
#include <thread>

#include "common/cp1251.h"
#include "platform/control_keys.h"
#include "platform/sdl/sdl_input.h"

namespace vantor::platform::sdl {

SdlSystem::SdlSystem(Context& context) : context_(context) {
    context_.drainEvents = [this] { pump(); };
}

SdlSystem::~SdlSystem() { SDL_QuitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER); }

bool SdlSystem::createWindow(const char* title) {
    // The real window appears when the display takes the screen; until then
    // the game only needs its message queue.
    return SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0 && QueuedSystem::createWindow(title);
}

void SdlSystem::destroyWindow() {
    if (windowAlive() && context_.window) SDL_HideWindow(context_.window);
    QueuedSystem::destroyWindow();
}

void SdlSystem::translate(const SDL_Event& event) {
    for (auto& hook : context_.eventHooks) hook(event);
    switch (event.type) {
    case SDL_QUIT: post({Message::SysCommand, kScClose}); break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            post({Message::ActivateApp, 1});
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            post({Message::ActivateApp, 0});
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            post({Message::Paint, 0});
        break;
    case SDL_TEXTINPUT:
        for (char c : utf8ToCp1251(event.text.text)) post({Message::Char, static_cast<uint8_t>(c)});
        break;
    case SDL_KEYDOWN: translateKey(event.key); break;
    default: break;
    }
}

// Keys whose characters SDL does not report as text.
void SdlSystem::translateKey(const SDL_KeyboardEvent& key) {
    uint8_t code = keyCodeOf(key.keysym.scancode);
    if (isFullScreenSwitch(code, key.keysym.mod & KMOD_ALT)) return;
    for (const Msg& message : controlKeyMessages(code)) post(message);
}

void SdlSystem::pump() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) translate(event);
}

void SdlSystem::waitForEvents() {
    SDL_Event event;
    if (SDL_WaitEvent(&event)) translate(event);
}

void SdlSystem::idle(uint32_t ms) {
    // Sleep through all but the last millisecond, waking for any event; the
    // last one passes in short naps, which keeps millisecond grain without
    // spinning a core for a millisecond of every frame.
    if (ms > 1)
        SDL_WaitEventTimeout(nullptr, static_cast<int>(ms - 1));
    else
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void SdlSystem::messageBox(const char* caption, const char* text) {
    noteMessageBox(caption, text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, context_.window);
}

}  // namespace vantor::platform::sdl
