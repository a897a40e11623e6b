// The cell cursor that keys and controllers move over the wheel: where it
// goes, what it clicks through the game's pointer, and its ring.
#include "game/cell_cursor.h"

#include "game/cell_positions.h"
#include "game_fixture.h"

namespace vantor {
namespace {

class CellCursorTest : public test::GameTest {
protected:
    void start(const std::string& script) {
        std::string error;
        ASSERT_TRUE(platform::headless::installFresh().setScript(script, error)) << error;
        ASSERT_EQ(inputDevices.init(), 3);
        cellCursor = CellCursor{};
    }
    // The input of a frame, then the play screen's reading of the keys.
    static void frame() {
        inputDevices.PollMouse();
        inputDevices.PollKeyboard();
        platform::system().frameDone();
        cellCursor.steer();
    }
};

TEST_F(CellCursorTest, ItWalksTheWheelAndClicksThroughTheGamesPointer) {
    struct Step {
        const char* key;  // pressed at frame 2 * index, let go at the next
        int column, row;
        int button;  // pressed at the cursor's cell at the next poll: 0 left, 1 right, -1 none
    };
    const Step steps[] = {
        {"right", 0, 0, -1},  // the first key only shows the ring, on the first cell
        {"right", 1, 0, -1},  {"left", 0, 0, -1},   {"left", 12, 0, -1},  // round the wheel
        {"up", 12, 1, -1},    {"up", 12, 2, -1},    {"up", 12, 3, -1},    {"up", 12, 4, -1},
        {"up", 12, 4, -1},    {"down", 12, 3, -1},  // outward to the rim and no further
        {"space", 12, 3, 0},  {"x", 12, 3, 1},      {"delete", 12, 3, 1}, {"enter", 12, 3, 0},
        {"mouse 10 10", 12, 3, -1},  // the mouse takes the pointer back
        {"down", 12, 3, -1},  {"down", 12, 2, -1},  {"a", 12, 2, -1},     // keys the cursor leaves alone
    };
    std::string script;
    for (size_t i = 0; i < std::size(steps); ++i) {
        std::string command = steps[i].key;
        bool key = command.find(' ') == std::string::npos;
        script += std::to_string(2 * i) + (key ? " keydown " : " ") + command + "\n";
        if (key) script += std::to_string(2 * i + 1) + " keyup " + command + "\n";
    }
    start(script);
    for (const Step& step : steps) {
        frame();
        EXPECT_EQ(cellCursor.column, step.column) << step.key;
        EXPECT_EQ(cellCursor.row, step.row) << step.key;
        EXPECT_EQ(inputDevices.keyPointer.leads(), std::string(step.key) != "mouse 10 10") << step.key;
        frame();
        EXPECT_EQ(inputDevices.mouse.left != 0, step.button == 0) << step.key;
        EXPECT_EQ(inputDevices.mouse.right != 0, step.button == 1) << step.key;
        if (step.button >= 0) {
            const CellPosition& at = CellPositions[step.column * kRows + step.row];
            EXPECT_EQ(inputDevices.mouse.x, at.x) << step.key;
            EXPECT_EQ(inputDevices.mouse.y, at.y) << step.key;
        }
    }
}

TEST_F(CellCursorTest, TheRingIsALightBandWithDarkEdgesWhileKeysLead) {
    const uint8_t* palette = res.gamePalette;
    EXPECT_EQ(palette[2 * 3] + palette[2 * 3 + 1] + palette[2 * 3 + 2], 63 * 3);  // white
    EXPECT_LT(palette[3 * 3] + palette[3 * 3 + 1] + palette[3 * 3 + 2], 20);     // near black

    cellCursor.column = 3;
    cellCursor.row = 2;
    const CellPosition& at = CellPositions[3 * kRows + 2];
    vdp.clear(0);
    cellCursor.draw();
    EXPECT_EQ(vdp.pixel(at.x + 13, at.y), 0) << "drawn while the mouse leads";

    inputDevices.keyPointer.lead();
    cellCursor.draw();
    const std::pair<int, uint8_t> across[] = {{0, 0}, {10, 0}, {11, 3}, {12, 2}, {13, 2}, {14, 3}, {15, 0}};
    for (auto [distance, colour] : across) {
        EXPECT_EQ(vdp.pixel(at.x + distance, at.y), colour) << distance;
        EXPECT_EQ(vdp.pixel(at.x, at.y - distance), colour) << distance;
    }
}

}  // namespace
}  // namespace vantor
