#include "contact_sheet.h"

#include <cstdio>

#include "common/png_writer.h"
#include "common/wav_writer.h"

namespace resbuild {
namespace {

// Pictures side by side, each in a cell of the largest size, magnified or
// shrunk by scale (a negative scale divides).
bool writeGrid(const std::string& path, const std::vector<Picture>& pictures, const std::vector<Rgb>& palette,
               int columns, int scale) {
    int cellW = 1, cellH = 1;
    for (const Picture& p : pictures) {
        cellW = std::max(cellW, p.w);
        cellH = std::max(cellH, p.h);
    }
    auto size = [scale](int n) { return scale > 0 ? n * scale : (n + -scale - 1) / -scale; };
    int gap = 4, cw = size(cellW) + gap, ch = size(cellH) + gap;
    int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    int width = columns * cw + gap, height = rows * ch + gap;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4, 0);
    for (size_t i = 0; i < rgba.size(); i += 4) rgba[i + 3] = 255;
    for (size_t n = 0; n < pictures.size(); ++n) {
        const Picture& p = pictures[n];
        int ox = gap + static_cast<int>(n % columns) * cw, oy = gap + static_cast<int>(n / columns) * ch;
        for (int y = 0; y < size(p.h); ++y)
            for (int x = 0; x < size(p.w); ++x) {
                int sx = scale > 0 ? x / scale : x * -scale, sy = scale > 0 ? y / scale : y * -scale;
                uint8_t v = p.at(std::min(sx, p.w - 1), std::min(sy, p.h - 1));
                uint8_t* out = &rgba[(static_cast<size_t>(oy + y) * width + static_cast<size_t>(ox + x)) * 4];
                if (v == 0) {
                    uint8_t check = ((x / 4 + y / 4) & 1) ? 150 : 100;
                    out[0] = out[1] = out[2] = check;
                } else {
                    const Rgb& c = palette[v];
                    out[0] = uint8_t(c.r * 4 + c.r / 16);
                    out[1] = uint8_t(c.g * 4 + c.g / 16);
                    out[2] = uint8_t(c.b * 4 + c.b / 16);
                }
            }
    }
    return vantor::writeRgbaPng(path, width, height, rgba.data());
}

std::string name(const std::string& dir, const char* file) { return dir + "/" + file; }

}  // namespace

bool writeContactSheet(const Data30Art& a, const LogoArt& logo, const std::string& dir) {
    const auto& pal = a.palette;
    std::vector<Picture> pieces;
    for (const auto& colour : a.pieces) pieces.insert(pieces.end(), colour.begin(), colour.end());
    std::vector<Picture> buttons;
    for (const auto& b : a.menuButtons) buttons.insert(buttons.end(), b.begin(), b.end());
    std::vector<Picture> small = a.soundIndicator;
    small.push_back(a.pointer);
    small.push_back(a.carrier);
    small.insert(small.end(), a.speedGauge.begin(), a.speedGauge.end());
    bool ok = writeGrid(name(dir, "pieces.png"), pieces, pal, 13, 3);
    ok = writeGrid(name(dir, "background.png"), {a.background}, pal, 1, 1) && ok;
    ok = writeGrid(name(dir, "small.png"), small, pal, 6, 4) && ok;
    ok = writeGrid(name(dir, "digits.png"), a.digits, pal, 10, 3) && ok;
    ok = writeGrid(name(dir, "font.png"), a.font, pal, 32, 3) && ok;
    ok = writeGrid(name(dir, "score_marker.png"), a.scoreMarker, pal, 12, 3) && ok;
    ok = writeGrid(name(dir, "game_over.png"), {a.gameOver}, pal, 1, 1) && ok;
    ok = writeGrid(name(dir, "menu_button_animation.png"), a.menuButtonAnimation, pal, 7, 2) && ok;
    ok = writeGrid(name(dir, "menu_buttons.png"), buttons, pal, 12, 1) && ok;
    ok = writeGrid(name(dir, "menu_backdrop.png"), {a.menuBackdrop}, pal, 1, 1) && ok;
    ok = writeGrid(name(dir, "menu_slide.png"), a.menuSlide, pal, 10, -2) && ok;
    ok = writeGrid(name(dir, "curtain.png"), a.curtain, pal, 4, -2) && ok;
    ok = writeGrid(name(dir, "score_flash.png"), a.scoreFlash, pal, 4, 2) && ok;
    ok = writeGrid(name(dir, "ambient.png"), a.ambient, pal, 15, 1) && ok;
    ok = writeGrid(name(dir, "title.png"), {a.title}, a.titlePalette, 1, 1) && ok;
    ok = writeGrid(name(dir, "logo.png"), logo.pictures, logo.palette, 7, -3) && ok;
    ok = writeGrid(name(dir, "logo_40_41_42.png"), {logo.pictures[40], logo.pictures[41], logo.pictures[42]},
                   logo.palette, 3, -1) && ok;
    for (size_t k = 0; k < a.sounds.size(); ++k) {
        char file[32];
        std::snprintf(file, sizeof file, "sound_%02zu.wav", k);
        ok = vantor::writeWav(name(dir, file), a.sounds[k]) && ok;
    }
    return ok;
}

}  // namespace resbuild
