// The whole program, headless, from start-up to the shell program: the
// intro, a game played until the board overflows, the name entry, the next
// game, and leaving through the in-game menu.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "common/little_endian.h"
#include "common/png_writer.h"
#include "game/board.h"
#include "game/cell_positions.h"
#include "game/menu_button_animation.h"
#include "game/play_screen.h"
#include "game/score_flash.h"
#include "game/speed_control.h"
#include "input/input_devices.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::headless::HeadlessBackend;

// A player who answers each screen as it comes: any key for the tables and
// the game-over picture, "BOT" for the name, pairs of clicks that swap
// pieces until the board overflows, and in the second game the menu's
// button 2, which leaves the program.
class Player {
public:
    Player(HeadlessBackend& backend, bool buttonAtGameOver)
        : backend_(backend), buttonAtGameOver_(buttonAtGameOver) {}

    void onPoll() {
        MouseState& mouse = inputDevices.mouse;
        mouse.left = mouse.right = 0;
        if (inputDevices.ring.capture)
            answer(mouse);
        else if (typingSessions >= 4)
            leave(mouse);
        else
            swap(mouse);
    }

    int typingSessions = 0;
    int32_t scoreAtGameOver = -1;
    int swaps = 0;
    bool menuOpened = false;

private:
    // An answer is wanted four times: the first table, the game-over picture
    // (a key, or the right button), the name, and the table after the game.
    void answer(MouseState& mouse) {
        if (pending_.empty()) {
            if (typingSessions == 4) return;
            ++typingSessions;
            if (typingSessions == 2) {
                scoreAtGameOver = play.score;
                if (buttonAtGameOver_) {
                    mouse.right = 0x80;
                    return;
                }
            }
            pending_ = typingSessions == 3 ? "BOT\r" : "x";
        }
        backend_.system().post({platform::Message::Char, static_cast<uint8_t>(pending_[0])});
        pending_.erase(0, 1);
    }

    void swap(MouseState& mouse) {
        if (board.phase != Idle || board.pieceCount > kCells) {
            step_ = 0;
            return;
        }
        if (step_ == 0 && !choosePair()) return;
        int target = step_ < 2 ? first_ : second_;
        mouse.x = CellPositions[target].x;
        mouse.y = CellPositions[target].y;
        mouse.left = step_ % 2 == 0 ? 0x80 : 0;
        if (++step_ == 4) {
            step_ = 0;
            ++swaps;
        }
    }

    bool choosePair() {
        first_ = second_ = -1;
        for (int i = 0; i < kCells; ++i) {
            if (board.cells[i].state != Resting) continue;
            if (first_ < 0)
                first_ = i;
            else if (board.cells[i].colour != board.cells[first_].colour)
                second_ = i;
            if (second_ >= 0) return true;
        }
        return false;
    }

    // Presses the play screen's menu button, then, once the menu has slid
    // in and its highlight has reached button 2, clicks there.
    void leave(MouseState& mouse) {
        if (!menuOpened) {
            // The board keeps the last game's phase until the next game starts.
            if (board.phase == WaveArriving) nextGameStarted_ = true;
            if (!nextGameStarted_ || board.phase != Idle) return;
            mouse.x = 70;
            mouse.y = 80;
            mouse.left = 0x80;
            menuOpened = true;
            return;
        }
        ++menuPolls_;
        mouse.x = 317;
        mouse.y = 294;
        mouse.left = menuPolls_ == 36 + 14 ? 0x80 : 0;
        // The last message the pump takes carries a non-zero parameter.
        if (mouse.left) backend_.system().post({platform::Message::ActivateApp, 1});
    }

    HeadlessBackend& backend_;
    bool buttonAtGameOver_;
    std::string pending_;
    int step_ = 0;
    int first_ = -1;
    int second_ = -1;
    int menuPolls_ = 0;
    bool nextGameStarted_ = false;
};

class FullRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
        ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
    }
    void TearDown() override { inputDevices.mousePolled = nullptr; }

    // One run of the program with the player; returns the backend's log.
    std::vector<std::string> run(Player*& player, HeadlessBackend*& used, bool buttonAtGameOver = false) {
        HeadlessBackend& backend = platform::headless::installFresh();
        static std::unique_ptr<Player> current;
        current = std::make_unique<Player>(backend, buttonAtGameOver);
        player = current.get();
        used = &backend;
        inputDevices.mousePolled = [](const MouseState&) { current->onPoll(); };
        // The game's records as a new process has them.
        board = Board{};
        play = PlayState{};
        speedGauge = SpeedGauge{};
        scoreFlash = ScoreFlash{};
        menuButtonAnimation = MenuButtonAnimation{};
        exitCode = runProgram("");
        return backend.system().log();
    }

    int exitCode = -1;

    testing::ScopedTempDir dir;
    testing::ScopedEnv home{"VANTOR_HOME", ""};
    testing::ScopedEnv limit{"VANTOR_FRAMES", "20000"};
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(FullRunTest, AGameIsPlayedToItsEndEnteredInTheTableAndThePlayerLeavesThroughTheMenu) {
    Player* player = nullptr;
    HeadlessBackend* backend = nullptr;
    std::vector<std::string> log = run(player, backend);

    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "launch: TIDEWELL.EXE P");
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(player->menuOpened);
    EXPECT_EQ(player->typingSessions, 4);
    // The first wave brings 10 pieces and every swap 4 more: the board's 65
    // cells overflow on the 14th swap.
    EXPECT_EQ(player->swaps, 14);
    ASSERT_GE(player->scoreAtGameOver, 0);

    std::string high30 = readAll("HIGH30");
    ASSERT_EQ(high30.size(), 40u);
    EXPECT_STREQ(high30.c_str(), "BOT");
    EXPECT_EQ(readI32(reinterpret_cast<const uint8_t*>(high30.data()) + 36), player->scoreAtGameOver);

    // The run is the same again; this time the last picture shown is kept.
    uint32_t lastPresent = backend->display().presents();
    std::filesystem::remove("HIGH30");
    std::filesystem::remove("GAME30");  // left through the menu in a game
    std::filesystem::create_directory("shots");
    testing::ScopedEnv shots("VANTOR_SNAPSHOTS", "shots");
    testing::ScopedEnv which("VANTOR_SNAPSHOT_AT", std::to_string(lastPresent).c_str());
    log = run(player, backend);
    EXPECT_EQ(backend->display().presents(), lastPresent);
    EXPECT_EQ(readAll("HIGH30"), high30);

    char name[32];
    std::snprintf(name, sizeof name, "shots/present-%06u.png", lastPresent);
    std::vector<uint8_t> colourOne(640 * 480, 1);
    ASSERT_TRUE(writeIndexedPng("expected.png", 640, 480, 640, colourOne.data(),
                                backend->display().palette()));
    EXPECT_TRUE(readAll(name) == readAll("expected.png")) << "the last picture is not all colour 1";
}

TEST_F(FullRunTest, TheRightButtonAlsoEndsTheGameOverPicture) {
    Player* player = nullptr;
    HeadlessBackend* backend = nullptr;
    run(player, backend, true);
    EXPECT_EQ(player->typingSessions, 4);
    EXPECT_TRUE(player->menuOpened);
    EXPECT_STREQ(readAll("HIGH30").c_str(), "BOT");
}

}  // namespace
}  // namespace vantor
