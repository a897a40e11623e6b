#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio.h"

namespace vantor {

constexpr int kSoundChannels = 5;
constexpr uint8_t kSilence = 128;

// A channel's buffer: its own copy of one region and a play cursor. Once
// started it sounds from the cursor to its end and stops there.
struct SoundBuffer {
    explicit SoundBuffer(uint32_t length) : samples(length, kSilence) {}

    // The device took the contents away: silent until restored and refilled.
    void lose();

    std::vector<uint8_t> samples;
    uint32_t position = 0;
    bool playing = false;
    bool lost = false;
};

// Sums the sounding buffers of the five channels around silence, clipped to
// the 8-bit range; the backend pulls from it.
class Mixer final : public platform::MixSource {
public:
    void mix(uint8_t* out, uint32_t n) override;

    std::array<std::unique_ptr<SoundBuffer>, kSoundChannels> buffers;
};

}  // namespace vantor
