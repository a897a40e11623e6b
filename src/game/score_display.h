#pragma once

namespace vantor {

// The score in digit images, centred on x 513 along a slightly rising line.
void drawScore();

}  // namespace vantor
