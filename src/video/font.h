#pragma once
#include <cstdint>

#include "video/drawn_area.h"

namespace vantor {

class Vdp;

// The glyph draw operation: x, y, plain image, colour offset.
using GlyphDraw = DrawnArea (Vdp::*)(int x, int y, const uint8_t* image, uint8_t colourOffset);

// A bitmap font: glyph table indexed by character byte, colour offset added
// to every glyph pixel, the draw operation, and pixels added after each glyph.
struct Font {
    const uint8_t* const* glyphs = nullptr;
    uint8_t colourOffset = 0;
    GlyphDraw draw = nullptr;
    int32_t spacing = 0;
};

inline Font makeFont(const uint8_t* const* glyphs, uint8_t colourOffset, GlyphDraw draw,
                     int32_t spacing) {
    return Font{glyphs, colourOffset, draw, spacing};
}

enum TextAlign : int32_t { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

}  // namespace vantor
