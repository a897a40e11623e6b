#pragma once

namespace vantor {

// Where the game tells a player how to go on. Each place has its words for
// a mouse, a finger, keys and a controller, in that order, from the message
// list; the player sees those of the input in use.
enum class HintPlace { Title = 8, GameOver = 12, NameEntry = 16 };

// The place's words for the input in use.
const char* hintText(HintPlace place);

// Those words centred on the screen's middle at y, in the current font.
void drawHint(HintPlace place, int y);

// On the play screen, until a touch player has removed a first group: how
// fingers swap, remove and set the speed, with the speed gauge shown.
void drawTouchPlayHint();

}  // namespace vantor
