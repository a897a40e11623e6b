#include "common/png_writer.h"

#include <algorithm>
#include <array>
#include <vector>

#include "common/utf8_file.h"

// Builds without zlib (the browser's) store the pixels uncompressed: PNG
// readers take stored deflate blocks like any other.
#if __has_include(<zlib.h>)
#include <zlib.h>
#define VANTOR_PNG_DEFLATE 1
#endif

namespace vantor {
namespace {

void appendU32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

uint32_t crc32Of(const uint8_t* data, size_t size) {
#if VANTOR_PNG_DEFLATE
    return static_cast<uint32_t>(crc32(0L, data, static_cast<uInt>(size)));
#else
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
#endif
}

void appendChunk(std::vector<uint8_t>& out, const char type[4], const uint8_t* data, size_t size) {
    appendU32(out, static_cast<uint32_t>(size));
    size_t crcStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    appendU32(out, crc32Of(out.data() + crcStart, size + 4));
}

// A zlib stream of the data, at zlib's level 1 (fastest) to 9 (smallest).
bool pack(const std::vector<uint8_t>& data, int level, std::vector<uint8_t>& packed) {
#if VANTOR_PNG_DEFLATE
    uLongf packedSize = compressBound(static_cast<uLong>(data.size()));
    packed.resize(packedSize);
    if (compress2(packed.data(), &packedSize, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
        return false;
    packed.resize(packedSize);
#else
    (void)level;
    packed = {0x78, 0x01};
    size_t at = 0;
    do {
        size_t n = std::min<size_t>(data.size() - at, 65535);
        bool last = at + n == data.size();
        packed.insert(packed.end(), {uint8_t(last ? 1 : 0), uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
        packed.insert(packed.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                      data.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < data.size());
    uint32_t a = 1, b = 0;  // Adler-32
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    appendU32(packed, b << 16 | a);
#endif
    return true;
}

// Each row is prefixed with filter type 0; the whole stream is one zlib
// stream in a single IDAT.
bool writePng(const std::string& path, int width, int height, uint8_t colourType,
              const uint8_t* palette768, const std::vector<uint8_t>& filtered, int level) {
    std::vector<uint8_t> packed;
    if (!pack(filtered, level, packed)) return false;

    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> file(signature, signature + 8);
    std::vector<uint8_t> header;
    appendU32(header, static_cast<uint32_t>(width));
    appendU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    appendChunk(file, "IHDR", header.data(), header.size());
    if (palette768) appendChunk(file, "PLTE", palette768, 768);
    appendChunk(file, "IDAT", packed.data(), packed.size());
    appendChunk(file, "IEND", nullptr, 0);

    return writeWholeFile(path, file.data(), file.size());
}

std::vector<uint8_t> filterRows(int rowBytes, int height, int pitch, const uint8_t* pixels) {
    std::vector<uint8_t> filtered;
    filtered.reserve(size_t(rowBytes + 1) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + size_t(y) * size_t(pitch);
        filtered.push_back(0);
        filtered.insert(filtered.end(), row, row + rowBytes);
    }
    return filtered;
}

}  // namespace

bool writeIndexedPng(const std::string& path, int width, int height, int pitch,
                     const uint8_t* indices, const uint8_t* palette768) {
    if (width <= 0 || height <= 0 || pitch < width || !indices || !palette768) return false;
    // Snapshots come many a run: quick beats small.
    return writePng(path, width, height, 3, palette768, filterRows(width, height, pitch, indices), 1);
}

bool writeRgbaPng(const std::string& path, int width, int height, const uint8_t* rgba) {
    if (width <= 0 || height <= 0 || !rgba) return false;
    // Icons travel to every visitor of the page: small beats quick.
    return writePng(path, width, height, 6, nullptr, filterRows(width * 4, height, width * 4, rgba), 9);
}

}  // namespace vantor
