#pragma once
#include <cstdint>

#include "app/frame_pump.h"
#include "app/startup.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {

// The input update that begins every frame: the mouse, then the keyboard.
inline void updateInput() {
    inputDevices.PollMouse();
    inputDevices.PollKeyboard();
}

// One frame of a screen's loop: the input update, then the frame pump.
// False once the program is to end; the screen then returns at once.
inline bool runFrame() {
    updateInput();
    return PumpFrame(static_cast<uint32_t>(frameDelay)) != 0;
}

// The game's arrow pointer where the mouse is; none under a finger, and
// while keys lead it gives way to what they show.
inline void drawPointer() {
    if (inputDevices.pointerShown && !inputDevices.keyPointer.leads())
        vdp.drawImage(inputDevices.mouse.x, inputDevices.mouse.y, res.pointer);
}

// The pump alone, for the stretches that read no input.
inline bool pumpOnly() { return PumpFrame(static_cast<uint32_t>(frameDelay)) != 0; }

}  // namespace vantor
