#pragma once
#include <atomic>

#include "platform/audio.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// One SDL audio device pulling the game's mix: 22,050 Hz, 8-bit unsigned
// mono, VANTOR_AUDIO_BUFFER sample frames per pull (512 by default). A
// device that goes away loses the channel buffers; restoring them opens
// the device again.
class SdlAudio final : public Audio {
public:
    explicit SdlAudio(Context& context);
    ~SdlAudio() override;

    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override;
    void unlockMixer() override;
    bool restoreBuffer() override;
    bool takeBufferLost() override;
    void close() override;

    // The open device (0: none), for tests.
    SDL_AudioDeviceID device() const { return device_; }

private:
    static void callback(void* self, Uint8* stream, int length);
    bool openDevice();
    void onEvent(const SDL_Event& event);

    SDL_AudioDeviceID device_ = 0;
    MixSource* source_ = nullptr;
    bool subsystem_ = false;
    bool gone_ = false;  // the device went away and is not back yet
    bool lost_ = false;  // its loss is still to be told to the game
};

}  // namespace vantor::platform::sdl
