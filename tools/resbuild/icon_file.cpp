#include "icon_file.h"

#include "desktop_icon.h"

namespace resbuild {
namespace {

constexpr int kSizes[] = {16, 32, 48, 256};

// One image as the icon format stores it: a bitmap header of twice the
// height, the pixels bottom up in blue, green, red, alpha, then the mask.
Bytes iconBitmap(const IconImage& image) {
    Bytes out;
    int n = image.size;
    put32(out, 40);
    put32(out, n);
    put32(out, 2 * n);
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i) put32(out, 0);
    for (int row = n - 1; row >= 0; --row)
        for (int col = 0; col < n; ++col) {
            const uint8_t* p = &image.rgba[(static_cast<size_t>(row) * n + col) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    int maskRowBytes = (n + 31) / 32 * 4;
    for (int row = n - 1; row >= 0; --row) {
        Bytes mask(static_cast<size_t>(maskRowBytes), 0);
        for (int col = 0; col < n; ++col)
            if (image.rgba[(static_cast<size_t>(row) * n + col) * 4 + 3] == 0)
                mask[static_cast<size_t>(col / 8)] |= static_cast<uint8_t>(0x80 >> (col % 8));
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

}  // namespace

std::vector<IconImage> makeIconImages(const Data30Art& art) {
    std::vector<IconImage> images;
    for (int size : kSizes) images.push_back({size, desktopIcon(art, size)});
    return images;
}

Bytes encodeIcon(const std::vector<IconImage>& images) {
    Bytes out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<int>(images.size()));
    std::vector<Bytes> bitmaps;
    for (const IconImage& image : images) bitmaps.push_back(iconBitmap(image));
    int32_t offset = 6 + 16 * static_cast<int32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        uint8_t side = static_cast<uint8_t>(images[i].size >= 256 ? 0 : images[i].size);
        out.insert(out.end(), {side, side, 0, 0});
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<int32_t>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<int32_t>(bitmaps[i].size());
    }
    for (const Bytes& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}

}  // namespace resbuild
