#include "audio/cd_audio.h"

#include "platform/platform.h"

namespace vantor {

bool CdAudio::open() {
    isOpen = 0;
    platform::Cd& cd = platform::cd();
    if (!cd.open()) return false;
    device = 1;
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

void CdAudio::close() {
    if (!isOpen) return;
    stop();
    platform::cd().close();
}

}  // namespace vantor
