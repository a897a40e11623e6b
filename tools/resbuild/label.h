#pragma once
#include "picture.h"
#include "ramps.h"
#include "text_mask.h"

namespace resbuild {

// Puts text coverage into a picture: pixels at least half covered take the
// ramp, from `topLevel` at the mask's first row to `bottomLevel` at its last.
// With an outline index, the pixels around the text take it.
void stampText(Picture& p, const Mask& m, int x, int y, Ramp ramp, float topLevel, float bottomLevel,
               uint8_t outline = 0);

// The same centred in a rectangle of the picture.
void stampCentred(Picture& p, const Mask& m, int boxX, int boxY, int boxW, int boxH, Ramp ramp, float topLevel,
                  float bottomLevel, uint8_t outline = 0);

}  // namespace resbuild
