// The whole program, headless: a bot plays several games through the real
// game flow (intro, tables, game-over waits, name entries, curtains) while the
// program records its mouse, and the recording is then played back twice. The
// three runs must leave the same play-frame trace.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/startup.h"
#include "bot_player.h"
#include "trace_lines.h"
#include "game/play_trace.h"
#include "game_fixture.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

constexpr int kFrames = 9000;

// The headless mouse replaced by the bot's hand.
class BotInput final : public platform::Input {
public:
    BotInput(platform::Input& inner, test::BotPlayer& bot) : inner_(inner), bot_(bot) {}
    bool create() override { return inner_.create(); }
    bool openKeyboard() override { return inner_.openKeyboard(); }
    bool openMouse() override { return inner_.openMouse(); }
    platform::DeviceResult keyboardState(uint8_t keys[256]) override { return inner_.keyboardState(keys); }
    platform::DeviceResult mouseState(platform::MouseReading& reading) override {
        platform::DeviceResult result = inner_.mouseState(reading);
        MouseState hand = bot_.step();
        reading = platform::MouseReading{};
        reading.absolute = true;
        reading.x = hand.x;
        reading.y = hand.y;
        reading.buttons[0] = hand.left ? 0x80 : 0;
        reading.buttons[1] = hand.right ? 0x80 : 0;
        return result;
    }
    platform::DeviceResult acquireKeyboard() override { return inner_.acquireKeyboard(); }
    platform::DeviceResult acquireMouse() override { return inner_.acquireMouse(); }
    void close() override { inner_.close(); }

private:
    platform::Input& inner_;
    test::BotPlayer& bot_;
};

class BotBackend final : public platform::Backend {
public:
    platform::System& system() override { return inner_.system(); }
    platform::Display& display() override { return inner_.display(); }
    platform::Input& input() override { return input_; }
    platform::Audio& audio() override { return inner_.audio(); }
    platform::Cd& cd() override { return inner_.cd(); }

private:
    platform::headless::HeadlessBackend inner_;
    test::BotPlayer bot_;
    BotInput input_{inner_.input(), bot_};
};

class ReplayFlowTest : public test::GameTest {
protected:
    void SetUp() override {
        test::GameTest::SetUp();
        ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
        ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
        // Keys are not recorded: the name entry's Enter comes from the keyboard.
        std::ofstream script("keys.txt");
        for (int frame = 100; frame < kFrames; frame += 150) script << frame << " char 13\n";
    }
    void TearDown() override {
        playTrace.close();
        test::GameTest::TearDown();
    }

    // Runs the program with the backend given; the trace it leaves.
    std::vector<std::string> run(std::unique_ptr<platform::Backend> backend, const std::string& commandLine,
                                 const std::string& trace) {
        std::remove("HIGH30");  // every run starts from the same files
        platform::install(std::move(backend));
        resetGameState();
        EXPECT_TRUE(playTrace.open(trace));
        runProgram(commandLine);
        playTrace.close();
        return test::readLines(trace);
    }

    testing::ScopedTempDir dir;
    testing::ScopedEnv home{"VANTOR_HOME", ""};  // HIGH30 in this folder, removed before each run
    testing::ScopedEnv frames{"VANTOR_FRAMES", std::to_string(kFrames).c_str()};
    testing::ScopedEnv input{"VANTOR_INPUT", "keys.txt"};
};

TEST_F(ReplayFlowTest, ARecordingOfWholeGamesPlaysBackTheSameGames) {
    std::vector<std::string> recorded =
        run(std::make_unique<BotBackend>(), kRecordingWord, dir.path() + "/recorded.trace");
    std::vector<std::string> first = run(std::make_unique<platform::headless::HeadlessBackend>(), "3",
                                         dir.path() + "/first.trace");
    std::vector<std::string> second = run(std::make_unique<platform::headless::HeadlessBackend>(), "3",
                                          dir.path() + "/second.trace");
    ASSERT_GT(recorded.size(), 1000u);
    EXPECT_EQ(test::firstDifference(first, recorded), "");
    EXPECT_EQ(test::firstDifference(second, first), "");

    int gamesEnded = 0, swapFrames = 0, removalFrames = 0;
    for (const std::string& line : recorded) {
        std::vector<std::string> f = test::words(line);
        ASSERT_EQ(f.size(), 19u);
        if (f[7] == "1" && std::stoi(f[11]) > kCells) ++gamesEnded;
        if (f[7] == "10") ++swapFrames;
        if (f[7] == "3") ++removalFrames;
    }
    EXPECT_GE(gamesEnded, 2);
    EXPECT_GT(swapFrames, 0);
    EXPECT_GT(removalFrames, 0);
}

}  // namespace
}  // namespace vantor
