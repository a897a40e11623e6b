#pragma once
#include <optional>

#include "bytes.h"
#include "picture.h"

namespace resbuild {

// The three picture encodings of the game, each with the 8-byte header.
// Run-coded rows hold at most 256 runs (a count byte of 0 means 256); a row
// that needs more cannot be encoded and gives nullopt.

Bytes encodePlain(const Picture& p);
std::optional<Bytes> encodeSkipRun(const Picture& p);
std::optional<Bytes> encodeFillRun(const Picture& p);

// A 768-byte palette from 256 RGB triples of 6-bit components.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};
Bytes encodePalette(const std::vector<Rgb>& entries);

}  // namespace resbuild
