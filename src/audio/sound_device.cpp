#include "audio/sound_device.h"

#include <algorithm>

#include "platform/platform.h"
#include "resources/data30.h"

namespace vantor {
namespace {

// The backend may be pulling samples on another thread while a channel changes.
class MixerLock {
public:
    MixerLock() : audio_(platform::audio()) { audio_.lockMixer(); }
    ~MixerLock() { audio_.unlockMixer(); }
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;

private:
    platform::Audio& audio_;
};

}  // namespace

bool SoundDevice::init() {
    platform::Audio& audio = platform::audio();
    if (!audio.create()) {
        soundAvailable = 0;
        soundOn = 0;
        return true;
    }
    audio.start(mixer);
    device = true;
    soundAvailable = 1;
    soundOn = 1;
    return true;
}

void SoundDevice::shutdown() {
    if (!device) return;
    {
        MixerLock lock;
        for (auto& buffer : mixer.buffers) buffer.reset();
    }
    platform::audio().close();
    device = false;
}

void SoundDevice::loadChannel(int channel, const uint8_t* start, uint32_t length) {
    if (!soundOn) return;
    MixerLock lock;
    auto& buffer = mixer.buffers[channel];
    buffer.reset();
    if (platform::audio().createBuffer()) buffer = std::make_unique<SoundBuffer>(length);
    regionStart[channel] = start;
    regionLength[channel] = length;
    refill(channel);
}

int SoundDevice::play(int channel, uint32_t) {
    if (!soundOn) return kPlayNothing;
    MixerLock lock;
    platform::Audio& audio = platform::audio();
    if (audio.takeBufferLost()) loseBuffers();
    SoundBuffer* buffer = mixer.buffers[channel].get();
    // A buffer that could not be made leaves the effect silent.
    if (!buffer) return kPlayNothing;
    buffer->playing = false;
    buffer->position = 0;
    if (buffer->lost) {
        if (!audio.restoreBuffer()) return kPlayLost;
        buffer->lost = false;
        refill(channel);
    }
    buffer->playing = true;
    return kPlayStarted;
}

void SoundDevice::playRegion(int channel, int region) {
    loadRegion(channel, region);
    play(channel, 0);
}

void SoundDevice::loadRegion(int channel, int region) {
    const uint8_t* start = res.soundRegions[region];
    loadChannel(channel, start, static_cast<uint32_t>(res.soundRegions[region + 1] - start));
}

void SoundDevice::switchOn() {
    if (soundAvailable) soundOn = 1;
    playRegion(0, 6);
}

void SoundDevice::switchOff() {
    playRegion(0, 7);
    if (soundAvailable) soundOn = 0;
}

void SoundDevice::refill(int channel) {
    SoundBuffer* buffer = mixer.buffers[channel].get();
    if (!buffer || buffer->lost || !platform::audio().lockBuffer()) return;
    std::copy_n(regionStart[channel], regionLength[channel], buffer->samples.begin());
}

void SoundDevice::loseBuffers() {
    for (auto& buffer : mixer.buffers)
        if (buffer) buffer->lose();
}

}  // namespace vantor
