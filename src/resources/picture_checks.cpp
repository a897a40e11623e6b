#include "resources/picture_checks.h"

#include "common/little_endian.h"

namespace vantor {

bool plainImageFits(const uint8_t* image, size_t avail) {
    if (avail < 8) return false;
    size_t pixels = size_t{readU16(image + 4)} * readU16(image + 6);
    return pixels <= avail - 8;
}

namespace {

// Bytes a run's control byte c takes after itself, and the pixels it covers.
void runShape(uint8_t c, bool fillRun, size_t& dataBytes, int& pixels) {
    if (c < 0x80) {
        dataBytes = 0;
        pixels = c + 1;
    } else if (!fillRun) {
        pixels = (c - 0x80) + 1;
        dataBytes = static_cast<size_t>(pixels);
    } else if (c < 0xC0) {
        pixels = (c & 0x3F) + 1;
        dataBytes = static_cast<size_t>(pixels);
    } else {
        pixels = (c & 0x3F) + 1;
        dataBytes = 1;
    }
}

}  // namespace

bool runImageFits(const uint8_t* image, size_t avail, bool fillRun) {
    if (avail < 8) return false;
    int left = readI16(image), top = readI16(image + 2);
    int width = readU16(image + 4), height = readU16(image + 6);
    if (left < 0 || top < 0 || left + width > 640 || top + height > 480) return false;
    size_t at = 8;
    for (int row = 0; row < height; ++row) {
        if (at >= avail) return false;
        int runs = image[at++];
        if (runs == 0) runs = 256;
        int covered = 0;
        for (int r = 0; r < runs; ++r) {
            if (at >= avail) return false;
            size_t dataBytes = 0;
            int pixels = 0;
            runShape(image[at++], fillRun, dataBytes, pixels);
            if (dataBytes > avail - at) return false;
            at += dataBytes;
            covered += pixels;
        }
        if (covered != width) return false;
    }
    return true;
}

}  // namespace vantor
