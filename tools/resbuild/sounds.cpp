#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "geometry.h"

namespace resbuild {
namespace {

enum class Wave { Sine, Triangle, Square };

// A mono float buffer that effects are mixed into, in seconds.
class Mix {
public:
    explicit Mix(float seconds) : s_(static_cast<size_t>(seconds * kSampleRate) + 1, 0.0f) {}

    // A tone gliding from f0 to f1 Hz, struck at `at`, fading by `decay` per second.
    void tone(float at, float length, float f0, float f1, float amp, Wave wave, float decay = 0.0f) {
        double phase = 0;
        forEach(at, length, [&](float t, float& out) {
            float f = f0 * std::pow(f1 / f0, t / length);
            phase += double(f) / kSampleRate;
            float x = float(phase - std::floor(phase));
            float v = wave == Wave::Sine       ? std::sin(2 * kPi * x)
                      : wave == Wave::Triangle ? 4 * std::fabs(x - 0.5f) - 1
                                               : std::tanh(6 * std::sin(2 * kPi * x)) * 0.6f;
            out += amp * v * envelope(t, length) * std::exp(-decay * t);
        });
    }

    // Noise through a low-pass whose corner moves from c0 to c1 Hz.
    void noise(float at, float length, float c0, float c1, float amp) {
        float low = 0;
        forEach(at, length, [&](float t, float& out) {
            seed_ = seed_ * 1664525u + 1013904223u;
            float white = float(seed_ >> 8) / float(1u << 24) * 2 - 1;
            float corner = c0 + (c1 - c0) * t / length;
            float k = 1 - std::exp(-2 * kPi * corner / kSampleRate);
            low += k * (white - low);
            out += amp * low * envelope(t, length) * 2.5f;
        });
    }

    std::vector<uint8_t> samples() const {
        std::vector<uint8_t> out;
        for (float v : s_) out.push_back(static_cast<uint8_t>(std::clamp(std::lround(128 + 127 * std::clamp(v, -1.0f, 1.0f)), 0L, 255L)));
        out.front() = 128;
        out.back() = 128;
        return out;
    }

private:
    // Short ramps at both ends so nothing clicks.
    static float envelope(float t, float length) {
        float attack = std::min(0.004f, length / 4);
        float release = std::min(0.02f, length / 3);
        return std::min({1.0f, t / attack, (length - t) / release});
    }

    template <typename F>
    void forEach(float at, float length, F f) {
        size_t first = static_cast<size_t>(at * kSampleRate);
        size_t count = static_cast<size_t>(length * kSampleRate);
        for (size_t i = 0; i < count && first + i < s_.size(); ++i) f(float(i) / kSampleRate, s_[first + i]);
    }

    std::vector<float> s_;
    uint32_t seed_ = 12345;
};

std::vector<uint8_t> curtainSwish() {
    Mix m(0.42f);
    m.noise(0.0f, 0.21f, 300, 2600, 0.3f);
    m.noise(0.2f, 0.21f, 2600, 300, 0.3f);
    return m.samples();
}

std::vector<uint8_t> gameEnded() {
    Mix m(0.95f);
    const float notes[] = {392.0f, 330.0f, 262.0f, 196.0f};
    for (int i = 0; i < 4; ++i) m.tone(0.2f * float(i), i == 3 ? 0.5f : 0.22f, notes[i], notes[i] * 0.99f, 0.4f, Wave::Triangle, 4.0f);
    return m.samples();
}

std::vector<uint8_t> pieceLands() {
    Mix m(0.08f);
    m.tone(0.0f, 0.08f, 520, 170, 0.6f, Wave::Sine, 30.0f);
    return m.samples();
}

std::vector<uint8_t> pieceEaten() {
    Mix m(0.1f);
    m.tone(0.0f, 0.1f, 220, 760, 0.5f, Wave::Sine, 12.0f);
    m.tone(0.0f, 0.05f, 110, 160, 0.25f, Wave::Square, 20.0f);
    return m.samples();
}

std::vector<uint8_t> menuOpens() {
    Mix m(0.32f);
    const float notes[] = {523.0f, 659.0f, 784.0f, 1047.0f};
    for (int i = 0; i < 4; ++i) m.tone(0.05f * float(i), 0.17f, notes[i], notes[i], 0.22f, Wave::Triangle, 14.0f);
    m.noise(0.0f, 0.3f, 800, 3000, 0.15f);
    return m.samples();
}

std::vector<uint8_t> softTick() {
    Mix m(0.05f);
    m.tone(0.0f, 0.05f, 1400, 1200, 0.3f, Wave::Sine, 60.0f);
    return m.samples();
}

std::vector<uint8_t> twoNotes(float first, float second) {
    Mix m(0.2f);
    m.tone(0.0f, 0.1f, first, first, 0.4f, Wave::Triangle, 10.0f);
    m.tone(0.09f, 0.11f, second, second, 0.4f, Wave::Triangle, 10.0f);
    return m.samples();
}

std::vector<uint8_t> buttonClick() {
    Mix m(0.05f);
    m.tone(0.0f, 0.04f, 1300, 900, 0.35f, Wave::Square, 70.0f);
    m.noise(0.0f, 0.03f, 4000, 2000, 0.3f);
    return m.samples();
}

std::vector<uint8_t> scatter() {
    Mix m(0.55f);
    for (int i = 0; i < 14; ++i) {
        float at = 0.035f * float(i);
        float pitch = 300.0f + float((i * 7919) % 13) * 45.0f;
        m.tone(at, 0.06f, pitch, pitch * 2.2f, 0.3f, Wave::Sine, 25.0f);
    }
    m.noise(0.0f, 0.5f, 1500, 300, 0.12f);
    return m.samples();
}

std::vector<uint8_t> swapSwish() {
    Mix m(0.16f);
    m.tone(0.0f, 0.16f, 480, 880, 0.35f, Wave::Sine, 6.0f);
    m.noise(0.0f, 0.16f, 500, 2500, 0.15f);
    return m.samples();
}

std::vector<uint8_t> scoreChime() {
    Mix m(0.42f);
    for (float f : {1047.0f, 1568.0f, 2093.0f}) m.tone(0.0f, 0.42f, f, f, 0.2f, Wave::Sine, 8.0f);
    return m.samples();
}

std::vector<uint8_t> settleThud() {
    Mix m(0.13f);
    m.tone(0.0f, 0.13f, 160, 80, 0.6f, Wave::Sine, 18.0f);
    m.noise(0.0f, 0.06f, 600, 200, 0.25f);
    return m.samples();
}

}  // namespace

std::vector<std::vector<uint8_t>> soundEffects() {
    return {
        curtainSwish(),             // 0 a curtain screen starts
        gameEnded(),                // 1 the game is over
        pieceLands(),               // 2 an arriving piece lands
        pieceEaten(),               // 3 the carrier eats a piece
        menuOpens(),                // 4 the menu opens
        softTick(),                 // 5 kept for the table's numbering
        twoNotes(659.0f, 880.0f),   // 6 effects on
        twoNotes(880.0f, 587.0f),   // 7 effects off
        buttonClick(),              // 8 a menu button is chosen
        scatter(),                  // 9 the board is cleared for a new game
        swapSwish(),                // 10 two pieces swap
        scoreChime(),               // 11 the removal is scored
        settleThud(),               // 12 the spokes settle
        softTick(),                 // 13 nothing to settle
    };
}

}  // namespace resbuild
