#pragma once

namespace vantor {

// The in-game menu over the frozen play screen. 0: new game; 2: quit (or the
// program is ending); 3: resume.
// Except when the program ends, the frame buffer afterwards holds the screen
// it was opened over, not yet presented.
int runGameMenu();

}  // namespace vantor
