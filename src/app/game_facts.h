#pragma once
#include <string>

namespace vantor {

// What the tests outside the program know of the game, taken from here rather
// than copied: one JSON object (vantor --describe) with the picture's size,
// the wheel's shape and the anchors of its cells by index, the play-frame
// trace's fields in order, and the numbers of the phases and cell states.
std::string gameFactsJson();

}  // namespace vantor
