#pragma once
#include <cstddef>
#include <cstdint>

namespace vantor {

// Checks that a picture of the resource image can be drawn safely. avail is
// the number of bytes from the picture's start to the end of its block.

// A plain image: header and width x height pixels within avail.
bool plainImageFits(const uint8_t* image, size_t avail);

// A run-coded image drawn at (0, 0): every row's runs cover exactly its
// width, the data stays within avail, and the picture lies on the screen.
bool runImageFits(const uint8_t* image, size_t avail, bool fillRun);

}  // namespace vantor
