#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/headless/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/os_services.h"
#include "video/vdp.h"

namespace vantor::test {

// A plain image: header and width x height pixels, row by row.
inline std::vector<uint8_t> plainImage(int xOffset, int yOffset, int width, int height,
                                       const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> image(8 + pixels.size());
    const int fields[4] = {xOffset, yOffset, width, height};
    for (int i = 0; i < 4; ++i) {
        image[2 * i] = uint8_t(fields[i]);
        image[2 * i + 1] = uint8_t(fields[i] >> 8);
    }
    std::copy(pixels.begin(), pixels.end(), image.begin() + 8);
    return image;
}

// A fresh headless backend with the given surface pitch and a Vdp of its own.
class VdpFixture : public ::testing::Test {
protected:
    void openVdp(int pitch = 640) {
        std::string wanted = std::to_string(pitch);
        platform::os::setEnvironment("VANTOR_PITCH", pitch == 640 ? nullptr : wanted.c_str());
        backend = &platform::headless::installFresh();
        platform::headless::clearFaults();
        ASSERT_TRUE(vdp.init(true));
        ASSERT_EQ(vdp.pitch(), pitch);
    }
    void TearDown() override {
        platform::os::setEnvironment("VANTOR_PITCH", nullptr);
        platform::headless::clearFaults();
    }
    platform::headless::HeadlessDisplay& display() { return backend->display(); }
    void fillFrame(uint8_t value) {
        std::fill(vdp.frameBuffer(), vdp.frameBuffer() + size_t(vdp.pitch()) * 480, value);
    }

    platform::headless::HeadlessBackend* backend = nullptr;
    Vdp vdp;
};

}  // namespace vantor::test
