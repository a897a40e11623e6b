#include "audio/mixer.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr uint32_t kBlock = 256;

// Adds the next samples of a sounding buffer to the block, stopping it at its end.
void addBuffer(SoundBuffer& buffer, int* block, uint32_t n) {
    uint32_t left = static_cast<uint32_t>(buffer.samples.size()) - buffer.position;
    uint32_t count = std::min(n, left);
    const uint8_t* from = buffer.samples.data() + buffer.position;
    for (uint32_t i = 0; i < count; ++i) block[i] += from[i] - kSilence;
    buffer.position += count;
    if (count == left) buffer.playing = false;
}

}  // namespace

void SoundBuffer::lose() {
    std::fill(samples.begin(), samples.end(), kSilence);
    playing = false;
    lost = true;
}

void Mixer::mix(uint8_t* out, uint32_t n) {
    int block[kBlock];
    while (n > 0) {
        uint32_t count = std::min(n, kBlock);
        std::fill_n(block, count, static_cast<int>(kSilence));
        for (auto& buffer : buffers)
            if (buffer && buffer->playing) addBuffer(*buffer, block, count);
        for (uint32_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(std::clamp(block[i], 0, 255));
        out += count;
        n -= count;
    }
}

}  // namespace vantor
