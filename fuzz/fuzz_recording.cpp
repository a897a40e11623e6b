// Any bytes as a demo to play back: every poll leaves the pointer on the
// screen, and the playback ends by itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_files.h"
#include "input/input_devices.h"
#include "input/recording.h"
#include "platform/headless/headless_backend.h"

namespace {

// DATA32.RES in a folder of its own, with the headless machine installed.
std::string setUp() {
    vantor::platform::headless::installFresh();
    return vantor::fuzz::freshFolder() + "DATA32.RES";
}

void checkOnScreen(const vantor::MouseState& m) {
    if (m.x < 0 || m.x > 639 || m.y < 0 || m.y > 479) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string demo = setUp();
    using vantor::inputDevices;
    vantor::fuzz::writeFile(demo, data, size);
    inputDevices = vantor::InputDevices{};
    if (inputDevices.init() != 3) std::abort();
    vantor::OpenRecording(demo, false);
    // A step takes one word at least, so the demo ends within size / 4 + 1 polls.
    for (size_t polls = 0; inputDevices.recorder.active; ++polls) {
        if (polls > size / 4) std::abort();
        inputDevices.PollMouse();
        checkOnScreen(inputDevices.mouse);
    }
    inputDevices.PollMouse();  // live again
    checkOnScreen(inputDevices.mouse);
    inputDevices.shutdown();
    return 0;
}
