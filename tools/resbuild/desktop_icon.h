#pragma once
#include <cstdint>
#include <vector>

#include "data30_art.h"

namespace resbuild {

// Disc: the hub of the wheel with pieces of every colour round it, cut
// from the play screen, transparent outside. Maskable: the same disc on
// black to the edges, filling the middle 80% circle that every launcher's
// mask keeps.
enum class IconShape { Disc, Maskable };

// The desktop icon, size x size RGBA.
std::vector<uint8_t> desktopIcon(const Data30Art& art, int size, IconShape shape = IconShape::Disc);

// The sizes desktops and home screens ask for.
inline constexpr int kIconSizes[] = {32, 48, 128, 192, 256, 512};
inline constexpr int kMaskableIconSize = 512;

// The size the sdl window carries, built into the program as raw RGBA.
inline constexpr int kWindowIconSize = 48;

}  // namespace resbuild
