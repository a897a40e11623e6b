#pragma once

namespace vantor {

// The curtain over the saved screen, images first, first + step, ... until
// stop (12 frames for a whole close or open). With ownBuffer the screen is
// saved here first; otherwise the caller has filled savedScreen.
// (0, 1, 12, true) closes it over the current screen; (11, -1, -1, ...) opens it.
void playCurtain(int first, int step, int stop, bool ownBuffer);

}  // namespace vantor
