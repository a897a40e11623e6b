// Playing with the keys, or with a game controller, is playing with the
// mouse: the game sees the same pointer and buttons, so a whole run leaves
// the same play-frame trace, and a demo recorded with keys plays it back.
#include <cstdio>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/startup.h"
#include "game/cell_positions.h"
#include "game/play_trace.h"
#include "common/little_endian.h"
#include "video/screen_copy.h"
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
    void TearDown() override {
        inputDevices.mousePolled = nullptr;
        GameTest::TearDown();
    }

    std::vector<std::string> run(Script script, bool playing, const std::string& commandLine, const std::string& name) {
        script.leadIn();
        playing ? script.play() : script.resume({});
        return run(script.text, commandLine, name);
    }

    // One run of the program with this input script; the play-frame trace.
    // gameOverAt: the first frame that shows the game-over picture.
    std::vector<std::string> run(const std::string& text, const std::string& commandLine, const std::string& name) {
        std::ofstream(name + ".txt") << text;
        testing::ScopedEnv input{"VANTOR_INPUT", (name + ".txt").c_str()};
        std::remove("HIGH30");
        std::remove("GAME30");  // no game of an earlier run goes on
        auto backend = std::make_unique<platform::headless::HeadlessBackend>();
        platform::headless::HeadlessBackend* world = backend.get();
        platform::install(std::move(backend));
        gameOverAt = 0;
        inputDevices.mousePolled = [this, world](const MouseState&) {
            if (!gameOverAt && savedScreen && board.phase == Idle && board.pieceCount > kCells)
                gameOverAt = static_cast<int>(world->world().frame);
        };
        resetGameState();
        EXPECT_TRUE(playTrace.open(name + ".trace"));
        runProgram(commandLine);
        playTrace.close();
        return test::readLines(name + ".trace");
    }

    int gameOverAt = 0;
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
        test::TraceLine f(line);
        ASSERT_EQ(f.size(), std::size(PlayTrace::kFields));
        selected += f["selected"] != "-1";
        swapping += f.number("phase") == Swapping;
        removing += f.number("phase") == Removing;
        resumed += f["menu"] == "3";
    }
    EXPECT_GT(selected * swapping * removing, 0);
    EXPECT_EQ(resumed, 1);
}

// Script lines of a controller alone: every press a frame long.
struct PadPresses {
    Script script{Script::Pad};
    int at = 330;  // the first wave has landed

    void press(const std::string& button, int after = 3) {
        script.tap(at, "", button);
        at += after;
    }
    // The ring to the cell, then A on it.
    void pressOn(int from, int cell) {
        script.walk(from, cell, at + 40);
        at += 40;
        press("a");
    }
    // Start, then A once the menu stands; back in play once it has slid out.
    void menu(const std::vector<std::string>& buttons) {
        press("start", 12);
        for (const std::string& b : buttons) press(b);
        at += 20;
    }
};

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<int> menuResults(const std::vector<std::string>& trace) {
    std::vector<int> results;
    for (const std::string& line : trace)
        if (std::string menu = test::words(line).at(6); menu != "-") results.push_back(std::stoi(menu));
    return results;
}

// Start then A resumes wherever the ring and the pointer are, on all 65
// cells (A on the cell first, so the pointer is there too, then again to
// let go of the piece); Start, Up to QUIT and A leave the program.
TEST_F(KeysPlayTest, StartThenAResumesFromEveryCellAndUpFromResumeQuits) {
    ASSERT_TRUE(testing::copyFromBuild("DATA30.RES") && testing::copyFromBuild("kelvo.res"));
    PadPresses pad;
    pad.script.leadIn();
    for (int cell = 0; cell < kCells; ++cell) {
        pad.pressOn(cell - 1, cell);
        pad.menu({"a"});
        pad.press("a");
    }
    pad.menu({"up", "a"});
    testing::ScopedEnv frames{"VANTOR_FRAMES", "9000"};
    std::vector<std::string> trace = run(pad.script.text, "", "resumes");
    std::vector<int> results = menuResults(trace);
    ASSERT_EQ(results.size(), 66u);
    EXPECT_EQ(std::count(results.begin(), results.end() - 1, 3), 65);
    EXPECT_EQ(results.back(), 2);
    EXPECT_EQ(test::words(trace.back()).at(6), "2");  // the program ended there
    int selected = 0;
    for (const std::string& line : trace) selected += test::words(line).at(12) != "-1";
    EXPECT_GT(selected, 0);
}

// A whole game with a controller alone: A on cell after cell until the
// board overflows, A past the game-over picture, a name picked (A, B, C...
// with Up and Down, round to Я, B taking one back), Start to end it, A to
// leave the table. HIGH30 then holds the name and the game's score, the
// same file the name typed gives.
TEST_F(KeysPlayTest, AControllerAlonePlaysAGameToItsEndAndPicksTheName) {
    ASSERT_TRUE(testing::copyFromBuild("DATA30.RES") && testing::copyFromBuild("kelvo.res"));
    testing::ScopedEnv frames{"VANTOR_FRAMES", "8000"};
    auto playing = [](int until) {
        PadPresses pad;
        pad.script.leadIn();
        for (int k = 0, cell = -1; pad.at + 40 < until; ++k) {
            int next = (k * 7) % kCells;
            pad.pressOn(cell, next);
            cell = next;
        }
        return pad;
    };
    run(playing(7000).script.text, "", "probe");
    int over = gameOverAt;
    ASSERT_GT(over, 400);

    PadPresses pad = playing(over - 2);
    pad.at = over + 2;
    pad.press("a", 300);  // past the game-over picture; the entry opens meanwhile
    std::string typedName = pad.script.text;
    for (const char* b : {"a", "up", "a", "down", "down", "a", "a", "b", "start"}) pad.press(b);
    pad.at += 10;
    pad.press("a", 300);  // past the table, into the next game
    pad.menu({"up", "a"});
    std::vector<std::string> trace = run(pad.script.text, "", "pad-game");
    EXPECT_EQ(gameOverAt, over);
    std::string byPad = fileBytes("HIGH30");
    ASSERT_EQ(byPad.size(), 40u);
    EXPECT_STREQ(byPad.c_str(), "AB\xDF");
    int32_t score = -1;
    for (const std::string& line : trace)
        if (test::words(line).at(7) == "1" && std::stoi(test::words(line).at(11)) > kCells)
            score = std::stoi(test::words(line).at(9));
    EXPECT_EQ(readI32(reinterpret_cast<const uint8_t*>(byPad.data()) + 36), score);
    EXPECT_EQ(menuResults(trace), std::vector<int>{2});

    // Typed on the keyboard instead, the same name makes the same file.
    typedName += std::to_string(over + 310) + " type AB\xD0\xAF\n" + std::to_string(over + 320) + " char 13\n";
    run(typedName, "", "keys-name");
    EXPECT_EQ(fileBytes("HIGH30"), byPad);
}

}  // namespace
}  // namespace vantor
