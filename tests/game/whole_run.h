#pragma once
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include "app/startup.h"
#include "game/play_trace.h"
#include "game_fixture.h"
#include "support/headless_fixture.h"
#include "support/players.h"
#include "trace_lines.h"

namespace vantor::test {

// What the player's hand does at one mouse poll: where it puts the mouse,
// or nothing to leave the mouse to the script.
using Hand = std::function<std::optional<MouseState>()>;

// The headless mouse replaced by a hand; the keyboard stays the script's.
class HandInput final : public platform::Input {
public:
    HandInput(platform::Input& inner, Hand hand) : inner_(inner), hand_(std::move(hand)) {}
    bool create() override { return inner_.create(); }
    bool openKeyboard() override { return inner_.openKeyboard(); }
    bool openMouse() override { return inner_.openMouse(); }
    platform::DeviceResult keyboardState(uint8_t keys[256]) override { return inner_.keyboardState(keys); }
    platform::DeviceResult mouseState(platform::MouseReading& reading) override {
        platform::DeviceResult result = inner_.mouseState(reading);
        std::optional<MouseState> hand = hand_ ? hand_() : std::nullopt;
        if (!hand) return result;
        reading = platform::MouseReading{};
        reading.absolute = true;
        reading.x = hand->x;
        reading.y = hand->y;
        reading.buttons[0] = hand->left ? 0x80 : 0;
        reading.buttons[1] = hand->right ? 0x80 : 0;
        return result;
    }
    platform::DeviceResult acquireKeyboard() override { return inner_.acquireKeyboard(); }
    platform::DeviceResult acquireMouse() override { return inner_.acquireMouse(); }
    void close() override { inner_.close(); }
    void typingName(bool on) override { typing = on; }

    bool typing = false;  // the game takes a name now

private:
    platform::Input& inner_;
    Hand hand_;
};

class HandBackend final : public platform::Backend {
public:
    explicit HandBackend(Hand hand) : input_{inner_.input(), std::move(hand)} {}
    platform::System& system() override { return inner_.system(); }
    platform::Display& display() override { return inner_.display(); }
    platform::Input& input() override { return input_; }
    platform::Audio& audio() override { return inner_.audio(); }
    platform::Cd& cd() override { return inner_.cd(); }

private:
    platform::headless::HeadlessBackend inner_;
    HandInput input_;
};

// The whole program run headless in a folder of its own, with the game's
// files, played by the clicker's script.
class WholeRunTest : public GameTest {
protected:
    static constexpr int kFrames = 9000;
    // The clicker's seed: its first game scores, even against a table of zeros.
    static constexpr uint32_t kSeed = 5;

    void SetUp() override {
        play();
        GameTest::SetUp();
        ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
        ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
    }
    void TearDown() override {
        playTrace.close();
        GameTest::TearDown();
    }

    // How the clicker plays the runs to come.
    static void play(const testing::ClickerPlay& how = {.seed = kSeed}) {
        std::ofstream("player.txt") << testing::clickerScript(kFrames, how);
    }
    // Runs the program with the hand given (none: the script plays); the trace it leaves.
    std::vector<std::string> run(Hand hand, const std::string& commandLine, const std::string& traceName) {
        platform::install(std::make_unique<HandBackend>(std::move(hand)));
        resetGameState();
        std::string trace = dir.path() + "/" + traceName;
        std::remove(trace.c_str());  // a trace is appended to
        EXPECT_TRUE(playTrace.open(trace));
        runProgram(commandLine);
        playTrace.close();
        return readLines(trace);
    }
    // Every run from the same files, none kept from an earlier run.
    static void forgetFiles() {
        for (const char* name : {"HIGH30", "GAME30", "GAME30.damaged"}) std::remove(name);
    }
    static HandInput& hand() { return static_cast<HandInput&>(platform::input()); }

    testing::ScopedTempDir dir;
    testing::ScopedEnv home{"VANTOR_HOME", ""};  // HIGH30 and GAME30 in this folder
    testing::ScopedEnv frames{"VANTOR_FRAMES", std::to_string(kFrames).c_str()};
    testing::ScopedEnv input{"VANTOR_INPUT", "player.txt"};
};

}  // namespace vantor::test
