#pragma once
#include <cstdint>

#include "video/vdp.h"

namespace vantor {

// The one saved-screen buffer the screens share (a 640 x 480 packed copy).
// Screens that overlay the current picture make it on entry and free it on exit;
// the play screen hands its last frame to the game flow in it.
inline uint8_t* savedScreen = nullptr;

inline uint8_t* newScreenCopy() { return new uint8_t[kScreenCopyBytes]; }

// Gives a starting screen the shared buffer. A buffer left behind by a
// screen that ended with the program is taken over, not lost.
inline void holdSavedScreen() {
    if (!savedScreen) savedScreen = newScreenCopy();
}

inline void freeSavedScreen() {
    delete[] savedScreen;
    savedScreen = nullptr;
}

}  // namespace vantor
