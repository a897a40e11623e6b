#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/little_endian.h"

namespace resbuild {

using Bytes = std::vector<uint8_t>;

inline void put16(Bytes& b, int v) { vantor::appendU16(b, static_cast<uint16_t>(v)); }
inline void put32(Bytes& b, int32_t v) { vantor::appendU32(b, static_cast<uint32_t>(v)); }

}  // namespace resbuild
