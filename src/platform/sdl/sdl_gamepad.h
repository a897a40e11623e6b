#pragma once
#include <SDL.h>

#include <map>

#include "platform/gamepad.h"
#include "platform/tap_latch.h"

namespace vantor::platform::sdl {

// Every game controller SDL knows, from its events: opened as it is plugged
// in (those there at the start announce themselves too), forgotten with
// whatever it held as it is pulled out; a press let go within one frame
// still reads once.
class SdlGamepad {
public:
    // Starts SDL's game controllers; without them none is ever seen.
    void open();
    void close();
    void onEvent(const SDL_Event& event);
    // All controllers together, as they are now.
    GamepadState read();

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        GamepadState state;
    };
    void plugged(int deviceIndex);
    void pulled(SDL_JoystickID id);
    void button(SDL_JoystickID id, uint8_t which, bool down);

    bool subsystem_ = false;
    std::map<SDL_JoystickID, Pad> pads_;
    TapLatch<16> taps_;
};

}  // namespace vantor::platform::sdl
