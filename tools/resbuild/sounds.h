#pragma once
#include <cstdint>
#include <vector>

namespace resbuild {

constexpr int kSampleRate = 22050;

// The sound regions in order 0..13: 8-bit unsigned mono, silence 128, each
// starting and ending on silence.
std::vector<std::vector<uint8_t>> soundEffects();

}  // namespace resbuild
