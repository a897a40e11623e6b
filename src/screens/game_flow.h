#pragma once

namespace vantor {

// The top-level loop: intro, the table once, then game after game until the
// player leaves or the window closes.
void RunGameFlow();

}  // namespace vantor
