#pragma once

namespace vantor {

// The selected piece's own mark, a dashed gold ring: it shows wherever the
// ring of the keys is, and at a phone's size, where the piece's turn alone
// is too small to see. Drawn over the ring, so on one cell both show.
void drawSelectionMark();

}  // namespace vantor
