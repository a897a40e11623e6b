#pragma once
#include <cstdint>

namespace vantor {

struct CellPosition;

// A ring round a cell's piece from 12 pixels out, `width` pixels wide,
// between two dark edges: the band in the given colour of the game
// palette, whole or in eight dashes. Neighbouring anchors are 29 pixels
// apart or more, so a width of 3 keeps clear of the next piece.
void drawCellRing(const CellPosition& at, uint8_t band, int width, bool dashed);

}  // namespace vantor
