#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

// Everything the rest of a game depends on, at a rest: the board, the play
// state, the generator, the frame delay, the ambient animations and the
// indicators, little-endian, floats as their bits. The size is the same
// however long the game has run.
std::vector<uint8_t> takeGameSnapshot();

// Puts a snapshot back into the game. A snapshot of the wrong size, or one
// whose board breaks the rules or whose values would lead a drawing off its
// tables, is refused and the game is left as it was.
bool restoreGameSnapshot(const uint8_t* bytes, size_t size);

// Whether the game stands at a rest that may be kept: Idle, no click
// half-made, and not over.
bool gameAtRest();

}  // namespace vantor
