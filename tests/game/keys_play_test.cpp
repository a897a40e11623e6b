// Playing with the keys, or with a game controller, is playing with the
// mouse: the game sees the same pointer and buttons, so a whole run leaves
// the same play-frame trace, and a demo recorded with keys plays it back.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "game/cell_positions.h"
#include "game/play_trace.h"
#include "game_fixture.h"
#include "support/headless_fixture.h"
#include "trace_lines.h"

namespace vantor {
namespace {

// The frame at which the mouse presses on a cell (right: the right button),
// found for seed 10 by watching the board: a select and deselect, three
// swaps that make a group of five, its removal, then after the menu a swap.
struct Action {
    int frame;
    bool right;
    int cell;
};
constexpr Action kActions[] = {{330, false, 5},  {360, false, 5},  {390, false, 5},  {420, false, 26},
                               {481, false, 20}, {511, false, 41}, {572, false, 30}, {602, false, 60},
                               {663, true, 20},  {870, false, 0},  {900, false, 40}};
// Escape opens the menu; it is open 37 frames later, and four buttons down is RESUME.
constexpr int kMenuAt = 770, kMenuOpen = kMenuAt + 37, kResumeAt = kMenuOpen + 8;

struct Script {
    enum Hand { Mouse, Keys, Pad } hand;
    std::string text = "";

    void line(int frame, const std::string& command) { text += std::to_string(frame) + " " + command + "\n"; }
    void mouse(int frame, CellPosition at) { line(frame, "mouse " + std::to_string(at.x) + " " + std::to_string(at.y)); }
    // A key, or a controller button, pressed for one frame.
    void tap(int frame, const std::string& key, const std::string& button) {
        line(frame, hand == Pad ? "pad " + button : "keydown " + key);
        line(frame + 1, hand == Pad ? "pad" : "keyup " + key);
    }
    void leadIn() {  // past the title and the table
        tap(180, "enter", "a");
        hand == Pad ? tap(190, "", "a") : line(190, "char 13");
    }
    // The arrows from one cell to the next, the last let go two frames before the click.
    void walk(int from, int to, int clickAt) {
        std::vector<std::string> keys(from < 0 ? 1 : 0, "right");  // the first only shows the ring
        from = std::max(from, 0);
        int across = ((to / kRows - from / kRows) % kColumns + kColumns) % kColumns;
        keys.insert(keys.end(), across <= 6 ? across : kColumns - across, across <= 6 ? "right" : "left");
        keys.insert(keys.end(), std::abs(to % kRows - from % kRows), to % kRows > from % kRows ? "up" : "down");
        for (size_t i = 0; i < keys.size(); ++i) tap(clickAt - 1 - 2 * static_cast<int>(keys.size() - i), keys[i], keys[i]);
    }
    void play() {
        CellPosition resting{};
        for (int i = 0, cursor = -1; i < static_cast<int>(std::size(kActions)); cursor = kActions[i++].cell) {
            const Action& a = kActions[i];
            std::string button = a.right ? "right" : "left";
            if (hand == Mouse) {
                mouse(a.frame, CellPositions[a.cell]);
                line(a.frame, "press " + button);
                line(a.frame + 1, "release " + button);
            } else {
                walk(cursor, a.cell, a.frame);  // the key is read a frame before the pointer presses
                tap(a.frame - 1, a.right ? (i % 2 ? "x" : "delete") : (i % 2 ? "enter" : "space"), a.right ? "b" : "a");
            }
            if (a.frame < kMenuAt) resting = CellPositions[a.cell];
        }
        resume(resting);
    }
    void resume(CellPosition resting) {
        tap(kMenuAt, "esc", "back");
        if (hand != Mouse) {
            for (int k = 0; k < 4; ++k) tap(kMenuOpen + 2 * k, "down", "down");
            return tap(kResumeAt, "enter", "a");
        }
        mouse(kResumeAt - 1, {317, 386});
        line(kResumeAt - 1, "press left");
        line(kResumeAt, "release left");
        mouse(kResumeAt + 1, resting);  // back where the keys left the pointer, as the menu slides out
    }
};

class KeysPlayTest : public test::GameTest {
protected:
    std::vector<std::string> run(Script script, bool playing, const std::string& commandLine, const std::string& name) {
        script.leadIn();
        playing ? script.play() : script.resume({});
        std::ofstream(name + ".txt") << script.text;
        testing::ScopedEnv input{"VANTOR_INPUT", (name + ".txt").c_str()};
        std::remove("HIGH30");
        platform::install(std::make_unique<platform::headless::HeadlessBackend>());
        resetGameState();
        EXPECT_TRUE(playTrace.open(name + ".trace"));
        runProgram(commandLine);
        playTrace.close();
        return test::readLines(name + ".trace");
    }

    testing::ScopedTempDir dir;
    testing::ScopedEnv home{"VANTOR_HOME", ""};
    testing::ScopedEnv frames{"VANTOR_FRAMES", "1000"};
};

TEST_F(KeysPlayTest, KeysAndAControllerPlayTheMouseGameAndAKeyDemoPlaysItBack) {
    ASSERT_TRUE(testing::copyFromBuild("DATA30.RES") && testing::copyFromBuild("kelvo.res"));
    std::vector<std::string> mouse = run({Script::Mouse}, true, kRecordingWord, "mouse");
    EXPECT_EQ(test::firstDifference(run({Script::Keys}, true, kRecordingWord, "keys"), mouse), "");
    std::filesystem::rename("DATA32.RES", "keys.res");
    EXPECT_EQ(test::firstDifference(run({Script::Pad}, true, kRecordingWord, "pad"), mouse), "");
    // The demo holds the clicks; the watcher's keys still lead past the
    // title and the table and through the menu, which demos never record.
    std::filesystem::rename("keys.res", "DATA32.RES");
    EXPECT_EQ(test::firstDifference(run({Script::Keys}, false, "3", "demo"), mouse), "");

    // The game the scripts meant: a selection, swaps, a removal and RESUME once.
    int selected = 0, swapping = 0, removing = 0, resumed = 0;
    for (const std::string& line : mouse) {
        std::vector<std::string> f = test::words(line);
        ASSERT_EQ(f.size(), 19u);
        selected += f[12] != "-1";
        swapping += f[7] == "10";
        removing += f[7] == "3";
        resumed += f[6] == "3";
    }
    EXPECT_GT(selected * swapping * removing, 0);
    EXPECT_EQ(resumed, 1);
}

}  // namespace
}  // namespace vantor
