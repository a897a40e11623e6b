#pragma once
#include <cstdint>

namespace vantor::platform {

// Portable mixing code the backend pulls finished samples from.
class MixSource {
public:
    virtual ~MixSource() = default;
    // Fills n 8-bit unsigned mono samples at 22,050 Hz (128 is silence).
    virtual void mix(uint8_t* out, uint32_t n) = 0;
};

// The sound output. Channel buffers, their copies of the samples and the
// mixing live in game code; the backend supplies the device, pulls the mix,
// and reports the failures the game must survive.
class Audio {
public:
    virtual ~Audio() = default;
    // Opens the output device; false means the game stays silent.
    virtual bool create() = 0;
    // Starts pulling from source, until close.
    virtual void start(MixSource& source) = 0;
    // Holds off the pulling while the game changes channels.
    virtual void lockMixer() = 0;
    // Lets the pulling go on.
    virtual void unlockMixer() = 0;
    // Whether a new channel buffer can be made now.
    virtual bool createBuffer() { return true; }
    // Whether a channel buffer can be locked for filling now.
    virtual bool lockBuffer() { return true; }
    // Whether a lost channel buffer comes back (bringing the device back if it went away).
    virtual bool restoreBuffer() { return true; }
    // True once after the device lost every channel buffer: each must be
    // restored and refilled before it sounds again.
    virtual bool takeBufferLost() { return false; }
    // Closes the device; the source is not pulled any more.
    virtual void close() = 0;
};

}  // namespace vantor::platform
