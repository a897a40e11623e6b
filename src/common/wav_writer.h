#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// Writes 8-bit unsigned mono 22,050 Hz samples as a WAV file; false when it cannot.
bool writeWav(const std::string& path, const std::vector<uint8_t>& samples);

}  // namespace vantor
