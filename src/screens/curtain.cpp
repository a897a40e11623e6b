#include "screens/curtain.h"

#include "audio/sound_device.h"
#include "resources/data30.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {

void playCurtain(int first, int step, int stop, bool ownBuffer) {
    if (ownBuffer) {
        holdSavedScreen();
        vdp.saveScreen(savedScreen);
    }
    soundDevice.playRegion(0, 0);
    if (!runFrame()) return;
    for (int image = first;;) {
        vdp.restoreScreen(savedScreen);
        vdp.drawFillRunImage(0, 0, res.curtain[image]);
        vdp.present();
        image += step;
        if (image == stop) break;
        if (!runFrame()) return;
    }
    if (ownBuffer) freeSavedScreen();
}

}  // namespace vantor
