#pragma once
#include <SDL.h>

#include "platform/picture_fit.h"

#include <functional>
#include <vector>

namespace vantor::platform::sdl {

// What the SDL services share: the window (made by the display) and the
// event hooks through which display and input see raw events first.
struct Context {
    SDL_Window* window = nullptr;
    // Where the 640 x 480 picture lies in the window's pixels.
    PictureRect viewport;
    std::vector<std::function<void(const SDL_Event&)>> eventHooks;
    // Takes every waiting event now: hooks see it, messages queue for the pump.
    std::function<void()> drainEvents;
    // Carries out Alt+Enter.
    std::function<void()> switchFullScreen;
};

}  // namespace vantor::platform::sdl
