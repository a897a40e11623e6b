#include "audio/mixer.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

void start(Mixer& mixer, int channel, std::vector<uint8_t> samples) {
    auto buffer = std::make_unique<SoundBuffer>(static_cast<uint32_t>(samples.size()));
    buffer->samples = std::move(samples);
    buffer->playing = true;
    mixer.buffers[channel] = std::move(buffer);
}

TEST(MixerTest, FullChannelsClipAtBothEndsOfTheEightBitRange) {
    Mixer loud;
    Mixer quiet;
    for (int c = 0; c < kSoundChannels; ++c) {
        start(loud, c, std::vector<uint8_t>(10, 255));
        start(quiet, c, std::vector<uint8_t>(10, 0));
    }
    std::vector<uint8_t> high(10);
    std::vector<uint8_t> low(10);
    loud.mix(high.data(), 10);
    quiet.mix(low.data(), 10);
    EXPECT_EQ(high, std::vector<uint8_t>(10, 255));
    EXPECT_EQ(low, std::vector<uint8_t>(10, 0));
}

TEST(MixerTest, ChannelsAddAroundSilenceAndStopAtTheirEnds) {
    Mixer mixer;
    start(mixer, 0, {140, 150, 160});
    start(mixer, 3, {100, 120});
    std::vector<uint8_t> out(5);
    mixer.mix(out.data(), 5);
    EXPECT_EQ(out, (std::vector<uint8_t>{112, 142, 160, 128, 128}));
    EXPECT_FALSE(mixer.buffers[0]->playing);
    EXPECT_FALSE(mixer.buffers[3]->playing);
    mixer.mix(out.data(), 5);
    EXPECT_EQ(out, std::vector<uint8_t>(5, 128));
}

TEST(MixerTest, PullsOfAnySizeGiveTheSameStream) {
    std::vector<uint8_t> ramp(1500);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i * 13);
    Mixer whole;
    Mixer pieces;
    start(whole, 1, ramp);
    start(pieces, 1, ramp);
    std::vector<uint8_t> once(2000);
    std::vector<uint8_t> inParts(2000);
    whole.mix(once.data(), 2000);
    uint32_t done = 0;
    for (uint32_t size : {1u, 7u, 300u, 511u, 1181u}) {
        pieces.mix(inParts.data() + done, size);
        done += size;
    }
    ASSERT_EQ(done, 2000u);
    EXPECT_EQ(inParts, once);
    EXPECT_TRUE(std::equal(ramp.begin(), ramp.end(), once.begin()));
}

}  // namespace
}  // namespace vantor
