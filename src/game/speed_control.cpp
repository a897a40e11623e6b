#include "game/speed_control.h"

#include <cstdlib>

#include "app/startup.h"
#include "common/little_endian.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int32_t kFastest = 5;
constexpr int32_t kSlowest = 80;
constexpr int32_t kGaugeFrames = 60;
constexpr int kGaugeX = 550;
constexpr int kGaugeY = 30;

struct Extent {
    int from, to;  // both inside
};

Extent across(const uint8_t* image, int at, int offset, int size) {
    int from = at + readI16(image + offset);
    return {from, from + readU16(image + size) - 1};
}

// The delay whose marker stands nearest x.
int32_t delayAt(int x) {
    int32_t nearest = kSlowest;
    for (int32_t d = kSlowest; d >= kFastest; --d)
        if (std::abs(gaugeMarkerX(d) - x) < std::abs(gaugeMarkerX(nearest) - x)) nearest = d;
    return nearest;
}

// The pointer asks for the delay under it with a press on the gauge, held
// and dragged, or with a finger moving on it (a finger's drag presses no
// button). True when it asked this frame.
bool aimFromPointer() {
    SpeedGauge& g = speedGauge;
    const MouseState& mouse = inputDevices.mouse;
    bool down = mouse.left != 0;
    bool moved = mouse.x != g.lastX || mouse.y != g.lastY;
    if (!down) g.dragging = false;
    if (down && !g.wasPressed && onSpeedGauge(mouse.x, mouse.y)) g.dragging = true;
    bool fingerOn = !inputDevices.pointerShown && moved && onSpeedGauge(mouse.x, mouse.y);
    g.wasPressed = down;
    g.lastX = mouse.x;
    g.lastY = mouse.y;
    if (!g.dragging && !fingerOn) return false;
    g.wanted = delayAt(mouse.x);
    return true;
}

// -1 toward faster, +1 toward slower, one step a frame as a held key makes,
// until the delay the pointer asked for is reached.
int pointerStep() {
    int step = speedGauge.wanted < frameDelay ? -1 : speedGauge.wanted > frameDelay ? 1 : 0;
    if (speedGauge.wanted == 0 || step == 0) speedGauge.wanted = 0;
    return speedGauge.wanted == 0 ? 0 : step;
}

void drawGauge(int markerX) {
    vdp.drawImage(kGaugeX, kGaugeY, res.speedGauge[0]);
    vdp.drawImage(markerX, kGaugeY, res.speedGauge[1]);
}

}  // namespace

void drawSpeedGauge() { drawGauge(gaugeMarkerX(frameDelay)); }

bool onSpeedGauge(int x, int y) {
    Extent wide = across(res.speedGauge[0], kGaugeX, 0, 4);
    Extent high = across(res.speedGauge[1], kGaugeY, 2, 6);
    return wide.from <= x && x <= wide.to && high.from <= y && y <= high.to;
}

int gaugeMarkerX(int32_t delay) { return (kSlowest - delay) * 57 / 76 + 523; }

void updateSpeedControl() {
    bool keys = inputDevices.keyState[DIK_ADD] || inputDevices.keyState[DIK_SUBTRACT];
    if (aimFromPointer()) {
        speedGauge.timer = kGaugeFrames;
        speedGauge.markerX = gaugeMarkerX(frameDelay);
    }
    if (keys) speedGauge.wanted = 0;  // the keys have the last word
    int pointer = pointerStep();
    bool faster = inputDevices.keyState[DIK_ADD] != 0 || pointer < 0;
    bool slower = inputDevices.keyState[DIK_SUBTRACT] != 0 || pointer > 0;
    if (faster) {
        speedGauge.timer = kGaugeFrames;
        if (frameDelay > kFastest) --frameDelay;
        speedGauge.markerX = gaugeMarkerX(frameDelay);
    }
    if (slower) {
        speedGauge.timer = kGaugeFrames;
        if (frameDelay < kSlowest) ++frameDelay;
        speedGauge.markerX = gaugeMarkerX(frameDelay);
    }
    if (!faster && !slower && speedGauge.timer <= 0) return;
    --speedGauge.timer;
    drawGauge(speedGauge.markerX);
}

}  // namespace vantor
