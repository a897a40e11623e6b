#include "screens/screen_fixture.h"

#include <fstream>
#include <sstream>

#include "app/frame_pump.h"
#include "app/startup.h"
#include "audio/sound_device.h"
#include "common/little_endian.h"
#include "game/speed_control.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/logo_image.h"
#include "video/screen_copy.h"
#include "video/vdp.h"

namespace vantor::testing {

std::string high30Bytes(const Rows& rows) {
    std::string bytes;
    for (const Row& row : rows) {
        char record[40] = {};
        row.name.copy(record, 35);
        writeI32(reinterpret_cast<uint8_t*>(record) + 36, row.score);
        bytes.append(record, sizeof record);
    }
    return bytes;
}

void writeHigh30(const Rows& rows) {
    std::ofstream("HIGH30", std::ios::binary | std::ios::trunc) << high30Bytes(rows);
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Rows readHigh30() {
    std::string bytes = readFileBytes("HIGH30");
    EXPECT_EQ(bytes.size() % 40, 0u);
    Rows rows;
    for (size_t at = 0; at + 40 <= bytes.size(); at += 40) {
        const char* record = bytes.data() + at;
        rows.push_back({std::string(record, strnlen(record, 36)),
                        readI32(reinterpret_cast<const uint8_t*>(record) + 36)});
    }
    return rows;
}

void ScreenTest::SetUp() {
    ASSERT_TRUE(copyFromBuild("DATA30.RES"));
    ASSERT_TRUE(copyFromBuild("kelvo.res"));
    platform::headless::clearFaults();
    freshMachine();
    ASSERT_TRUE(loadData30());
    highScoreTable.close();
    highScoreTable.reset();
    logoImage = LogoImage{};
    freeSavedScreen();
}

void ScreenTest::freshMachine() {
    if (platform::installed()) {
        soundDevice.shutdown();
        inputDevices.shutdown();
        vdp.shutdown();
    }
    backend = &platform::headless::installFresh();
    pump = PumpState{};
    pump.appActive = 1;
    startup = StartupState{};
    frameDelay = 35;
    speedGauge = SpeedGauge{};
    ASSERT_TRUE(vdp.init(true));
    auto polled = std::move(inputDevices.mousePolled);
    inputDevices = InputDevices{};
    inputDevices.mousePolled = std::move(polled);
    ASSERT_NE(inputDevices.init(), 0);
    soundDevice.init();
}

void ScreenTest::TearDown() {
    highScoreTable.close();
    freeSavedScreen();
    inputDevices.mousePolled = nullptr;
    soundDevice.shutdown();
    inputDevices.shutdown();
    vdp.shutdown();
    releaseData30();
    platform::headless::clearFaults();
}

void ScreenTest::script(const std::string& text) {
    std::string error;
    ASSERT_TRUE(backend->setScript(text, error)) << error;
}

std::vector<uint8_t> ScreenTest::shown() const {
    const auto& surface = backend->display().surface();
    int pitch = backend->display().pitch();
    std::vector<uint8_t> picture(kScreenCopyBytes);
    for (int y = 0; y < kScreenHeight; ++y)
        std::copy_n(surface.begin() + static_cast<ptrdiff_t>(y) * pitch, kScreenWidth,
                    picture.begin() + y * kScreenWidth);
    return picture;
}

std::vector<uint8_t> ScreenTest::composed() const {
    std::vector<uint8_t> picture(kScreenCopyBytes);
    vdp.saveScreen(picture.data());
    return picture;
}

}  // namespace vantor::testing
