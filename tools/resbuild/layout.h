#pragma once
#include "game/cell_positions.h"
#include "geometry.h"

namespace resbuild {

// Screen places the pictures are drawn for.
struct Rect {
    int x, y, w, h;
};

constexpr Vec2 kHub{324.0f, 238.0f};
constexpr float kSocketRadius = 15.0f;
constexpr Rect kMenuButton{10, 39, 124, 93};    // the play screen's menu button
constexpr Rect kScorePlate{444, 48, 140, 58};   // digits are centred on x 513 from y 70
constexpr Rect kGaugePlace{510, 18, 82, 26};    // speed gauge drawn at (550, 30)
constexpr int kGaugeX = 550, kGaugeY = 30;
constexpr Rect kMenuPanel{196, 20, 244, 432};
constexpr Rect kMenuButtons[4] = {{244, 47, 146, 76}, {244, 156, 146, 76}, {244, 256, 146, 76}, {244, 348, 146, 76}};
constexpr int kSoundIndicatorX = 213, kSoundIndicatorY = 176;
constexpr Vec2 kBubbleVent{58.0f, 456.0f};

inline Vec2 anchor(int cell) {
    return {float(vantor::CellPositions[cell].x), float(vantor::CellPositions[cell].y)};
}

// Spoke c points from the hub toward its outer cell; its pieces turn with it.
inline float spokeAngle(int column) { return float(column) * 2.0f * kPi / 13.0f; }

}  // namespace resbuild
