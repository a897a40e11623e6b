#pragma once
#include <cstdint>
#include <vector>

#include "data30_art.h"

namespace resbuild {

// The desktop icon: the hub of the wheel with pieces of every colour round
// it, cut from the play screen as a disc. size x size RGBA, transparent
// outside the disc.
std::vector<uint8_t> desktopIcon(const Data30Art& art, int size);

// The sizes desktops ask for.
inline constexpr int kIconSizes[] = {32, 48, 128, 256};

// The size the sdl window carries, built into the program as raw RGBA.
inline constexpr int kWindowIconSize = 48;

}  // namespace resbuild
