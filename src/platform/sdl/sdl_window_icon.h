#pragma once
#include <SDL.h>

namespace vantor::platform::sdl {

// Gives the window the game's icon: the desktop icon's drawing, which the
// art tool makes and the build puts into the program.
void setWindowIcon(SDL_Window* window);

}  // namespace vantor::platform::sdl
