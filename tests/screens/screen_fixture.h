#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/headless_backend.h"
#include "support/headless_fixture.h"

namespace vantor::testing {

// One record of HIGH30 as a test writes or reads it.
struct Row {
    std::string name;
    int32_t score = 0;
    bool operator==(const Row&) const = default;
};
using Rows = std::vector<Row>;

// The raw bytes of a HIGH30 holding these rows, in this order.
std::string high30Bytes(const Rows& rows);
void writeHigh30(const Rows& rows);
// The file's bytes ("" when it is missing).
std::string readFileBytes(const std::string& path);
// The file's records; a size that is no multiple of 40 fails the test.
Rows readHigh30();

// A headless machine with the game's resources, devices and a fresh
// high-score table, in a temporary folder that is the installation folder.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new headless machine (frame 0, no script) with the devices brought up
    // again; the loaded resources and the files stay.
    void freshMachine();
    // Sets the input script of a fresh machine (frames as its world counts them).
    void script(const std::string& text);
    uint32_t frame() const { return backend->world().frame; }
    // The picture last presented, as 640 x 480 packed indices.
    std::vector<uint8_t> shown() const;
    // The frame buffer, as 640 x 480 packed indices.
    std::vector<uint8_t> composed() const;
    uint32_t presents() const { return backend->display().presents(); }

    platform::headless::HeadlessBackend* backend = nullptr;
    ScopedTempDir dir;
    ScopedEnv home{"VANTOR_HOME", ""};
    ScopedEnv owner{"VANTOR_OWNER", "Test Owner"};
    // A screen that waits for ever closes the window instead of hanging the test.
    ScopedEnv frameLimit{"VANTOR_FRAMES", "20000"};
};

}  // namespace vantor::testing
