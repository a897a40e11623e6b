// Placeholder until the play screen arrives.
#include "game/play_screen.h"

namespace vantor {

int playFrame(bool) { return 1; }
void resetForNewGame() {}

}  // namespace vantor
