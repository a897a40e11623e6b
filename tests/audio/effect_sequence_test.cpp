// A scripted run of effects, frame by frame as the game plays them, mixed by
// the headless device into a WAV file that is then read back and checked.
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

#include <gtest/gtest.h>

#include "audio/mix_reference.h"
#include "common/little_endian.h"
#include "audio/sound_device.h"
#include "audio/sound_regions.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using testing::MixReference;
using testing::sampleAt;

constexpr uint32_t kFrameMs = 35;
constexpr double kPi = 3.14159265358979323846;

// Region k: a fading tone of its own pitch. The board's two effects are
// loud square waves, so that they clip when they meet.
std::vector<uint8_t> makeEffect(int k) {
    bool board = k == 2 || k == 3;
    double pitch = 330.0 * std::pow(2.0, k / 12.0);
    size_t length = sampleAt(board ? 120 : 90 + 15 * k);
    std::vector<uint8_t> samples(length);
    for (size_t i = 0; i < length; ++i) {
        double phase = std::sin(2 * kPi * pitch * static_cast<double>(i) / 22050);
        double fade = 1.0 - static_cast<double>(i) / static_cast<double>(length);
        double level = board ? (phase >= 0 ? 115 : -115) : 95 * phase * fade;
        samples[i] = static_cast<uint8_t>(std::lround(128 + level));
    }
    return samples;
}

std::vector<std::vector<uint8_t>> makeEffects() {
    std::vector<std::vector<uint8_t>> effects;
    for (int k = 0; k < 14; ++k) effects.push_back(makeEffect(k));
    return effects;
}

uint32_t read32(const std::vector<uint8_t>& bytes, size_t at) { return readU32(bytes.data() + at); }
uint32_t read16(const std::vector<uint8_t>& bytes, size_t at) { return readU16(bytes.data() + at); }

class EffectSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::clearFaults();
        backend = &platform::headless::installFresh();
        soundDevice = SoundDevice{};
    }

    void TearDown() override { soundDevice = SoundDevice{}; }

    // One-shot effect k this frame.
    void oneShot(int k) {
        soundDevice.playRegion(0, k);
        expected.play(0, sampleAt(frame * kFrameMs), regions[k]);
    }
    // The board's effect on a channel loaded at the start.
    void board(int channel) {
        soundDevice.play(channel, 0);
        expected.play(channel, sampleAt(frame * kFrameMs), regions[channel == 2 ? 3 : 2]);
    }

    platform::headless::HeadlessBackend* backend = nullptr;
    testing::SoundRegions sounds{makeEffects()};
    const std::vector<std::vector<uint8_t>>& regions = sounds.regions;
    uint32_t frame = 0;
    MixReference expected;
};

TEST_F(EffectSequenceTest, WavHoldsEveryEffectFromItsFramesSampleAndClipsSums) {
    const std::string path = std::string(VANTOR_BUILD_DIR) + "/effects_sequence.wav";
    testing::ScopedEnv wav("VANTOR_WAV", path.c_str());
    std::remove(path.c_str());

    const std::vector<std::pair<uint32_t, std::function<void()>>> script = {
        {0, [&] { soundDevice.loadRegion(2, 3), soundDevice.loadRegion(3, 2), oneShot(0); }},
        {20, [&] { board(3); }},
        {22, [&] { board(3); }},
        {23, [&] { board(3); }},  // cuts the one before short
        {30, [&] { oneShot(10); }},
        {31, [&] { board(2), oneShot(8); }},
        {32, [&] { board(2), board(3); }},
        {33, [&] { oneShot(11); }},
        {45, [&] { oneShot(12); }},
        {47, [&] { oneShot(13); }},
        {60, [&] { oneShot(4); }},
        {70, [&] { soundDevice.switchOff(), expected.play(0, sampleAt(frame * kFrameMs), regions[7]); }},
        {75, [&] { soundDevice.playRegion(0, 9), soundDevice.play(2, 0); }},  // effects off: unheard
        {90, [&] { soundDevice.switchOn(), expected.play(0, sampleAt(frame * kFrameMs), regions[6]); }},
        {100, [&] { oneShot(9); }},
        {577, [&] { oneShot(1); }},  // far on: onsets must not drift
    };
    ASSERT_TRUE(soundDevice.init());
    size_t next = 0;
    for (frame = 0; frame < 640; ++frame) {
        if (next < script.size() && script[next].first == frame) script[next++].second();
        backend->system().idle(kFrameMs);
    }
    soundDevice.shutdown();

    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(file.size(), 44u);
    EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(file.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(read16(file, 20), 1u);      // PCM
    EXPECT_EQ(read16(file, 22), 1u);      // mono
    EXPECT_EQ(read32(file, 24), 22050u);  // samples per second
    EXPECT_EQ(read16(file, 34), 8u);      // bits per sample
    EXPECT_EQ(std::memcmp(file.data() + 36, "data", 4), 0);
    size_t length = read32(file, 40);
    ASSERT_EQ(length, sampleAt(640 * kFrameMs));
    ASSERT_GE(file.size(), 44 + length);
    std::vector<uint8_t> data(file.begin() + 44, file.begin() + 44 + static_cast<long>(length));

    std::vector<uint8_t> want = expected.render(length);
    size_t firstWrong = 0;
    while (firstWrong < length && data[firstWrong] == want[firstWrong]) ++firstWrong;
    EXPECT_EQ(firstWrong, length) << "first differing sample " << firstWrong;

    // The loud meetings went beyond 8 bits both ways, and were held at the ends.
    int above = 0;
    int below = 0;
    int wrapped = 0;
    for (size_t t = 0; t < length; ++t) {
        int sum = expected.unclipped(t);
        above += sum > 255;
        below += sum < 0;
        wrapped += (sum > 255 && data[t] != 255) || (sum < 0 && data[t] != 0);
    }
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
    EXPECT_EQ(wrapped, 0);
}

}  // namespace
}  // namespace vantor
