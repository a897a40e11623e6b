#pragma once

namespace vantor {

// After a game: the table over the current screen, the game's score entered
// if it qualifies (the file is held meanwhile), then shown until a key or click.
void showTableAfterGame();

// The table over the current screen until a key or click. The caller has
// allocated savedScreen.
void showTable();

}  // namespace vantor
