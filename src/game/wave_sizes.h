#pragma once

namespace vantor {

// Pieces per wave, set by the resource loader.
struct WaveSizes {
    int firstOfGame = 0;
    int afterSwap = 0;
    int afterRemoval = 0;
};

inline WaveSizes waveSizes;

}  // namespace vantor
