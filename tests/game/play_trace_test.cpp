#include "game/play_trace.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "game_fixture.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using PlayTraceTest = test::GameTest;

std::vector<std::string> fieldsOfLine(const std::string& path, int line) {
    std::ifstream in(path);
    std::string text;
    for (int i = 0; i <= line; ++i) std::getline(in, text);
    std::istringstream words(text);
    return {std::istream_iterator<std::string>(words), {}};
}

TEST_F(PlayTraceTest, EachCallLeavesOneLineOfNineteenFieldsInTheNamedFile) {
    testing::ScopedTempDir folder;
    const std::string path = folder.path() + "/play.trace";
    testing::ScopedEnv env("VANTOR_TRACE", path.c_str());
    PlayTrace trace;

    inputDevices.mouse = MouseState{17, 400, 0x80, 0};
    for (uint8_t key : {DIK_ESCAPE, DIK_SUBTRACT, DIK_TAB, DIK_Q, DIK_W, DIK_E, DIK_R, DIK_F6, DIK_F7,
                        DIK_F9, DIK_F11, DIK_F12, DIK_BACK})
        inputDevices.keyState[key] = 0x80;
    trace.beginFrame();
    inputDevices.mouse = MouseState{};  // what the call saw at its start is kept
    board.phase = Removing;
    board.busyCount = -1;
    board.pieceCount = 12;
    board.carrierX = 330.125f;
    board.carrierY = -4.5f;
    board.cells[0].state = SwapFlight;
    board.cells[0].colour = 4;
    board.cells[64].state = Resting;
    board.cells[64].colour = 2;
    play.score = 145;
    play.removalScore = 9;
    play.clickState = 1;
    play.stepDivider = 3;
    rng.state = 0x00abcdefu;
    trace.endFrame(PlayTrace::kNoMenu);
    trace.beginFrame();
    trace.endFrame(-1);

    std::vector<std::string> f = fieldsOfLine(path, 0);
    ASSERT_EQ(f.size(), 19u);
    std::vector<std::string> head(f.begin(), f.end() - 1);
    EXPECT_EQ(head, (std::vector<std::string>{"0", "17", "400", "1", "0", "19", "-", "3", "-1", "145", "9",
                                              "12", "-1", "1", "3", "330.12", "-4.50", "00abcdef"}));
    EXPECT_EQ(f[18], "a4" + std::string(126, '0') + "12");
    std::vector<std::string> second = fieldsOfLine(path, 1);
    ASSERT_EQ(second.size(), 19u);
    EXPECT_EQ(second[0], "1");
    EXPECT_EQ(second[1], "0");
    EXPECT_EQ(second[6], "-1");
}

TEST_F(PlayTraceTest, WithoutTheVariableNothingIsWritten) {
    testing::ScopedEnv env("VANTOR_TRACE", nullptr);
    PlayTrace trace;
    trace.beginFrame();
    trace.endFrame(PlayTrace::kNoMenu);
    EXPECT_FALSE(trace.active());
}

}  // namespace
}  // namespace vantor
