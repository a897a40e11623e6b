// The ring the keys move: a light band with dark edges round the cursor's
// cell, drawn only while keys lead, and held on the wheel at its rims. A
// game's worth of where it goes and what it clicks is played out in
// keys_play_test.cpp.
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
    // Off the axes the edges keep their radii: 11, 12, 14 and 15 pixels.
    const int offAxis[][3] = {{7, 8, 0}, {11, 4, 3}, {13, 4, 2}, {14, 4, 3}};
    for (auto [dx, dy, colour] : offAxis) EXPECT_EQ(vdp.pixel(at.x - dx, at.y + dy), colour) << dx << "," << dy;
}

// Up on the outer ring and Down on the inner one keep the ring on its
// spoke: Space then clicks that cell, never the next spoke's or past the wheel.
TEST_F(CellCursorTest, TheRingStaysOnItsSpokeAtTheOuterAndInnerRows) {
    inputDevices.keyPointer.lead();
    for (int column = 0; column < kColumns; ++column) {
        for (auto [row, key] : {std::pair{kRows - 1, DIK_UP}, {0, DIK_DOWN}}) {
            cellCursor = CellCursor{column, row};
            for (uint8_t k : {uint8_t(key), uint8_t(DIK_SPACE)}) inputDevices.keyState[k] = inputDevices.heldPolls[k] = 1;
            cellCursor.steer();
            inputDevices.keyState[key] = inputDevices.keyState[DIK_SPACE] = 0;
            MouseState clicked;
            inputDevices.keyPointer.pressInto(clicked);
            const CellPosition& at = CellPositions[cellIndex(row, column)];
            EXPECT_EQ(clicked.x * 1000 + clicked.y, at.x * 1000 + at.y) << "spoke " << column << ", row " << row;
            EXPECT_EQ(clicked.left, 0x80);
        }
    }
}

}  // namespace
}  // namespace vantor
