// The ring the keys move: a light band with dark edges round the cursor's
// cell, drawn only while keys lead. Where it goes and what it clicks is
// played out in keys_play_test.cpp.
#include "game/cell_cursor.h"

#include "game/cell_positions.h"
#include "game_fixture.h"

namespace vantor {
namespace {

using CellCursorTest = test::GameTest;

TEST_F(CellCursorTest, TheRingIsALightBandWithDarkEdgesWhileKeysLead) {
    const uint8_t* palette = res.gamePalette;
    EXPECT_EQ(palette[6] + palette[7] + palette[8], 63 * 3);  // entry 2: white
    EXPECT_LT(palette[9] + palette[10] + palette[11], 20);    // entry 3: near black
    cellCursor = CellCursor{3, 2};
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
