#include "platform/sdl/sdl_gamepad.h"

#include <bit>

namespace vantor::platform::sdl {
namespace {

uint16_t buttonOf(uint8_t which) {
    switch (which) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadRight;
    case SDL_CONTROLLER_BUTTON_A: return PadA;
    case SDL_CONTROLLER_BUTTON_B: return PadB;
    case SDL_CONTROLLER_BUTTON_X: return PadX;
    case SDL_CONTROLLER_BUTTON_Y: return PadY;
    case SDL_CONTROLLER_BUTTON_START: return PadStart;
    case SDL_CONTROLLER_BUTTON_BACK: return PadBack;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadLeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadRightShoulder;
    default: return 0;
    }
}

}  // namespace

void SdlGamepad::open() { subsystem_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0; }

void SdlGamepad::close() {
    for (auto& [id, pad] : pads_)
        if (pad.controller) SDL_GameControllerClose(pad.controller);
    pads_.clear();
    taps_.clear();
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    subsystem_ = false;
}

void SdlGamepad::plugged(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    Pad& pad = pads_[id];
    if (pad.controller) SDL_GameControllerClose(pad.controller);  // announced twice
    pad.controller = controller;
}

void SdlGamepad::pulled(SDL_JoystickID id) {
    auto it = pads_.find(id);
    if (it == pads_.end()) return;
    if (it->second.controller) SDL_GameControllerClose(it->second.controller);
    pads_.erase(it);
}

void SdlGamepad::button(SDL_JoystickID id, uint8_t which, bool down) {
    uint16_t bit = buttonOf(which);
    GamepadState& state = pads_[id].state;
    if (down) {
        state.buttons |= bit;
        if (bit) taps_.press(static_cast<size_t>(std::countr_zero(bit)));
    } else {
        state.buttons &= static_cast<uint16_t>(~bit);
    }
}

void SdlGamepad::onEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: plugged(event.cdevice.which); break;
    case SDL_CONTROLLERDEVICEREMOVED: pulled(event.cdevice.which); break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        button(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    case SDL_CONTROLLERAXISMOTION: {
        GamepadState& state = pads_[event.caxis.which].state;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) state.stickX = event.caxis.value;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) state.stickY = event.caxis.value;
        break;
    }
    default: break;
    }
}

GamepadState SdlGamepad::read() {
    GamepadState all;
    for (const auto& [id, pad] : pads_) all.add(pad.state);
    for (size_t i = 0; i < 16; ++i)
        if (taps_.read(i, all.buttons & (1u << i))) all.buttons |= static_cast<uint16_t>(1u << i);
    return all;
}

}  // namespace vantor::platform::sdl
