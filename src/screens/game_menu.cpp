// Placeholder until the menu arrives: resume at once.
#include "screens/game_menu.h"

namespace vantor {

int runGameMenu() { return 3; }

}  // namespace vantor
