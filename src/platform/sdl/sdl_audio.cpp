#include "platform/sdl/sdl_audio.h"

#include <cstring>

namespace vantor::platform::sdl {

SdlAudio::SdlAudio(Context& context) : context_(context) {}
SdlAudio::~SdlAudio() { close(); }

bool SdlAudio::create() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = 512;
    want.callback = &SdlAudio::callback;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    return device_ != 0;
}

void SdlAudio::callback(void* self, Uint8* stream, int length) {
    auto* audio = static_cast<SdlAudio*>(self);
    if (audio->source_)
        audio->source_->mix(stream, static_cast<uint32_t>(length));
    else
        std::memset(stream, 128, static_cast<size_t>(length));
}

void SdlAudio::start(MixSource& source) {
    lockMixer();
    source_ = &source;
    unlockMixer();
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudio::lockMixer() {
    if (device_) SDL_LockAudioDevice(device_);
}

void SdlAudio::unlockMixer() {
    if (device_) SDL_UnlockAudioDevice(device_);
}

void SdlAudio::close() {
    if (device_) SDL_CloseAudioDevice(device_);
    device_ = 0;
    source_ = nullptr;
}

}  // namespace vantor::platform::sdl
