#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace resbuild {

using Bytes = std::vector<uint8_t>;

inline void put16(Bytes& b, int v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void put32(Bytes& b, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

}  // namespace resbuild
