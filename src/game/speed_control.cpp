#include "game/speed_control.h"

#include "app/startup.h"
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

}  // namespace

int gaugeMarkerX(int32_t delay) { return (kSlowest - delay) * 57 / 76 + 523; }

void updateSpeedControl() {
    bool faster = inputDevices.keyState[DIK_ADD] != 0;
    bool slower = inputDevices.keyState[DIK_SUBTRACT] != 0;
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
    vdp.drawImage(kGaugeX, kGaugeY, res.speedGauge[0]);
    vdp.drawImage(speedGauge.markerX, kGaugeY, res.speedGauge[1]);
}

}  // namespace vantor
