#include "platform/sdl/sdl_system.h"

#include <chrono>
#include <string>
#include <thread>

#include "common/cp1251.h"
#include "platform/control_keys.h"
#include "platform/sdl/sdl_input.h"

namespace vantor::platform::sdl {

SdlSystem::SdlSystem(Context& context) : context_(context) {
    context_.drainEvents = [this] { drainEvents(); };
}

SdlSystem::~SdlSystem() { SDL_QuitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER); }

bool SdlSystem::createWindow(const char*) {
    // The real window appears when the display takes the screen; until then
    // the game only needs its message queue.
    if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
    windowAlive_ = true;
    queue_.push_back({Message::Create, 0});
    return true;
}

void SdlSystem::showWindow() { queue_.push_back({Message::ActivateApp, 1}); }

void SdlSystem::destroyWindow() {
    if (!windowAlive_) return;
    windowAlive_ = false;
    if (context_.window) SDL_HideWindow(context_.window);
    queue_.push_back({Message::Destroy, 0});
}

uint32_t SdlSystem::ticks() { return SDL_GetTicks(); }

void SdlSystem::translate(const SDL_Event& event) {
    for (auto& hook : context_.eventHooks) hook(event);
    switch (event.type) {
    case SDL_QUIT: queue_.push_back({Message::SysCommand, kScClose}); break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            queue_.push_back({Message::ActivateApp, 1});
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            queue_.push_back({Message::ActivateApp, 0});
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            queue_.push_back({Message::Paint, 0});
        break;
    case SDL_TEXTINPUT:
        for (char c : utf8ToCp1251(event.text.text))
            queue_.push_back({Message::Char, static_cast<uint8_t>(c)});
        break;
    case SDL_KEYDOWN: {
        // Keys whose characters SDL does not report as text; Alt+Enter belongs to the display.
        std::vector<Msg> control = controlKeyMessages(keyCodeOf(event.key.keysym.scancode));
        bool altEnter = (event.key.keysym.mod & KMOD_ALT) && !control.empty() && control[0].message == Message::KeyDown;
        if (!altEnter) queue_.insert(queue_.end(), control.begin(), control.end());
        break;
    }
    default: break;
    }
}

void SdlSystem::drainEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) translate(event);
}

bool SdlSystem::peekMessage() {
    drainEvents();
    return !queue_.empty();
}

Msg SdlSystem::getMessage() {
    while (queue_.empty()) {
        SDL_Event event;
        if (SDL_WaitEvent(&event)) translate(event);
    }
    Msg next = queue_.front();
    queue_.pop_front();
    return next;
}

void SdlSystem::postQuit(uint32_t exitCode) { queue_.push_back({Message::Quit, exitCode}); }

void SdlSystem::idle(uint32_t ms) {
    // Sleep through all but the last millisecond, waking for any event; the
    // last one passes in short naps, which keeps millisecond grain without
    // spinning a core for a millisecond of every frame.
    if (ms > 1)
        SDL_WaitEventTimeout(nullptr, static_cast<int>(ms - 1));
    else
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void SdlSystem::setSystemCursorPos(int, int) {
    // The system pointer stays hidden over the game and drives nothing here.
}

void SdlSystem::messageBox(const char* caption, const char* text) {
    noteMessageBox(caption, text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, context_.window);
}

}  // namespace vantor::platform::sdl
