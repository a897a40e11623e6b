#include "audio/cd_audio.h"

#include <gtest/gtest.h>

#include "support/headless_fixture.h"

namespace vantor {
namespace {

class CdAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::clearFaults();
        backend = &platform::headless::installFresh();
        cdAudio = CdAudio{};
    }
    void TearDown() override {
        cdAudio = CdAudio{};
        platform::headless::clearFaults();
    }

    platform::headless::HeadlessCd& cd() { return backend->cd(); }

    platform::headless::HeadlessBackend* backend = nullptr;
};

TEST_F(CdAudioTest, WithoutADriveNothingIsEverSent) {
    cd().setPresent(false);
    EXPECT_FALSE(cdAudio.open());
    cdAudio.stop();
    cdAudio.close();
    EXPECT_EQ(cdAudio.isOpen, 0);
    EXPECT_EQ(cd().timeFormats + cd().stops + cd().closes, 0);
}

TEST_F(CdAudioTest, OpenDeviceIsStoppedOnRequestAndStoppedAgainBeforeClosing) {
    cd().setPresent(true);
    EXPECT_TRUE(cdAudio.open());
    EXPECT_EQ(cdAudio.isOpen, 1);
    EXPECT_EQ(cdAudio.device, platform::headless::HeadlessCd::kDevice);
    EXPECT_EQ(cd().opens, 1);
    EXPECT_EQ(cd().timeFormats, 1);
    cdAudio.stop();
    cdAudio.stop();
    EXPECT_EQ(cd().stops, 2);
    cdAudio.close();
    EXPECT_EQ(cd().stops, 3);
    EXPECT_EQ(cd().closes, 1);
}

TEST_F(CdAudioTest, RefusedTimeFormatClosesTheDeviceAndLeavesItClosed) {
    cd().setPresent(true);
    platform::headless::setFault("cd-time-format", true);
    EXPECT_FALSE(cdAudio.open());
    EXPECT_EQ(cdAudio.isOpen, 0);
    EXPECT_EQ(cd().closes, 1);
    cdAudio.stop();
    cdAudio.close();
    EXPECT_EQ(cd().stops, 0);
    EXPECT_EQ(cd().closes, 1);
}

}  // namespace
}  // namespace vantor
