#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace vantor::testing {

// What the speaker should receive, worked out sample by sample from the
// plays alone: each play sounds its samples from its onset until they end or
// the next play on the same channel cuts them off.
class MixReference {
public:
    void play(int channel, size_t onset, const std::vector<uint8_t>& samples) {
        stop(channel, onset);
        voices_.push_back({channel, onset, std::numeric_limits<size_t>::max(), &samples});
    }

    // The channel falls silent at sample at (its buffer was taken away).
    void stop(int channel, size_t at) {
        for (Voice& voice : voices_)
            if (voice.channel == channel) voice.cut = std::min(voice.cut, at);
    }

    // The value at sample t before clipping.
    int unclipped(size_t t) const {
        int sum = 128;
        for (const Voice& voice : voices_)
            if (t >= voice.onset && t < voice.cut && t - voice.onset < voice.samples->size())
                sum += (*voice.samples)[t - voice.onset] - 128;
        return sum;
    }

    std::vector<uint8_t> render(size_t length) const {
        std::vector<uint8_t> out(length);
        for (size_t t = 0; t < length; ++t) out[t] = static_cast<uint8_t>(std::clamp(unclipped(t), 0, 255));
        return out;
    }

private:
    struct Voice {
        int channel;
        size_t onset;
        size_t cut;
        const std::vector<uint8_t>* samples;
    };
    std::vector<Voice> voices_;
};

// The first sample mixed after ms virtual milliseconds of sound.
inline size_t sampleAt(uint64_t ms) { return static_cast<size_t>(ms * 22050 / 1000); }

}  // namespace vantor::testing
