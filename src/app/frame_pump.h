#pragma once
#include <cstdint>

#include "platform/system.h"

namespace vantor {

// What the window procedure notes for the frame pump.
struct PumpState {
    bool quitRequested = false;
    uint32_t appActive = 0;
    uint32_t lastFrameTick = 0;
    platform::Msg lastMessage;  // the last message the pump took
};

inline PumpState pump;

// The game window's procedure: turns messages into flags and typed characters.
int WindowProc(const platform::Msg& message);

// Hands the messages the system sent while the window was made and shown
// straight to the window procedure, as a sent message would go.
void dispatchSentMessages();

// Handles pending messages, paces the frame to delayMs since the last one,
// parks while the game is in the background. 1: draw the next frame; 0: end.
int PumpFrame(uint32_t delayMs);

}  // namespace vantor
