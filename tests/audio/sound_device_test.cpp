#include "audio/sound_device.h"

#include <gtest/gtest.h>

#include "audio/mix_reference.h"
#include "audio/sound_regions.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::headless::setFault;
using testing::MixReference;
using testing::sampleAt;

// Regions 0 to 13, each of its own length and never silent.
std::vector<std::vector<uint8_t>> makeRegions() {
    std::vector<std::vector<uint8_t>> regions;
    for (int k = 0; k < 14; ++k) {
        std::vector<uint8_t> samples(150 + 10 * k);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<uint8_t>(138 + (i * 7 + k * 11) % 30);
        regions.push_back(samples);
    }
    return regions;
}

class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::clearFaults();
        backend = &platform::headless::installFresh();
        soundDevice = SoundDevice{};
    }

    void TearDown() override {
        soundDevice.shutdown();
        soundDevice = SoundDevice{};
        platform::headless::clearFaults();
    }

    void advance(uint32_t ms) {
        backend->world().clock += ms;
        elapsed += ms;
    }
    size_t now() const { return sampleAt(elapsed); }
    const std::vector<uint8_t>& heard() { return backend->audio().samples(); }

    platform::headless::HeadlessBackend* backend = nullptr;
    testing::SoundRegions sounds{makeRegions()};
    const std::vector<std::vector<uint8_t>>& regions = sounds.regions;
    const std::vector<const uint8_t*>& table = sounds.table;
    uint32_t elapsed = 0;
    MixReference expected;
};

TEST_F(SoundDeviceTest, EffectsOffPlayNothingAndKeepTheChannelsRegion) {
    soundDevice.init();
    soundDevice.loadRegion(0, 4);
    soundDevice.soundOn = 0;
    EXPECT_EQ(soundDevice.play(0, 0), kPlayNothing);
    soundDevice.loadRegion(0, 8);
    EXPECT_EQ(soundDevice.regionStart[0], table[4]);
    EXPECT_EQ(soundDevice.regionLength[0], regions[4].size());

    advance(20);
    soundDevice.soundOn = 1;
    EXPECT_EQ(soundDevice.play(0, 0), kPlayStarted);
    expected.play(0, now(), regions[4]);
    advance(50);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, OneShotCutsOffTheOneBeforeIt) {
    soundDevice.init();
    soundDevice.playRegion(0, 8);
    expected.play(0, now(), regions[8]);
    advance(3);
    soundDevice.playRegion(0, 9);
    expected.play(0, now(), regions[9]);
    advance(30);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, BoardChannelsSoundOnUnderOneShots) {
    soundDevice.init();
    soundDevice.loadRegion(2, 3);
    soundDevice.loadRegion(3, 2);
    soundDevice.play(2, 0);
    expected.play(2, now(), regions[3]);
    advance(2);
    soundDevice.play(3, 0);
    expected.play(3, now(), regions[2]);
    advance(2);
    soundDevice.playRegion(0, 11);
    expected.play(0, now(), regions[11]);
    advance(1);
    soundDevice.playRegion(0, 12);
    expected.play(0, now(), regions[12]);
    advance(40);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, ReplayingAChannelRestartsItsRegion) {
    soundDevice.init();
    soundDevice.loadRegion(3, 2);
    soundDevice.play(3, 0);
    expected.play(3, now(), regions[2]);
    advance(4);
    EXPECT_EQ(soundDevice.play(3, 0), kPlayStarted);
    expected.play(3, now(), regions[2]);
    advance(30);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, SwitchingOffIsHeardBeforeSilenceAndSwitchingOnAfter) {
    soundDevice.init();
    soundDevice.switchOff();
    EXPECT_EQ(soundDevice.soundOn, 0);
    expected.play(0, now(), regions[7]);
    advance(5);
    soundDevice.playRegion(0, 9);  // unheard, and region 7 plays on
    advance(30);
    soundDevice.switchOn();
    EXPECT_EQ(soundDevice.soundOn, 1);
    expected.play(0, now(), regions[6]);
    advance(30);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, WithoutADeviceNothingIsEverSwitchedOnOrMade) {
    setFault("sound", true);
    EXPECT_TRUE(soundDevice.init());
    EXPECT_EQ(soundDevice.soundAvailable, 0);
    EXPECT_EQ(soundDevice.soundOn, 0);
    soundDevice.switchOn();
    EXPECT_EQ(soundDevice.soundOn, 0);
    soundDevice.loadRegion(3, 2);
    EXPECT_EQ(soundDevice.play(3, 0), kPlayNothing);
    soundDevice.switchOff();
    EXPECT_EQ(soundDevice.soundOn, 0);
    for (const auto& buffer : soundDevice.mixer.buffers) EXPECT_EQ(buffer, nullptr);
    advance(100);
    EXPECT_TRUE(heard().empty());
}

TEST_F(SoundDeviceTest, LostBuffersAreRestoredAndRefilledWhenNextPlayed) {
    soundDevice.init();
    soundDevice.loadRegion(2, 3);
    soundDevice.loadRegion(3, 2);
    soundDevice.play(3, 0);
    expected.play(3, now(), regions[2]);
    advance(2);
    backend->audio().loseBuffers();
    // The loss silences channel 3 too; channel 2 comes back with its samples.
    EXPECT_EQ(soundDevice.play(2, 0), kPlayStarted);
    expected.stop(3, now());
    expected.play(2, now(), regions[3]);
    advance(5);
    EXPECT_EQ(soundDevice.play(3, 0), kPlayStarted);
    expected.play(3, now(), regions[2]);
    advance(5);
    setFault("sound-lost", true);  // every play finds its buffer lost
    EXPECT_EQ(soundDevice.play(2, 0), kPlayStarted);
    expected.stop(3, now());
    expected.play(2, now(), regions[3]);
    advance(30);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, BufferThatCannotBeRestoredStaysSilentUntilItComesBack) {
    soundDevice.init();
    soundDevice.loadRegion(3, 2);
    backend->audio().loseBuffers();
    setFault("sound-restore", true);
    EXPECT_EQ(soundDevice.play(3, 0), kPlayLost);
    advance(10);
    setFault("sound-restore", false);
    EXPECT_EQ(soundDevice.play(3, 0), kPlayStarted);
    expected.play(3, now(), regions[2]);
    advance(20);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, BufferThatCannotBeMadeOrFilledLeavesTheEffectSilent) {
    soundDevice.init();
    soundDevice.playRegion(0, 4);
    expected.play(0, now(), regions[4]);
    advance(2);
    // The old buffer goes even though no new one comes.
    setFault("sound-buffer", true);
    soundDevice.loadRegion(0, 8);
    EXPECT_EQ(soundDevice.mixer.buffers[0], nullptr);
    EXPECT_EQ(soundDevice.play(0, 0), kPlayNothing);
    expected.stop(0, now());
    advance(5);
    setFault("sound-buffer", false);
    setFault("sound-lock", true);
    soundDevice.loadRegion(0, 9);
    EXPECT_EQ(soundDevice.play(0, 0), kPlayStarted);
    advance(20);
    EXPECT_EQ(heard(), expected.render(now()));
}

TEST_F(SoundDeviceTest, ShutdownReleasesEveryBufferAndClosesTheDevice) {
    soundDevice.init();
    soundDevice.loadRegion(2, 3);
    soundDevice.playRegion(0, 1);
    soundDevice.shutdown();
    for (const auto& buffer : soundDevice.mixer.buffers) EXPECT_EQ(buffer, nullptr);
    size_t mixed = heard().size();
    advance(50);
    EXPECT_EQ(heard().size(), mixed);  // nothing pulls any more
}

}  // namespace
}  // namespace vantor
