#include "screens/input_hint.h"

#include "game/play_screen.h"
#include "game/speed_control.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int kTouchPlayLines = 20;  // two messages
constexpr int kTouchPlayY = 446;
constexpr int kLineHeight = 16;

void drawCentred(int y, const char* text) {
    DrawnArea area;
    vdp.drawText(320, y, text, AlignCentre, area);
}

}  // namespace

const char* hintText(HintPlace place) {
    return message(static_cast<int>(place) + static_cast<int>(inputDevices.inUse));
}

void drawHint(HintPlace place, int y) { drawCentred(y, hintText(place)); }

void drawTouchPlayHint() {
    if (inputDevices.inUse != InputKind::Touch || play.score > 0) return;
    drawSpeedGauge();
    for (int line = 0; line < 2; ++line) drawCentred(kTouchPlayY + line * kLineHeight, message(kTouchPlayLines + line));
}

}  // namespace vantor
