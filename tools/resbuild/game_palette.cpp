#include "game_palette.h"

namespace resbuild {

std::vector<Rgb> gamePalette() {
    std::vector<Rgb> p(256);
    p[gp::kBlack] = {0, 0, 0};
    p[gp::kEndClear] = {1, 3, 10};
    p[gp::kWhite] = {63, 63, 63};
    p[gp::kOutline] = {2, 3, 8};
    for (int i = 4; i < 16; ++i) p[static_cast<size_t>(i)] = {uint8_t(i * 4), uint8_t(i * 4), uint8_t(i * 4)};
    fillRamp(p, gp::kSea, {1, 4, 10}, {4, 18, 26}, {22, 44, 46});
    fillRamp(p, gp::kStone, {4, 6, 10}, {18, 22, 28}, {44, 48, 52});
    fillRamp(p, gp::kPiece[0], {16, 2, 4}, {54, 12, 12}, {63, 46, 40});   // coral red
    fillRamp(p, gp::kPiece[1], {22, 12, 0}, {60, 44, 4}, {63, 63, 44});   // sun yellow
    fillRamp(p, gp::kPiece[2], {2, 14, 4}, {12, 44, 16}, {46, 63, 42});   // sea green
    fillRamp(p, gp::kPiece[3], {2, 6, 22}, {12, 28, 60}, {44, 56, 63});   // deep blue
    fillRamp(p, gp::kPiece[4], {14, 3, 20}, {42, 14, 52}, {62, 46, 63});  // violet
    fillRamp(p, gp::kText, {6, 8, 18}, {34, 36, 44}, {63, 62, 54});
    fillRamp(p, gp::kGold, {14, 7, 1}, {50, 34, 8}, {63, 60, 36});
    fillRamp(p, gp::kGlow, {2, 12, 18}, {14, 44, 52}, {52, 63, 63});
    fillRamp(p, gp::kPearl, {12, 12, 20}, {40, 40, 48}, {63, 63, 63});
    fillRamp(p, gp::kPanel, {2, 4, 12}, {10, 16, 30}, {30, 40, 54});
    fillRamp(p, gp::kKelp, {2, 8, 4}, {10, 28, 14}, {34, 52, 28});
    fillRamp(p, gp::kFoam, {10, 24, 34}, {34, 50, 58}, {58, 63, 63});
    fillRamp(p, gp::kGrey, {4, 4, 4}, {30, 30, 30}, {60, 60, 60});
    return p;
}

}  // namespace resbuild
