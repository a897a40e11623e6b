#pragma once
#include <gtest/gtest.h>
#include <memory>

#include "input/input_devices.h"
#include "platform/headless/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/platform.h"

namespace vantor::testing {

// The headless input, counting how often the game reads and acquires it.
class CountingInput final : public platform::Input {
public:
    explicit CountingInput(platform::Input& inner) : inner_(inner) {}
    bool create() override { return inner_.create(); }
    bool openKeyboard() override { return inner_.openKeyboard(); }
    bool openMouse() override { return inner_.openMouse(); }
    platform::DeviceResult keyboardState(uint8_t keys[256]) override {
        ++keyboardReads;
        return inner_.keyboardState(keys);
    }
    platform::DeviceResult mouseState(platform::MouseReading& reading) override {
        ++mouseReads;
        return inner_.mouseState(reading);
    }
    platform::DeviceResult acquireKeyboard() override {
        ++keyboardAcquires;
        return inner_.acquireKeyboard();
    }
    platform::DeviceResult acquireMouse() override {
        ++mouseAcquires;
        return inner_.acquireMouse();
    }
    platform::GamepadState gamepadState() override { return inner_.gamepadState(); }
    void close() override { inner_.close(); }

    int keyboardReads = 0, mouseReads = 0, keyboardAcquires = 0, mouseAcquires = 0;

private:
    platform::Input& inner_;
};

// A headless backend whose input is counted.
class CountingBackend final : public platform::Backend {
public:
    platform::System& system() override { return headless.system(); }
    platform::Display& display() override { return headless.display(); }
    platform::Input& input() override { return counted; }
    platform::Audio& audio() override { return headless.audio(); }
    platform::Cd& cd() override { return headless.cd(); }

    platform::headless::HeadlessBackend headless;
    CountingInput counted{headless.input()};
};

// Installs a fresh counting backend with this input script.
inline CountingBackend& installCounting(const std::string& script) {
    auto backend = std::make_unique<CountingBackend>();
    CountingBackend& ref = *backend;
    std::string error;
    EXPECT_TRUE(ref.headless.setScript(script, error)) << error;
    platform::install(std::move(backend));
    return ref;
}

// Freshly initialised devices on a counting backend, driven frame by frame.
class InputFixture : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::clearFaults(); }
    void TearDown() override {
        inputDevices.shutdown();
        inputDevices = InputDevices{};
        platform::headless::clearFaults();
    }

    // A fresh backend with this script; returns what init says.
    int start(const std::string& script) {
        backend = &installCounting(script);
        inputDevices = InputDevices{};
        return inputDevices.init();
    }
    // One frame's input: mouse, then keyboard; then the script moves on.
    void frame() {
        inputDevices.PollMouse();
        inputDevices.PollKeyboard();
        backend->headless.system().frameDone();
    }
    const MouseState& mouse() const { return inputDevices.mouse; }

    CountingBackend* backend = nullptr;
};

}  // namespace vantor::testing
