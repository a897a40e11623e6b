#include "icon.h"

#include <algorithm>
#include <vector>

#include "common/png_writer.h"

namespace resbuild {
namespace {
constexpr int kStar = 1;
constexpr int kSize = 64;
}  // namespace

bool writeIcon(const Data30Art& art, const std::string& path) {
    Picture star = trimmed(art.pieces[kStar][0]);
    int side = std::max(star.w, star.h);
    int scale = std::max(1, kSize / side);
    int left = (kSize - star.w * scale) / 2, top = (kSize - star.h * scale) / 2;
    std::vector<uint8_t> rgba(kSize * kSize * 4, 0);
    for (int y = 0; y < star.h * scale; ++y)
        for (int x = 0; x < star.w * scale; ++x) {
            uint8_t v = star.at(x / scale, y / scale);
            if (v == 0) continue;
            uint8_t* out = &rgba[(static_cast<size_t>(top + y) * kSize + static_cast<size_t>(left + x)) * 4];
            const Rgb& c = art.palette[v];
            out[0] = uint8_t(c.r * 4 + c.r / 16);
            out[1] = uint8_t(c.g * 4 + c.g / 16);
            out[2] = uint8_t(c.b * 4 + c.b / 16);
            out[3] = 255;
        }
    return vantor::writeRgbaPng(path, kSize, kSize, rgba.data());
}

}  // namespace resbuild
