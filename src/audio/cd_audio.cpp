#include "audio/cd_audio.h"

#include "platform/platform.h"

namespace vantor {

bool CdAudio::open() {
    isOpen = 0;
    platform::Cd& cd = platform::cd();
    device = cd.open();
    if (device == 0) return false;
    if (!cd.setTimeFormatMsf()) {
        cd.close();
        return false;
    }
    isOpen = 1;
    return true;
}

void CdAudio::stop() {
    if (isOpen) platform::cd().stop();
}

// The open flag stays set: nothing uses the device after this.
void CdAudio::close() {
    if (!isOpen) return;
    stop();
    platform::cd().close();
}

}  // namespace vantor
