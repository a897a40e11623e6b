#pragma once
#include <cstdint>

#include "audio/mixer.h"

namespace vantor {

// What play reports.
enum PlayResult : int {
    kPlayNothing = 0,  // effects are off, or the channel has no buffer
    kPlayStarted = 1,  // the channel sounds from its first sample
    kPlayLost = 2,     // its buffer was lost and could not be restored
};

// Sound effects: five channels, each holding a copy of one region of the
// sample block and restarted from its beginning by play.
class SoundDevice {
public:
    bool init();  // always true; without a device the game is silent
    void shutdown();
    void loadChannel(int channel, const uint8_t* start, uint32_t length);
    int play(int channel, uint32_t flags);

    // Loads region k of the sound region table into a channel and plays it.
    void playRegion(int channel, int region);
    // Loads region k into a channel without playing it.
    void loadRegion(int channel, int region);

    // The in-game menu's switch, with the confirmation sounds in the right order.
    void switchOn();
    void switchOff();

    bool device = false;  // the output device is open
    Mixer mixer;          // holds the channel buffers
    const uint8_t* regionStart[kSoundChannels] = {};
    uint32_t regionLength[kSoundChannels] = {};
    int32_t soundOn = 0;
    int32_t soundAvailable = 0;

private:
    void refill(int channel);
    void loseBuffers();
};

inline SoundDevice soundDevice;

}  // namespace vantor
