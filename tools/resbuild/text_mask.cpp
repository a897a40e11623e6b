#include "text_mask.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace resbuild {
namespace {

const char* fileOf(Face face) {
    switch (face) {
    case Face::Sans: return RESBUILD_FONT_DIR "/DejaVuSans.ttf";
    case Face::SansBold: return RESBUILD_FONT_DIR "/DejaVuSans-Bold.ttf";
    case Face::SerifBold: return RESBUILD_FONT_DIR "/DejaVuSerif-Bold.ttf";
    }
    return "";
}

FT_Face faceFor(Face face) {
    static FT_Library library = nullptr;
    static std::map<Face, FT_Face> faces;
    if (!library && FT_Init_FreeType(&library)) {
        std::fprintf(stderr, "resbuild: FreeType does not start\n");
        std::exit(1);
    }
    auto found = faces.find(face);
    if (found != faces.end()) return found->second;
    FT_Face f = nullptr;
    if (FT_New_Face(library, fileOf(face), 0, &f)) {
        std::fprintf(stderr, "resbuild: cannot open the font %s\n", fileOf(face));
        std::exit(1);
    }
    faces[face] = f;
    return f;
}

}  // namespace

Mask glyphMask(char32_t codePoint, Face face, int pixelSize) {
    FT_Face f = faceFor(face);
    FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelSize));
    Mask m;
    if (FT_Load_Char(f, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) return m;
    FT_GlyphSlot g = f->glyph;
    int ascender = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
    m.w = static_cast<int>(g->bitmap.width);
    m.h = static_cast<int>(g->bitmap.rows);
    m.left = g->bitmap_left;
    m.top = ascender - g->bitmap_top;
    m.advance = static_cast<int>((g->advance.x + 32) >> 6);
    m.a.resize(static_cast<size_t>(m.w) * m.h);
    for (int r = 0; r < m.h; ++r)
        for (int c = 0; c < m.w; ++c) m.a[static_cast<size_t>(r) * m.w + c] = g->bitmap.buffer[r * g->bitmap.pitch + c];
    return m;
}

Mask textMask(const std::u32string& text, Face face, int pixelSize, int letterSpacing) {
    std::vector<Mask> glyphs;
    int pen = 0, right = 0, bottom = 0, left = 0, top = 0;
    std::vector<int> pens;
    for (char32_t c : text) {
        glyphs.push_back(glyphMask(c, face, pixelSize));
        const Mask& g = glyphs.back();
        pens.push_back(pen);
        left = std::min(left, pen + g.left);
        top = std::min(top, g.top);
        right = std::max(right, pen + g.left + g.w);
        bottom = std::max(bottom, g.top + g.h);
        pen += g.advance + letterSpacing;
    }
    Mask out;
    out.w = right - left;
    out.h = bottom - top;
    out.left = left;
    out.top = top;
    out.advance = pen;
    out.a.assign(static_cast<size_t>(out.w) * out.h, 0);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const Mask& g = glyphs[i];
        for (int r = 0; r < g.h; ++r)
            for (int c = 0; c < g.w; ++c) {
                uint8_t& dst = out.a[static_cast<size_t>(g.top + r - top) * out.w + (pens[i] + g.left + c - left)];
                dst = std::max(dst, g.at(c, r));
            }
    }
    return out;
}

}  // namespace resbuild
