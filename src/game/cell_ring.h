#pragma once
#include <cstdint>

namespace vantor {

struct CellPosition;

// A ring round a cell's piece, between two dark edges: the band in the
// given colour of the game palette, whole or in eight dashes.
void drawCellRing(const CellPosition& at, uint8_t band, bool dashed);

}  // namespace vantor
