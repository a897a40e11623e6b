// Minimal flow: the play background until the window closes.
#include "screens/game_flow.h"

#include "app/frame_pump.h"
#include "app/startup.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {

void RunGameFlow() {
    vdp.setPalette(res.gamePalette);
    for (;;) {
        inputDevices.PollMouse();
        inputDevices.PollKeyboard();
        if (!PumpFrame(static_cast<uint32_t>(frameDelay))) return;
        vdp.restoreScreen(res.background);
        vdp.present();
    }
}

}  // namespace vantor
