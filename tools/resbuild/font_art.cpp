#include "font_art.h"

#include "common/cp1251.h"
#include "game_palette.h"
#include "text_mask.h"

namespace resbuild {
namespace {

constexpr int kPixelSize = 15;
constexpr int kLineTop = 1;  // one row of air above the tallest letters

Picture cursorGlyph() {
    Picture p(9, 3, 0, 13);
    for (uint8_t& v : p.px) v = shade(gp::kGold, 0.95f);
    return p;
}

// A code without a character: an empty box, so it still shows.
Picture boxGlyph() {
    Picture p(7, 10, 0, 4);
    for (int r = 0; r < p.h; ++r)
        for (int c = 0; c < 6; ++c)
            if (r == 0 || r == p.h - 1 || c == 0 || c == 5) p.at(c, r) = shade(gp::kText, 0.5f);
    return p;
}

Picture letterGlyph(char32_t codePoint) {
    Mask m = glyphMask(codePoint, Face::SansBold, kPixelSize);
    int width = std::max(m.advance, 1);
    int top = 1000, bottom = -1;
    for (int r = 0; r < m.h; ++r)
        for (int c = 0; c < m.w; ++c)
            if (m.at(c, r) >= 48 && m.left + c >= 0 && m.left + c < width) {
                top = std::min(top, r);
                bottom = std::max(bottom, r);
            }
    if (bottom < 0) return Picture(width, 1, 0, 0);  // a space
    Picture p(width, bottom - top + 1, 0, kLineTop + m.top + top);
    for (int r = top; r <= bottom; ++r)
        for (int c = 0; c < m.w; ++c) {
            int x = m.left + c;
            if (x < 0 || x >= width || m.at(c, r) < 48) continue;
            p.at(x, r - top) = shade(gp::kText, 0.3f + 0.7f * float(m.at(c, r)) / 255.0f);
        }
    return p;
}

}  // namespace

std::vector<Picture> fontGlyphs() {
    std::vector<Picture> glyphs;
    for (int code = 0; code < 256; ++code) {
        char32_t cp = vantor::cp1251ToUnicode(static_cast<uint8_t>(code));
        if (code == 1)
            glyphs.push_back(cursorGlyph());
        else if (cp < 32 || cp == 127 || (cp >= 0x80 && cp < 0xA0))
            glyphs.push_back(boxGlyph());
        else
            glyphs.push_back(letterGlyph(cp));
    }
    return glyphs;
}

}  // namespace resbuild
