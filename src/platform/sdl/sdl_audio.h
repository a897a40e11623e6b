#pragma once
#include "platform/audio.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// One SDL audio device pulling the game's mix.
class SdlAudio final : public Audio {
public:
    explicit SdlAudio(Context& context);
    ~SdlAudio() override;

    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override;
    void unlockMixer() override;
    bool createBuffer() override { return device_ != 0; }
    bool lockBuffer() override { return device_ != 0; }
    bool restoreBuffer() override { return device_ != 0; }
    bool takeBufferLost() override { return false; }
    void close() override;

private:
    static void callback(void* self, Uint8* stream, int length);

    Context& context_;
    SDL_AudioDeviceID device_ = 0;
    MixSource* source_ = nullptr;
};

}  // namespace vantor::platform::sdl
