// Playing with the keys, or with a game controller, is playing with the
// mouse: the game sees the same pointer and buttons, so a whole program run
// leaves the same play-frame trace, and a demo recorded while playing with
// keys plays back to that trace too.
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

constexpr int kFrames = 1000;

// What the player does on the board, at the frame the mouse presses; found
// for seed 10 by watching the board: a select and deselect, three swaps that
// make a group of five, its removal, then (after the menu) one more swap.
struct Action {
    int frame;
    bool right;
    int cell;
};
constexpr Action kActions[] = {
    {330, false, 5},  {360, false, 5},  {390, false, 5},  {420, false, 26}, {481, false, 20},
    {511, false, 41}, {572, false, 30}, {602, false, 60}, {663, true, 20},  {870, false, 0},
    {900, false, 40},
};
// Escape opens the menu; it is open 36 frames later, and RESUME is chosen
// four frames down the buttons.
constexpr int kMenuAt = 770;
constexpr int kMenuOpen = kMenuAt + 37;
constexpr int kResumeChosen = kMenuOpen + 8;

// One hand at the game: the mouse, the keyboard or a game controller.
enum class Hand { Mouse, Keys, Pad };

struct Script {
    Hand hand;
    std::string text;

    void line(int frame, const std::string& command) { text += std::to_string(frame) + " " + command + "\n"; }
    // A key (or controller button) pressed at frame and let go at the next.
    void tap(int frame, const std::string& key, const std::string& button) {
        line(frame, hand == Hand::Pad ? "pad " + button : "keydown " + key);
        line(frame + 1, hand == Hand::Pad ? "pad" : "keyup " + key);
    }
};

// Past the title (Enter) and the table (a typed Enter) to the play screen.
void leadIn(Script& s) {
    s.tap(180, "enter", "a");
    if (s.hand == Hand::Pad)
        s.tap(190, "", "a");
    else
        s.line(190, "char 13");
}

// The arrows from one cell to another, the first showing the ring; the
// press of the last arrow is let go two frames before the cell is clicked.
void walk(Script& s, int from, int to, bool showFirst, int clickAt) {
    std::vector<std::pair<std::string, std::string>> presses;
    if (showFirst) presses.push_back({"right", "right"});
    int across = ((to / kRows - from / kRows) % kColumns + kColumns) % kColumns;
    bool clockwise = across <= kColumns / 2;
    for (int i = 0; i < (clockwise ? across : kColumns - across); ++i)
        presses.push_back(clockwise ? std::pair{"right", "right"} : std::pair{"left", "left"});
    for (int r = from % kRows; r != to % kRows; r += r < to % kRows ? 1 : -1)
        presses.push_back(r < to % kRows ? std::pair{"up", "up"} : std::pair{"down", "down"});
    int frame = clickAt - 1 - 2 * static_cast<int>(presses.size());
    for (const auto& [key, button] : presses) {
        s.tap(frame, key, button);
        frame += 2;
    }
}

// The board's actions; the pointer where the last one before the menu left it.
CellPosition playOnTheBoard(Script& s) {
    int cursor = 0;
    CellPosition pointer{};
    for (size_t i = 0; i < std::size(kActions); ++i) {
        const Action& a = kActions[i];
        const CellPosition& at = CellPositions[a.cell];
        if (s.hand == Hand::Mouse) {
            s.line(a.frame, "mouse " + std::to_string(at.x) + " " + std::to_string(at.y));
            s.line(a.frame, a.right ? "press right" : "press left");
            s.line(a.frame + 1, a.right ? "release right" : "release left");
        } else {
            walk(s, cursor, a.cell, i == 0, a.frame);
            // The key is read a frame before the pointer presses.
            s.tap(a.frame - 1, a.right ? (i % 2 ? "x" : "delete") : (i % 2 ? "enter" : "space"),
                  a.right ? (i % 2 ? "x" : "b") : "a");
            cursor = a.cell;
        }
        if (a.frame < kMenuAt) pointer = at;
    }
    return pointer;
}

void resumeThroughTheMenu(Script& s, CellPosition pointer) {
    s.tap(kMenuAt, "esc", "back");
    if (s.hand == Hand::Mouse) {
        s.line(kResumeChosen - 1, "mouse 317 386");
        s.line(kResumeChosen - 1, "press left");
        s.line(kResumeChosen, "release left");
        // Back where the keys left the pointer, while the menu slides out.
        s.line(kResumeChosen + 1, "mouse " + std::to_string(pointer.x) + " " + std::to_string(pointer.y));
    } else {
        for (int k = 0; k < 4; ++k) s.tap(kMenuOpen + 2 * k, "down", "down");
        s.tap(kResumeChosen, "enter", "a");
    }
}

std::string scriptFor(Hand hand) {
    Script s{hand, ""};
    leadIn(s);
    resumeThroughTheMenu(s, playOnTheBoard(s));
    return s.text;
}

class KeysPlayTest : public test::GameTest {
protected:
    void SetUp() override {
        test::GameTest::SetUp();
        ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
        ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
    }
    void TearDown() override {
        playTrace.close();
        test::GameTest::TearDown();
    }

    std::vector<std::string> run(const std::string& script, const std::string& commandLine, const std::string& name) {
        std::ofstream(name + ".txt") << script;
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
    testing::ScopedEnv frames{"VANTOR_FRAMES", std::to_string(kFrames).c_str()};
};

TEST_F(KeysPlayTest, KeysAndAControllerPlayTheMouseGameAndAKeyDemoPlaysItBack) {
    std::vector<std::string> mouse = run(scriptFor(Hand::Mouse), kRecordingWord, "mouse");
    std::vector<std::string> keys = run(scriptFor(Hand::Keys), kRecordingWord, "keys");
    std::filesystem::rename("DATA32.RES", "keys.res");
    std::vector<std::string> pad = run(scriptFor(Hand::Pad), kRecordingWord, "pad");
    EXPECT_EQ(test::firstDifference(keys, mouse), "");
    EXPECT_EQ(test::firstDifference(pad, mouse), "");

    // The demo holds the clicks; the watcher's keyboard still leads past the
    // title and the table and through the menu, which demos never record.
    std::filesystem::rename("keys.res", "DATA32.RES");
    Script watcher{Hand::Keys, ""};
    leadIn(watcher);
    resumeThroughTheMenu(watcher, {});
    std::vector<std::string> demo = run(watcher.text, "3", "demo");
    EXPECT_EQ(test::firstDifference(demo, mouse), "");

    // The game the scripts meant: a selection, swaps, a removal and RESUME.
    int selected = 0, swapping = 0, removing = 0, resumed = 0;
    for (const std::string& line : mouse) {
        std::vector<std::string> f = test::words(line);
        ASSERT_EQ(f.size(), 19u);
        selected += f[12] != "-1";
        swapping += f[7] == "10";
        removing += f[7] == "3";
        resumed += f[6] == "3";
    }
    EXPECT_GT(selected, 0);
    EXPECT_GT(swapping, 0);
    EXPECT_GT(removing, 0);
    EXPECT_EQ(resumed, 1);
    EXPECT_GE(mouse.size(), 600u);
}

}  // namespace
}  // namespace vantor
