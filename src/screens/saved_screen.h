#pragma once
#include "video/screen_copy.h"

namespace vantor {

// Gives a starting screen the shared saved-screen buffer. A buffer left
// behind by a screen that ended with the program is taken over, not lost.
inline void holdSavedScreen() {
    if (!savedScreen) savedScreen = newScreenCopy();
}

}  // namespace vantor
