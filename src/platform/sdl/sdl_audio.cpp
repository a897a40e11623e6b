#include "platform/sdl/sdl_audio.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/platform.h"

namespace vantor::platform::sdl {
namespace {

// Short pulls keep an effect within a frame of the moment it is played.
constexpr int kDefaultBufferFrames = 512;

Uint16 bufferFrames() {
    int wanted = std::clamp(optionInt("VANTOR_AUDIO_BUFFER", kDefaultBufferFrames), 64, 8192);
    int frames = 64;
    while (frames * 2 <= wanted) frames *= 2;  // SDL wants a power of two
    return static_cast<Uint16>(frames);
}

// The sound libraries below SDL report a missing device at length on
// stderr; the player is better served by one line of our own.
class QuietStderr {
public:
    QuietStderr() : saved_(::dup(2)) {
        int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) {
            ::dup2(null, 2);
            ::close(null);
        }
    }
    ~QuietStderr() {
        if (saved_ < 0) return;
        ::dup2(saved_, 2);
        ::close(saved_);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_;
};

}  // namespace

SdlAudio::SdlAudio(Context& context) {
    context.eventHooks.push_back([this](const SDL_Event& event) { onEvent(event); });
}

SdlAudio::~SdlAudio() { close(); }

bool SdlAudio::create() {
    bool opened = false;
    {
        QuietStderr quiet;
        // A driver named in SDL_AUDIODRIVER that does not exist fails here.
        subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        opened = subsystem_ && openDevice();
        if (!opened) close();  // letting go of the libraries is noisy too
    }
    if (!opened) std::fputs("no sound device: playing without sound effects\n", stderr);
    return opened;
}

bool SdlAudio::openDevice() {
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = bufferFrames();
    want.callback = &SdlAudio::callback;
    want.userdata = this;
    // SDL converts when the hardware wants another format.
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

void SdlAudio::onEvent(const SDL_Event& event) {
    if (event.type != SDL_AUDIODEVICEREMOVED || event.adevice.iscapture) return;
    if (device_ == 0 || event.adevice.which != device_) return;
    gone_ = true;
    lost_ = true;
}

bool SdlAudio::takeBufferLost() {
    bool lost = lost_;
    lost_ = false;
    return lost;
}

bool SdlAudio::restoreBuffer() {
    if (!gone_) return true;
    // Called with the mixer locked: the dead device's lock is let go first,
    // and the new device's is taken for the caller to let go.
    if (device_) {
        SDL_UnlockAudioDevice(device_);
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (!openDevice()) return false;
    gone_ = false;
    SDL_LockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudio::close() {
    if (device_) SDL_CloseAudioDevice(device_);
    device_ = 0;
    source_ = nullptr;
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
}

}  // namespace vantor::platform::sdl
