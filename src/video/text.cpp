// Text in the current font.
#include <algorithm>
#include <cstdio>

#include "common/little_endian.h"
#include "video/vdp.h"

namespace vantor {

Font Vdp::selectFont(const Font& font) {
    Font previous = font_;
    font_ = font;
    return previous;
}

int32_t Vdp::glyphWidth(uint8_t c) const { return readU16(font_.glyphs[c] + 4); }

int32_t Vdp::textWidth(const char* s) const {
    int32_t width = 0;
    for (; *s; ++s) width += glyphWidth(static_cast<uint8_t>(*s)) + font_.spacing;
    return width - font_.spacing;
}

int32_t Vdp::drawGlyph(int x, int y, uint8_t c, DrawnArea& area) {
    area = (this->*font_.draw)(x, y, font_.glyphs[c], font_.colourOffset);
    return x + glyphWidth(c);
}

int32_t Vdp::drawText(int x, int y, const char* s, int32_t align, DrawnArea& area) {
    if (align == AlignCentre)
        x -= textWidth(s) / 2;
    else if (align == AlignRight)
        x -= textWidth(s);
    if (*s == 0) {
        area = DrawnArea{1000, 1000, -1000, -1000, 1};
        return x;
    }
    int32_t left = 1000, top = 1000, right = -1000, bottom = -1000;
    int32_t pen = x;
    for (; *s; ++s) {
        DrawnArea glyph;
        pen = drawGlyph(pen, y, static_cast<uint8_t>(*s), glyph) + font_.spacing;
        if (glyph.empty) continue;
        left = std::min(left, glyph.x);
        top = std::min(top, glyph.y);
        right = std::max(right, glyph.x + glyph.width);
        bottom = std::max(bottom, glyph.y + glyph.height);
    }
    area = DrawnArea{left, top, right - left, bottom - top, 0};
    return pen;
}

int32_t Vdp::drawChar(int x, int y, uint8_t c, int32_t align, DrawnArea& area) {
    const char text[2] = {static_cast<char>(c), 0};
    return drawText(x, y, text, align, area);
}

int32_t Vdp::drawNumber(int x, int y, int32_t value, int32_t align, DrawnArea& area) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return drawText(x, y, text, align, area);
}

}  // namespace vantor
