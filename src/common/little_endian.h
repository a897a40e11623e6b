#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

namespace vantor {

// Resource data is used in place and unaligned; these read it safely.
inline int32_t readI32(const uint8_t* p) {
    uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return static_cast<int32_t>(v);
}
inline uint32_t readU32(const uint8_t* p) { return static_cast<uint32_t>(readI32(p)); }
inline uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline int16_t readI16(const uint8_t* p) { return static_cast<int16_t>(readU16(p)); }

inline void appendU16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void appendU32(std::vector<uint8_t>& out, uint32_t value) {
    appendU16(out, static_cast<uint16_t>(value));
    appendU16(out, static_cast<uint16_t>(value >> 16));
}

inline void writeI32(uint8_t* p, int32_t value) {
    auto v = static_cast<uint32_t>(value);
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

}  // namespace vantor
