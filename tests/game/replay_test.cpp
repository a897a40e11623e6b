// The clicker plays several games while its mouse is written as a recording; the
// recording is then played back through the input devices twice. All three
// runs must leave the same play-frame trace, line for line.
//
// A sample of the trace is kept in golden_trace.txt so that a changed
// behaviour shows up as a diff. Regenerate it only on purpose, after checking
// that the change is wanted:
//   VANTOR_REGENERATE_GOLDEN=1 ./tests/tests_game --gtest_filter='Replay*'
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/frame_pump.h"
#include "common/little_endian.h"
#include "game/cell_positions.h"
#include "game/play_trace.h"
#include "trace_lines.h"
#include "game_fixture.h"
#include "input/recording.h"
#include "platform/platform.h"
#include "support/headless_fixture.h"
#include "support/players.h"

namespace vantor {
namespace {

constexpr int kGamesToPlay = 3;
constexpr int kFrameLimit = 30000;
constexpr int kGoldenEvery = 40;

class ReplayTest : public test::GameTest {
protected:
    void SetUp() override {
        test::GameTest::SetUp();
        folder = std::make_unique<testing::ScopedTempDir>();
    }
    void TearDown() override {
        playTrace.close();
        if (inputDevices.recorder.active) CloseRecording();
        folder.reset();
        test::GameTest::TearDown();
    }

    static void openWindow() {
        pump = PumpState{};
        platform::System& sys = platform::system();
        ASSERT_TRUE(sys.createWindow("TIDEWELL"));
        dispatchSentMessages();
        sys.showWindow();
        dispatchSentMessages();
    }
    static void newGame() {
        board.phase = StartDelay;
        board.busyCount = 24;
    }
    // The game flow's frame loop around playFrame, without its other screens.
    // input fills the mouse for a frame; returns the games finished. With a
    // recording named, it is played back from the start.
    template <typename Input>
    static int playGames(const std::string& trace, const std::string& recording, Input input) {
        platform::headless::installFresh();
        EXPECT_TRUE(vdp.init(true));
        EXPECT_NE(inputDevices.init(), 0);
        if (inputDevices.recorder.active) CloseRecording();
        if (!recording.empty()) {
            EXPECT_TRUE(OpenRecording(recording, false));
        }
        openWindow();
        resetGameState();
        inputDevices.mouse.x = 320;
        inputDevices.mouse.y = 240;
        EXPECT_TRUE(playTrace.open(trace));
        resetForNewGame();
        playFrame(false);
        playFrame(false);
        newGame();
        int games = 0;
        for (int frame = 0; frame < kFrameLimit && games < kGamesToPlay; ++frame) {
            input();
            inputDevices.PollKeyboard();
            if (!PumpFrame(static_cast<uint32_t>(frameDelay))) break;
            EXPECT_EQ(playFrame(true), 1);
            if (board.phase == Idle && board.pieceCount > kCells) {
                ++games;
                EXPECT_NE(savedScreen, nullptr);
                freeSavedScreen();
                resetForNewGame();
                playFrame(false);
                newGame();
            }
        }
        playTrace.close();
        return games;
    }

    std::unique_ptr<testing::ScopedTempDir> folder;
};

std::vector<std::string> field(const std::vector<std::string>& trace, int index) {
    std::vector<std::string> out;
    for (const std::string& line : trace) {
        std::istringstream words(line);
        std::string word;
        for (int i = 0; i <= index; ++i) words >> word;
        out.push_back(word);
    }
    return out;
}

int count(const std::vector<std::string>& values, const std::string& value) {
    return static_cast<int>(std::count(values.begin(), values.end(), value));
}

TEST_F(ReplayTest, ARecordedGameReplaysFrameForFrame) {
    const std::string recording = folder->path() + "/DATA32.RES";
    std::vector<uint8_t> words;
    auto append = [&words](uint32_t word) {
        uint8_t bytes[4];
        writeI32(bytes, static_cast<int32_t>(word));
        words.insert(words.end(), bytes, bytes + 4);
    };
    std::ofstream(folder->path() + "/player.txt") << testing::clickerScript(kFrameLimit);
    int played = 0;
    {
        testing::ScopedEnv clicker{"VANTOR_INPUT", "player.txt"};
        played = playGames(folder->path() + "/played.trace", "", [&] {
            inputDevices.PollMouse();
            if (inputDevices.mouse.left)
                append(kLeftMarker);
            else if (inputDevices.mouse.right)
                append(kRightMarker);
            append(static_cast<uint32_t>(inputDevices.mouse.x) + static_cast<uint32_t>(inputDevices.mouse.y) * 65536u);
        });
    }
    ASSERT_EQ(played, kGamesToPlay);
    std::ofstream(recording, std::ios::binary).write(reinterpret_cast<const char*>(words.data()),
                                                     static_cast<std::streamsize>(words.size()));

    std::vector<std::vector<std::string>> traces;
    for (int run = 0; run < 2; ++run) {
        std::string trace = folder->path() + "/playback" + std::to_string(run) + ".trace";
        int games = playGames(trace, recording, [] { inputDevices.PollMouse(); });
        EXPECT_EQ(games, kGamesToPlay);
        traces.push_back(test::readLines(trace));
    }
    std::vector<std::string> playedTrace = test::readLines(folder->path() + "/played.trace");
    ASSERT_GT(playedTrace.size(), 500u);
    EXPECT_EQ(test::firstDifference(traces[0], playedTrace), "");
    EXPECT_EQ(test::firstDifference(traces[1], traces[0]), "");

    // The run holds what it should: removals, swaps, scores, games that ended.
    std::vector<std::string> phases = field(playedTrace, 7);
    EXPECT_GT(count(phases, "3"), 0);
    EXPECT_GT(count(phases, "6"), 0);
    EXPECT_GT(count(phases, "10"), 0);
    EXPECT_EQ(field(playedTrace, 0).back(), std::to_string(playedTrace.size() - 1));
    for (const std::string& line : playedTrace) {
        test::TraceLine f(line);
        ASSERT_EQ(f.size(), std::size(PlayTrace::kFields)) << line;
        ASSERT_EQ(f["cells"].size(), 2u * kCells);
    }

    std::vector<std::string> sample;
    for (size_t i = 0; i < playedTrace.size(); i += kGoldenEvery) sample.push_back(playedTrace[i]);
    sample.push_back(playedTrace.back());
    const std::string golden = std::string(VANTOR_SOURCE_DIR) + "/tests/game/golden_trace.txt";
    if (std::getenv("VANTOR_REGENERATE_GOLDEN")) {
        std::ofstream out(golden);
        for (const std::string& line : sample) out << line << '\n';
    }
    EXPECT_EQ(test::firstDifference(sample, test::readLines(golden)), "");
}

}  // namespace
}  // namespace vantor
