#pragma once
#include <cstdint>

namespace vantor {

constexpr int kTableFirstRowY = 147;
constexpr int kTableRowHeight = 18;
constexpr int kTableNameX = 162;
constexpr int kTableScoreRightX = 137;
inline int tableRowY(int row) { return kTableFirstRowY + kTableRowHeight * row; }

// Whether a name may take one more character: typing stops where it has
// none, and a longer name (from a damaged file) is drawn cut there.
bool nameHasRoom(const char* name);

// Row i of the table: the name from x 162 (as much as the column holds),
// the score ending at x 137.
void drawTableRow(int i, int y);
// Every row, or the empty-table message; nothing is presented.
void drawTable();
// The rows appear one per frame from the top over the saved screen.
void revealTable();
// Loads the table, showing the file-in-use notice while another copy holds
// the file; a missing or unusable file is replaced by an empty one. With
// keepOpen false the file is let go again at once.
void openTable(bool keepOpen);

}  // namespace vantor
