#pragma once
#include <cstdint>
#include <string>

namespace vantor {

// Writes an 8-bit indexed frame as a colour-type-3 PNG. Row y starts at
// indices + y * pitch; palette holds 256 RGB triples of 8-bit components.
// Returns false when the file cannot be written.
bool writeIndexedPng(const std::string& path, int width, int height, int pitch,
                     const uint8_t* indices, const uint8_t* palette768);

// Writes 8-bit RGBA pixels (4 bytes each, rows packed) as a PNG.
bool writeRgbaPng(const std::string& path, int width, int height, const uint8_t* rgba);

}  // namespace vantor
