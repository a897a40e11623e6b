#pragma once

namespace vantor {

// The top-level loop: the intro, the table once over the closed curtain,
// then game after game with the high-score entry between them, until the
// player leaves through the menu (the screen turns to colour 1) or the
// window closes.
void RunGameFlow();

}  // namespace vantor
