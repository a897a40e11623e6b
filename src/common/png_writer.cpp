#include "common/png_writer.h"

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace vantor {
namespace {

void appendU32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void appendChunk(std::vector<uint8_t>& out, const char type[4], const uint8_t* data, size_t size) {
    appendU32(out, static_cast<uint32_t>(size));
    size_t crcStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    uLong crc = crc32(0L, out.data() + crcStart, static_cast<uInt>(size + 4));
    appendU32(out, static_cast<uint32_t>(crc));
}

// Each row is prefixed with filter type 0; the whole stream is one zlib block
// sequence in a single IDAT.
bool writePng(const std::string& path, int width, int height, uint8_t colourType,
              const uint8_t* palette768, const std::vector<uint8_t>& filtered) {
    uLongf packedSize = compressBound(static_cast<uLong>(filtered.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, filtered.data(), static_cast<uLong>(filtered.size()),
                  Z_BEST_SPEED) != Z_OK)
        return false;

    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> file(signature, signature + 8);
    std::vector<uint8_t> header;
    appendU32(header, static_cast<uint32_t>(width));
    appendU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    appendChunk(file, "IHDR", header.data(), header.size());
    if (palette768) appendChunk(file, "PLTE", palette768, 768);
    appendChunk(file, "IDAT", packed.data(), packedSize);
    appendChunk(file, "IEND", nullptr, 0);

    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!f) return false;
    return std::fwrite(file.data(), 1, file.size(), f.get()) == file.size();
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
    return writePng(path, width, height, 3, palette768, filterRows(width, height, pitch, indices));
}

bool writeRgbaPng(const std::string& path, int width, int height, const uint8_t* rgba) {
    if (width <= 0 || height <= 0 || !rgba) return false;
    return writePng(path, width, height, 6, nullptr, filterRows(width * 4, height, width * 4, rgba));
}

}  // namespace vantor
