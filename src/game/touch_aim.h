#pragma once
#include <cstdint>

namespace vantor {

// Moves a touch's place onto the anchor of the nearest cell within reach
// (never less than the pick radius), so a finger that lands a little off a
// piece picks it through the game's own rule. Over the menu button, the
// speed gauge or away from every cell the place stays.
void aimTouchAtCell(int32_t& x, int32_t& y, int reach);

}  // namespace vantor
