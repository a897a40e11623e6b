// Minimal sound device; the channels arrive with the sound work.
#include "audio/sound_device.h"

namespace vantor {

bool SoundDevice::init() { return true; }
void SoundDevice::shutdown() {}
void SoundDevice::loadChannel(int, const uint8_t*, uint32_t) {}
int SoundDevice::play(int, uint32_t) { return 0; }
void SoundDevice::playRegion(int, int) {}
void SoundDevice::loadRegion(int, int) {}
void SoundDevice::switchOn() {}
void SoundDevice::switchOff() {}

}  // namespace vantor
