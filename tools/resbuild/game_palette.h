#pragma once
#include <vector>

#include "ramps.h"

namespace resbuild {

// Where the game palette keeps its colours. Every picture of DATA30.RES is
// drawn in these entries.
namespace gp {
constexpr uint8_t kBlack = 0;
constexpr uint8_t kEndClear = 1;  // the screen after the last game
constexpr uint8_t kWhite = 2;
constexpr uint8_t kOutline = 3;   // near black, for plain images where 0 is transparent
constexpr Ramp kSea{16, 16};
constexpr Ramp kStone{32, 16};
constexpr Ramp kPiece[5] = {{48, 16}, {64, 16}, {80, 16}, {96, 16}, {112, 16}};
constexpr Ramp kText{128, 16};
constexpr Ramp kGold{144, 16};
constexpr Ramp kGlow{160, 16};
constexpr Ramp kPearl{176, 16};
constexpr Ramp kPanel{192, 16};
constexpr Ramp kKelp{208, 16};
constexpr Ramp kFoam{224, 16};
constexpr Ramp kGrey{240, 16};
}  // namespace gp

std::vector<Rgb> gamePalette();

}  // namespace resbuild
