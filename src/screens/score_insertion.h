#pragma once
#include <cstdint>

namespace vantor {

// Puts a qualifying score into the held table with the marker animation:
// it rises past lower scores, the player names it, and the table is written
// back. A score that does not qualify only lets go of the file. Either way
// the table is left drawn over the saved screen, not presented.
void insertScore(int32_t score);

}  // namespace vantor
