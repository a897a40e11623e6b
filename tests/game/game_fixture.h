#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/startup.h"
#include "common/random.h"
#include "game/board.h"
#include "game/menu_button_animation.h"
#include "game/play_screen.h"
#include "game/score_flash.h"
#include "game/speed_control.h"
#include "input/input_devices.h"
#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "resources/resource_image.h"
#include "screens/ambient_animation.h"
#include "video/screen_copy.h"
#include "video/vdp.h"

namespace vantor::test {

// The game's shared state reset, a headless display and the built DATA30.RES.
class GameTest : public ::testing::Test {
public:
    void SetUp() override {
        platform::headless::installFresh();
        ASSERT_TRUE(vdp.init(true));
        ASSERT_TRUE(setUpData30(LoadResourceImage(std::string(VANTOR_BUILD_DIR) + "/DATA30.RES")));
        resetGameState();
    }
    // Everything a game reads, as at program start with seed 10.
    static void resetGameState() {
        board = Board{};
        play = PlayState{};
        scoreFlash = ScoreFlash{};
        menuButtonAnimation = MenuButtonAnimation{};
        speedGauge = SpeedGauge{};
        frameDelay = 35;
        inputDevices.mouse = MouseState{};
        std::memset(inputDevices.keyState, 0, sizeof inputDevices.keyState);
        std::memset(inputDevices.heldPolls, 0, sizeof inputDevices.heldPolls);
        inputDevices.keyPointer = KeyPointer{};
        for (int i = 0; i < ambientAnimationList.count; ++i) {
            AmbientAnimation& a = *ambientAnimationList.items[i];
            a.countdown = 1;
            a.state = 0;
            a.frame = 0;
        }
        rng.seed(10);
    }
    void TearDown() override {
        freeSavedScreen();
        releaseData30();
        vdp.shutdown();
    }

    static void put(int row, int column, int colour, int32_t state = Resting) {
        Cell& c = board.cell(row, column);
        c.colour = static_cast<int8_t>(colour);
        c.state = state;
        ++board.pieceCount;
    }
    // Fills a column from the hub outward with the given colours.
    static void fillColumn(int column, std::initializer_list<int> colours) {
        int row = 0;
        for (int colour : colours) put(row++, column, colour);
    }
    // Runs updateAll until busyCount is 0; the number of frames it took.
    static int framesUntilIdle(int limit = 1000) {
        for (int frame = 1; frame <= limit; ++frame) {
            board.updateAll();
            if (board.busyCount == 0) return frame;
        }
        return -1;
    }
    // Runs playFrame until the phase is the one given; the frames it took.
    static int playUntilPhase(int32_t phase, int limit = 2000) {
        for (int frame = 1; frame <= limit; ++frame) {
            playFrame(false);
            if (board.phase == phase) return frame;
        }
        return -1;
    }
};

}  // namespace vantor::test
